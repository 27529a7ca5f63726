// The key view's wash, the keyboard picture and the help and web site buttons.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/KeyboardPicture.h"
#include "platform/desktop/help/DesktopHelpViewer.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

QImage drawnOver(HVKeyView& view, QColor below) {
  QImage image(view.size(), QImage::Format_ARGB32);
  image.fill(below);
  view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

TEST(KeyView, WashesItsWholeBoundsAtItsOpacity) {
  HVKeyView view;
  view.resize(40, 30);
  EXPECT_FLOAT_EQ(view.opacity(), 0.0f);
  EXPECT_EQ(drawnOver(view, Qt::white).pixelColor(20, 15), QColor(Qt::white));

  view.setOpacity(1.0f);
  const QImage opaque = drawnOver(view, Qt::black);
  const QRgb blue = QColor::fromRgbF(0.5f, 0.75f, 1.0f).rgb();
  for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29)})
    EXPECT_EQ(opaque.pixel(corner), blue);

  view.setOpacity(0.5f);
  const QColor half = drawnOver(view, Qt::black).pixelColor(5, 5);
  EXPECT_NEAR(half.blueF(), 0.5, 0.02);
  EXPECT_NEAR(half.redF(), 0.25, 0.02);
}

TEST(KeyView, ClicksWithoutAPaneDoNothing) {
  HVKeyView view;
  view.setProperty("tag", 3);
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &click);  // gHVPrefsApp is null between panes
  EXPECT_EQ(view.tag(), 3);
}

TEST(KeyboardPicture, DrawsTheKeyboardBehindTheKeyViews) {
  PaneRig rig(PaneOptions().from(defaultsTree()));
  KeyboardPicture* picture = rig.ui().keyboardPicture;
  ASSERT_TRUE(picture->isPictureValid());
  QImage image(picture->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  picture->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  // The body of the keyboard is dark, the macro keys are light.
  const QRect l1 = rig.ui().m_L1Key->geometry();
  EXPECT_LT(qGray(image.pixel(l1.left() - 6, l1.center().y())), 100);
  EXPECT_GT(qGray(image.pixel(l1.center())), 180);
  // Every macro key view and label view lies inside the picture.
  for (int key = 0; key < 10; ++key) {
    EXPECT_TRUE(picture->rect().contains(rig.pane().m_Key[key]->geometry())) << key;
    EXPECT_TRUE(picture->rect().contains(rig.pane().m_KeyLabelBtn[key]->geometry())) << key;
    EXPECT_EQ(rig.pane().m_Key[key]->tag(), key);
    EXPECT_EQ(rig.pane().m_KeyLabelBtn[key]->tag(), key);
  }
}

TEST(PaneButtons, HelpOpensTheBooksIndexAndNoControlOffersAWebAddress) {
  PaneRig rig(PaneOptions().from(defaultsTree()));
  rig.ui().helpButton->click();
  EXPECT_EQ(rig.helpViewer->calls,
            QStringList({QStringLiteral("register ") + QDir(paneBundlePath()).absolutePath(),
                         QStringLiteral("goto Halvane Keyboard Help/index.htm")}));
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("yop: 0")));

  rig.helpViewer->calls.clear();
  rig.helpViewer->registerStatus = -1;
  rig.ui().helpButton->click();
  EXPECT_EQ(rig.helpViewer->calls.size(), 1);
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("yop: -1")));

  // No real address of the maker is known: no placeholder link stands in for one.
  for (const QWidget* widget : rig.view().findChildren<QWidget*>()) {
    QString text = widget->toolTip();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text += button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) text += label->text();
    EXPECT_FALSE(text.contains(QLatin1String("http")) ||
                 text.contains(QLatin1String("web site"), Qt::CaseInsensitive) ||
                 text.contains(QLatin1String(".example")))
        << widget->objectName().toStdString() << ": " << text.toStdString();
  }
}

TEST(HelpBook, TheBundlesBookOpensItsIndexAndNothingOutsideIt) {
  QList<QUrl> opened;
  DesktopHelpViewer viewer([&](const QUrl& url) {
    opened.append(url);
    return true;
  });
  EXPECT_EQ(viewer.gotoPage(QStringLiteral("Halvane Keyboard Help"), QStringLiteral("index.htm")),
            DesktopHelpViewer::kNoHelpBook);
  ASSERT_EQ(viewer.registerHelpBook(paneBundlePath()), 0);
  EXPECT_EQ(viewer.gotoPage(QStringLiteral("Halvane Keyboard Help"), QStringLiteral("index.htm")),
            0);
  EXPECT_EQ(
      viewer.gotoPage(QStringLiteral("Halvane Keyboard Help"), QStringLiteral("../Info.plist")),
      DesktopHelpViewer::kNoSuchPage);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened[0].toLocalFile().endsWith(
      QStringLiteral("/Resources/Halvane Keyboard Help/index.htm")));
  QFile page(opened[0].toLocalFile());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray html = page.readAll();
  for (const char* topic : {"macro keys", "Profiles", "Automatic switching", "Apply"})
    EXPECT_TRUE(html.contains(topic)) << topic;

  QTemporaryDir noBook;
  EXPECT_EQ(viewer.registerHelpBook(noBook.path()), DesktopHelpViewer::kNoHelpBook);
}

}  // namespace
}  // namespace halvane::test

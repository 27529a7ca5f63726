// The pane at the scale factor the run was started with (QT_SCALE_FACTOR; the suite runs it at
// 1, 1.25, 1.5 and 2): the keyboard picture is drawn at the screen's resolution, not a bitmap
// scaled up, and nothing overlaps or is cut off.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"
#include "tests/HalvanePrefPanel/ui/SampleSettings.h"
#include "tests/HalvanePrefPanel/ui/TextFit.h"
#include "tests/support/RenderedPixels.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"

#include <QDialog>
#include <QIcon>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

// The left edge of the L1 macro key, in the picture's logical coordinates: a dark stroke
// between the light key cap (inside) and the keyboard's body.
constexpr int kEdgeRow = 48;
constexpr int kInsideKey = 190;
constexpr int kOutsideKey = 176;

// The picture at `ratio` device pixels per logical pixel, as a screen of that scale shows it.
QImage pictureAt(QWidget* picture, qreal ratio) {
  if (qFuzzyCompare(picture->devicePixelRatioF(), ratio)) return picture->grab().toImage();
  QImage image(picture->size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(picture->palette().color(QPalette::Window));
  picture->render(&image);
  return image;
}

int rampAt(const QImage& image) {
  const qreal ratio = image.devicePixelRatio();

  return edgeRamp(image, qRound(kEdgeRow * ratio), qRound(kInsideKey * ratio),
                  qRound(kOutsideKey * ratio));
}

class Scaling : public ::testing::Test {
 protected:
  Scaling() {
    QWidget& view = rig.view();
    view.resize(view.sizeHint());
    view.show();
  }
  // The screen's scale, or 2 where the run has none: the picture is checked at 2 then.
  qreal scale() {
    const qreal ratio = rig.view().devicePixelRatioF();
    return ratio > 1 ? ratio : 2;
  }

  PaneRig rig{PaneOptions().from(sampleSettings())};
};

TEST_F(Scaling, KeyboardPictureEdgesStaySharp) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&rig.view()));
  QWidget* picture = rig.ui().keyboardPicture;
  const QImage drawn = pictureAt(picture, scale());
  ASSERT_EQ(drawn.width(), qRound(picture->width() * scale()));
  EXPECT_LE(rampAt(drawn), 1) << "the key's edge is smeared at scale " << scale();

  // What the measure sees in a picture drawn at 1 and scaled up: the edge spread over pixels.
  if (scale() < 2) return;
  const QImage bitmap =
      pictureAt(picture, 1.0).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage scaledUp = bitmap;
  scaledUp.setDevicePixelRatio(scale());
  EXPECT_GE(rampAt(scaledUp), 2) << "the measure cannot tell a scaled bitmap";
}

// The preferences window's icon is a vector picture: drawn for every device pixel of the scale,
// where a bitmap icon stops at its own size.
TEST_F(Scaling, WindowIconIsDrawnForTheScreensPixels) {
  const QIcon icon(paneBundlePath() + QStringLiteral("/Contents/Resources/HalvanePrefPanel.svg"));
  for (const int size : {16, 32, 64}) {
    const QPixmap drawn = icon.pixmap(QSize(size, size), scale());
    EXPECT_EQ(drawn.width(), qRound(size * scale())) << size;
  }
}

TEST_F(Scaling, PaneAndEditorNeitherOverlapNorCutTexts) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&rig.view()));
  QSet<const QWidget*> keyLabels;
  for (QWidget* label : rig.pane().m_KeyLabels) keyLabels << label;
  QTabWidget* tabs = rig.ui().m_TabView;
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(clippedTexts(&rig.view(), keyLabels).join(u'\n').toStdString(), "");
    EXPECT_EQ(overlappingControls(&rig.view(), rig.ui().keyboardPicture).join(u'\n').toStdString(),
              "");
  }
  rig.pane().handleMacroButton(rig.pane().m_Key[0]);
  QDialog* sheet = HVKeyComboPanel::sharedPanel()->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
  EXPECT_EQ(overlappingControls(sheet).join(u'\n').toStdString(), "");
  HVKeyComboPanel::sharedPanel()->cancel();
}

}  // namespace
}  // namespace halvane::test

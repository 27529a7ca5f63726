// Renders the preferences window under the X server to PNG files in the build tree
// (screenshots/), so that its look can be reviewed: the macro keys tab, the profiles tab and
// the macro editor sheet. Run with QT_SCALE_FACTOR set, the pictures are of that scale and
// their names say it (pane@2x.png).
#include "platform/desktop/prefpane/PreferencesHost.h"
#include "shared/settings/SettingsStore.h"
#include "tests/HalvanePrefPanel/ui/SampleSettings.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane {
namespace {

const QString kOut = QStringLiteral(HALVANE_BINARY_DIR "/screenshots");

// "pane.png", or at another scale "pane@1.5x.png".
QString fileName(const QWidget* widget, const char* name) {
  const qreal scale = widget->devicePixelRatioF();
  const QString suffix = qFuzzyCompare(scale, 1.0) ? QString() : QStringLiteral("@%1x").arg(scale);
  return kOut + u'/' + QString::fromLatin1(name) + suffix + QStringLiteral(".png");
}

bool save(QWidget* widget, const char* name) {
  QDir().mkpath(kOut);
  return widget->grab().save(fileName(widget, name));
}

TEST(Screenshot, RendersThePreferencesWindow) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
  test::TempHome home;
  ASSERT_TRUE(settings::write(test::sampleSettings()));

  {
    PreferencesHost host;
    ASSERT_TRUE(host.open(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane")));
    QWidget* window = host.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(save(window, "pane"));
    const QImage image(fileName(window, "pane"));
    EXPECT_EQ(image.size(), window->size() * window->devicePixelRatio());

    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("m_TabView"));
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(save(window, "pane-profiles"));
    tabs->setCurrentIndex(0);

    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("m_L1Key")), Qt::LeftButton);
    auto* sheet = window->findChild<QDialog*>(QStringLiteral("HVKeyComboPanel"));
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    EXPECT_TRUE(save(sheet, "editor"));
    sheet->reject();
  }
}

}  // namespace
}  // namespace halvane

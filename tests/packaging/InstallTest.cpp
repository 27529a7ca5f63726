#include "tests/support/HelperHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = new QTemporaryDir;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(HALVANE_BINARY_DIR),
                   QStringLiteral("--prefix"), prefix_->path()});
    install.waitForFinished(120000);
    output_ = new QString(QString::fromLocal8Bit(install.readAll()));
    status_ = install.exitStatus() == QProcess::NormalExit ? install.exitCode() : -1;
  }
  static void TearDownTestSuite() {
    delete prefix_;
    delete output_;
  }
  static QString path(const char* relative) {
    return prefix_->filePath(QString::fromUtf8(relative));
  }

  static inline QTemporaryDir* prefix_ = nullptr;
  static inline QString* output_ = nullptr;
  static inline int status_ = -1;
};

TEST_F(InstallTest, PutsEveryPieceWhereTheSystemLooksForIt) {
  ASSERT_EQ(status_, 0) << qPrintable(*output_);
  const char* files[] = {
      "lib/halvane/HalvaneHelper.app/Contents/MacOS/HalvaneHelper",
      "lib/halvane/HalvaneHelper.app/Contents/Resources/defaults.plist",
      "lib/halvane/HalvaneHelper.app/Contents/Resources/Halvane",
      "lib/halvane/HalvanePrefPanel.prefPane/Contents/MacOS/HalvanePrefPanel.so",
      "lib/halvane/HalvanePrefPanel.prefPane/Contents/Resources/HVKeyCodes.plist",
      "lib/halvane/HalvanePrefPanel.prefPane/Contents/Resources/ApplicationNames.tsv",
      "lib/halvane/HalvaneHelper.app/Contents/Resources/ApplicationNames.tsv",
      "lib/halvane/HalvaneHelper.app/Contents/Resources/translations/halvane_de.qm",
      "lib/halvane/HalvanePrefPanel.prefPane/Contents/Resources/translations/halvane_ar.qm",
      "share/halvane/translations/halvane_zh_CN.qm",
      "bin/halvane-helper",
      "bin/halvane-preferences",
      "bin/halvane-vkbd",
      "bin/halvanectl",
      "lib/udev/rules.d/70-halvane.rules",
      "lib/udev/hwdb.d/70-halvane.hwdb",
      "lib/systemd/user/halvane-helper.service",
      "share/applications/com.halvane.keyboard.desktop",
      "share/metainfo/com.halvane.keyboard.metainfo.xml",
      "share/man/man1/halvanectl.1",
      "share/man/man1/halvane-helper.1",
      "share/man/man1/halvane-preferences.1",
      "share/man/man1/halvane-vkbd.1",
      "share/bash-completion/completions/halvanectl",
      "share/zsh/vendor-completions/_halvanectl",
      "share/fish/vendor_completions.d/halvanectl.fish",
      "share/icons/hicolor/scalable/apps/halvane-preferences.svg",
      "share/gnome-shell/extensions/halvane-keyboard@halvane.com/metadata.json",
      "share/gnome-shell/extensions/halvane-keyboard@halvane.com/extension.js",
      "share/gnome-shell/extensions/halvane-keyboard@halvane.com/focus.js",
      "share/gnome-shell/extensions/halvane-keyboard@halvane.com/overlay.js",
      "share/halvane/kwin/halvane-keyboard.js",
  };
  for (const char* file : files) EXPECT_TRUE(QFileInfo::exists(path(file))) << file;
  for (const char* program : {"bin/halvane-helper", "bin/halvane-preferences", "bin/halvanectl",
                              "lib/halvane/HalvaneHelper.app/Contents/Resources/Halvane"})
    EXPECT_TRUE(QFileInfo(path(program)).isExecutable()) << program;
  // The helper is a link into its bundle, so it still finds its resources.
  EXPECT_EQ(QFileInfo(path("bin/halvane-helper")).canonicalFilePath(),
            QFileInfo(path("lib/halvane/HalvaneHelper.app/Contents/MacOS/HalvaneHelper"))
                .canonicalFilePath());
}

TEST_F(InstallTest, TheMenuEntryAndTheUnitNameTheInstalledPrograms) {
  ASSERT_EQ(status_, 0) << qPrintable(*output_);
  QFile desktop(path("share/applications/com.halvane.keyboard.desktop"));
  ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
  const QByteArray entry = desktop.readAll();
  // Opened from the menu, the preferences also start a helper when none runs.
  EXPECT_TRUE(entry.contains("\nExec=halvane-preferences --start-helper\n"));
  EXPECT_TRUE(entry.contains("\nIcon=halvane-preferences\n"));

  QFile unit(path("lib/systemd/user/halvane-helper.service"));
  ASSERT_TRUE(unit.open(QIODevice::ReadOnly));
  EXPECT_TRUE(unit.readAll().contains(QFile::encodeName(path("bin/halvane-helper"))));
}

TEST_F(InstallTest, TheInstalledHelperRunsThroughItsLink) {
  ASSERT_EQ(status_, 0) << qPrintable(*output_);
  PrivateBus bus;
  QProcess demo;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
  demo.setProcessEnvironment(environment);
  demo.start(QStringLiteral(HALVANE_DEMO), {path("bin/halvane-helper")});
  ASSERT_TRUE(demo.waitForFinished(60000));
  const QString output = QString::fromUtf8(demo.readAllStandardOutput());
  EXPECT_EQ(demo.exitCode(), 0) << qPrintable(output);
  // Its defaults and its script come from the installed bundle.
  EXPECT_TRUE(output.contains(QStringLiteral("L1 \u2192 typed"))) << qPrintable(output);
  EXPECT_TRUE(output.contains(QStringLiteral("Play key \u2192 asked Rhythmbox to Play")))
      << qPrintable(output);
}

}  // namespace
}  // namespace halvane::test

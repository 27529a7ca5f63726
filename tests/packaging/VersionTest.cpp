// One version everywhere: each program's --version and the packages' recipes name CMake's
// project version.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kVersion = QStringLiteral(HALVANE_PROJECT_VERSION);

QString firstMatch(const QString& file, const QString& pattern) {
  QFile f(QStringLiteral(HALVANE_SOURCE_DIR "/") + file);
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<cannot read %1>").arg(file);
  const auto match = QRegularExpression(pattern, QRegularExpression::MultilineOption)
                         .match(QString::fromUtf8(f.readAll()));
  return match.hasMatch() ? match.captured(1) : QStringLiteral("<no match in %1>").arg(file);
}

TEST(Version, EveryProgramPrintsTheProjectVersionWithoutADisplay) {
  const struct {
    const char* name;
    const char* path;
  } programs[] = {
      {"halvane-helper", HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/MacOS/HalvaneHelper"},
      {"halvane-preferences", HALVANE_BINARY_DIR "/bin/halvane-preferences"},
      {"halvanectl", HALVANE_BINARY_DIR "/bin/halvanectl"},
      {"halvane-vkbd", HALVANE_BINARY_DIR "/bin/halvane-vkbd"},
      {"halvane-demo", HALVANE_BINARY_DIR "/bin/halvane-demo"},
  };
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name :
       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
    environment.remove(QString::fromLatin1(name));
  for (const auto& program : programs) {
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(QString::fromUtf8(program.path), {QStringLiteral("--version")});
    ASSERT_TRUE(run.waitForFinished(30000)) << program.name;
    EXPECT_EQ(run.exitCode(), 0) << program.name;
    EXPECT_EQ(QString::fromUtf8(run.readAllStandardOutput()),
              QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program.name), kVersion));
  }
}

TEST(Version, ThePackageRecipesNameTheProjectVersion) {
  EXPECT_EQ(
      firstMatch(QStringLiteral("debian/changelog"), QStringLiteral("^halvane \\(([^)]+)\\)")),
      kVersion);
  EXPECT_EQ(firstMatch(QStringLiteral("packaging/rpm/halvane.spec"),
                       QStringLiteral("^Version:\\s*(\\S+)")),
            kVersion);
}

}  // namespace

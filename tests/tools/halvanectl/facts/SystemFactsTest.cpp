// The system facts backends on this machine: its compiled hwdb, the gsettings program with a
// keyfile of the test's own, a private session bus; and the reading of gsettings' output.
#include "tests/support/PrivateBus.h"
#include "tools/halvanectl/facts/SessionDesktopFacts.h"
#include "tools/halvanectl/facts/UdevDeviceFacts.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(SessionDesktopFacts, ReadsGsettingsStringArrays) {
  const std::pair<const char*, QStringList> cases[] = {
      {"@as []", {}},
      {"['a@b.com']", {"a@b.com"}},
      {"['a@b', 'c@d']", {"a@b", "c@d"}},
      {R"(["it's", 'x\'y', 'back\\slash'])", {"it's", "x'y", "back\\slash"}},
  };
  for (const auto& [text, strings] : cases)
    EXPECT_EQ(SessionDesktopFacts::parseStringArray(QString::fromUtf8(text)), strings) << text;
}

// gsettings itself, with GNOME Shell's installed schema and a keyfile in a temporary folder.
TEST(SessionDesktopFacts, ReadsGnomeShellSettingsThroughGsettings) {
  if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty())
    GTEST_SKIP() << "gsettings is not installed";
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  qputenv("GSETTINGS_BACKEND", "keyfile");
  SessionDesktopFacts facts{QDBusConnection(QString())};
  if (!facts.gsettingsStrings(QStringLiteral("org.gnome.shell"),
                              QStringLiteral("enabled-extensions")))
    GTEST_SKIP() << "GNOME Shell's settings schema is not installed";

  ASSERT_EQ(
      QProcess::execute(QStringLiteral("gsettings"),
                        {"set", "org.gnome.shell", "enabled-extensions", "['one@x', \"it's@y\"]"}),
      0);
  ASSERT_EQ(QProcess::execute(QStringLiteral("gsettings"),
                              {"set", "org.gnome.shell", "disable-user-extensions", "true"}),
            0);
  EXPECT_EQ(facts.gsettingsStrings(QStringLiteral("org.gnome.shell"),
                                   QStringLiteral("enabled-extensions")),
            (QStringList{"one@x", "it's@y"}));
  EXPECT_EQ(facts.gsettingsBool(QStringLiteral("org.gnome.shell"),
                                QStringLiteral("disable-user-extensions")),
            true);
  EXPECT_EQ(facts.gsettingsStrings(QStringLiteral("org.example.none"), QStringLiteral("x")),
            std::nullopt);
  EXPECT_EQ(
      facts.gsettingsBool(QStringLiteral("org.gnome.shell"), QStringLiteral("enabled-extensions")),
      std::nullopt);
  qunsetenv("GSETTINGS_BACKEND");
  qunsetenv("XDG_CONFIG_HOME");
}

TEST(SessionDesktopFacts, NamesTheExecutableHoldingABusName) {
  test::PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty());
  QDBusConnection holder = bus.connect(QStringLiteral("holder"));
  ASSERT_TRUE(holder.registerService(QStringLiteral("org.example.Held")));
  SessionDesktopFacts facts(bus.connection());
  EXPECT_EQ(facts.busNameOwnerExecutable(QStringLiteral("org.example.Held")),
            QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
  EXPECT_EQ(facts.busNameOwnerExecutable(QStringLiteral("org.example.Nobody")), QString());
  // Neither desktop runs on this bus.
  EXPECT_EQ(facts.kwinScriptLoaded(QStringLiteral("halvane-keyboard")), std::nullopt);
  EXPECT_EQ(facts.gnomeExtensionState(QStringLiteral("halvane-keyboard@halvane.com")),
            std::nullopt);
}

TEST(UdevDeviceFacts, AsksTheCompiledHwdbAndTheFileSystem) {
  UdevDeviceFacts facts;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("node"));
  ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
  EXPECT_EQ(facts.access(file), DeviceFacts::Access::ReadWrite);
  EXPECT_EQ(facts.access(dir.filePath(QStringLiteral("none"))), DeviceFacts::Access::Missing);
  EXPECT_EQ(facts.keyCode(file, 0x700f8), std::nullopt) << "a plain file has no key map";

  if (!QFile::exists(QStringLiteral("/usr/lib/udev/hwdb.bin")) &&
      !QFile::exists(QStringLiteral("/etc/udev/hwdb.bin")))
    GTEST_SKIP() << "no compiled hwdb on this machine";
  // Every hwdb built from systemd's sources names the Linux Foundation's USB root hubs.
  EXPECT_EQ(facts.hwdbProperties(QStringLiteral("usb:v1D6Bp0002"))
                .value(QStringLiteral("ID_VENDOR_FROM_DATABASE")),
            QStringLiteral("Linux Foundation"));
}

// Whatever HID devices this machine has (none in containers; the QEMU guest of the kernel tier
// has the keyboard itself): each node names its HID device as the kernel does.
TEST(UdevDeviceFacts, DescribesThisMachinesHidNodes) {
  UdevDeviceFacts facts;
  const std::vector<DeviceFacts::Node> hidraw = facts.hidNodes(QStringLiteral("hidraw"));
  const std::vector<DeviceFacts::Node> events = facts.hidNodes(QStringLiteral("input"));
  if (hidraw.empty() && events.empty()) GTEST_SKIP() << "this machine has no HID device nodes";
  static const QRegularExpression hidName(
      QStringLiteral("^[0-9A-F]{4}:[0-9A-F]{4}:[0-9A-F]{4}\\.[0-9A-F]{4}$"));
  for (const DeviceFacts::Node& node : hidraw) {
    EXPECT_TRUE(node.devnode.startsWith(QStringLiteral("/dev/hidraw"))) << qPrintable(node.devnode);
    EXPECT_TRUE(hidName.match(node.hidDevice).hasMatch()) << qPrintable(node.hidDevice);
  }
  for (const DeviceFacts::Node& node : events)
    EXPECT_TRUE(node.devnode.startsWith(QStringLiteral("/dev/input/event")))
        << qPrintable(node.devnode);
}

}  // namespace
}  // namespace halvane

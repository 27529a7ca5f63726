// The Qt tray backend against a status notifier watcher of the test's own on a private bus: the
// item it registers, its menu as a tray host reads it over D-Bus, and a click on an entry.
#include "platform/desktop/tray/SystemTrayIcon.h"
#include "tests/support/PrivateBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

#include <gtest/gtest.h>

namespace halvane::test {

namespace {

// The private bus is the session bus of the whole program, from before Qt first asks for one.
class TrayEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    bus = std::make_unique<PrivateBus>();
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus->address().toUtf8());
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override {
    app_.reset();
    bus.reset();
  }
  std::unique_ptr<PrivateBus> bus;

 private:
  int argc_ = 1;
  char name_[16] = "tray_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

TrayEnvironment* const kEnvironment =
    static_cast<TrayEnvironment*>(::testing::AddGlobalTestEnvironment(new TrayEnvironment));

// What a tray host reads of the item's menu, as dbus-send prints it.
QString menuLayout(const PrivateBus& bus, const QString& service) {
  QProcess p;
  p.setProcessEnvironment(bus.environment());
  p.start(QStringLiteral("dbus-send"),
          {QStringLiteral("--session"), QStringLiteral("--print-reply"),
           QStringLiteral("--dest=") + service, QStringLiteral("/MenuBar"),
           QStringLiteral("com.canonical.dbusmenu.GetLayout"), QStringLiteral("int32:0"),
           QStringLiteral("int32:-1"), QStringLiteral("array:string:")});
  waitUntil([&] { return p.state() == QProcess::NotRunning; });
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The menu entry id whose label is text: the last "int32 N" printed before it.
int entryId(const QString& layout, const QString& text) {
  const qsizetype label = layout.indexOf(QStringLiteral("string \"%1\"").arg(text));
  if (label < 0) return -1;
  const QRegularExpression id(QStringLiteral("int32 (\\d+)"));
  int found = -1;
  for (const QRegularExpressionMatch& m : id.globalMatch(layout.left(label)))
    found = m.captured(1).toInt();
  return found;
}

TEST(SystemTrayIcon, RegistersWithTheDesktopsWatcherAndServesItsMenu) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsSet("HALVANE_TEST_X11"))
    GTEST_SKIP()
        << "Qt's status notifier item needs its X11 platform: run through scripts/with-session";
  PrivateBus& bus = *kEnvironment->bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  QProcess watcher;
  watcher.setProcessEnvironment(bus.environment());
  watcher.start(QStringLiteral(FAKE_WATCHER), {});
  ASSERT_TRUE(waitUntil([&] { return watcher.canReadLine(); })) << "the watcher did not start";
  ASSERT_EQ(watcher.readLine(), "ready\n");

  SystemTrayIcon icon;
  ASSERT_TRUE(icon.isAvailable());
  int chosen = 0;
  QPixmap picture(22, 22);
  picture.fill(Qt::blue);
  icon.setIcon(QIcon(picture));
  icon.setToolTip(QStringLiteral("Halvane keyboard: Games"));
  icon.setMenu({{QStringLiteral("Office"), true, false, true, [&] { chosen = 1; }},
                {QStringLiteral("Games"), true, true, true, [&] { chosen = 2; }},
                {},
                {QStringLiteral("Quit Halvane helper"), false, false, true, [&] { chosen = 3; }}});
  icon.setVisible(true);
  ASSERT_TRUE(waitUntil([&] { return watcher.canReadLine(); })) << "no item was registered";
  const QString line = QString::fromUtf8(watcher.readLine()).trimmed();
  ASSERT_TRUE(line.startsWith(QLatin1String("registered "))) << line.toStdString();
  const QString service = line.mid(11).section(u'/', 0, 0);

  QString layout;
  ASSERT_TRUE(waitUntil([&] {
    return (layout = menuLayout(bus, service)).contains(QLatin1String("Quit Halvane helper"));
  })) << layout.toStdString();
  EXPECT_TRUE(layout.contains(QLatin1String("string \"Office\"")));
  const int games = entryId(layout, QStringLiteral("Games"));
  ASSERT_GT(games, 0) << layout.toStdString();

  QProcess click;
  click.setProcessEnvironment(bus.environment());
  click.start(QStringLiteral("dbus-send"),
              {QStringLiteral("--session"), QStringLiteral("--print-reply"),
               QStringLiteral("--dest=") + service, QStringLiteral("/MenuBar"),
               QStringLiteral("com.canonical.dbusmenu.Event"),
               QStringLiteral("int32:%1").arg(games), QStringLiteral("string:clicked"),
               QStringLiteral("variant:int32:0"), QStringLiteral("uint32:0")});
  EXPECT_TRUE(waitUntil([&] { return chosen != 0; })) << "the click did not reach the entry";
  EXPECT_EQ(chosen, 2);
  waitUntil([&] { return click.state() == QProcess::NotRunning; });
  watcher.kill();  // our own child
  watcher.waitForFinished(2000);
}

}  // namespace
}  // namespace halvane::test

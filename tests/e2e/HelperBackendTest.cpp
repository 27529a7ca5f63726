// The real helper on each kind of session names the front-application backend it chose, and why
// not the others, in its Diagnostics answer; `halvanectl front` shows both. sway, KWin and GNOME
// Shell run headless (tests/support has their command lines); Hyprland and niri are known by
// their environment alone, which is all the choice looks at; X11 is the display of
// scripts/with-session.
#include "shared/settings/SettingsStore.h"
#include "tests/support/HeadlessGnomeShell.h"
#include "tests/support/HeadlessKWin.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/HelperHarness.h"

#include <QDBusConnectionInterface>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace halvane::test {
namespace {

const char* const kBackends[] = {"gnome-shell", "kwin",    "hyprland", "niri",
                                 "sway",        "wlroots", "x11"};

struct Session {
  const char* backend;
  // Starts the desktop (when there is one to start) and fills in the helper's environment;
  // the reason to skip when it cannot.
  std::function<QString(PrivateBus&, HelperProcess&, std::shared_ptr<void>& desktop)> start;
};

void PrintTo(const Session& session, std::ostream* out) {
  *out << session.backend;
}

void wayland(HelperProcess& helper, const char* desktop) {
  helper.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
  helper.setEnvironment(QStringLiteral("XDG_CURRENT_DESKTOP"), QLatin1String(desktop));
}

const Session kSessions[] = {
    {"sway",
     [](PrivateBus&, HelperProcess& helper, std::shared_ptr<void>& desktop) {
       auto sway = std::make_shared<HeadlessSway>();
       desktop = sway;
       if (!sway->failure().isEmpty()) return sway->failure();
       wayland(helper, "sway");
       helper.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), sway->waylandDisplay());
       helper.setEnvironment(QStringLiteral("SWAYSOCK"), sway->swaySocket());
       return QString();
     }},
    {"kwin",
     [](PrivateBus& bus, HelperProcess& helper, std::shared_ptr<void>& desktop) {
       auto kwin = std::make_shared<HeadlessKWin>(bus);
       desktop = kwin;
       if (!kwin->failure().isEmpty()) return kwin->failure();
       wayland(helper, "KDE");
       helper.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), kwin->waylandDisplay());
       return QString();
     }},
    {"gnome-shell",
     [](PrivateBus& bus, HelperProcess& helper, std::shared_ptr<void>& desktop) {
       auto shell = std::make_shared<HeadlessGnomeShell>(
           bus, QStringLiteral(HALVANE_GNOME_EXTENSION), QStringList());
       desktop = shell;
       if (!shell->failure().isEmpty()) return shell->failure();
       wayland(helper, "GNOME");
       return QString();
     }},
    {"hyprland",
     [](PrivateBus&, HelperProcess& helper, std::shared_ptr<void>&) {
       wayland(helper, "Hyprland");
       helper.setEnvironment(QStringLiteral("HYPRLAND_INSTANCE_SIGNATURE"),
                             QStringLiteral("halvane_test"));
       return QString();
     }},
    {"niri",
     [](PrivateBus&, HelperProcess& helper, std::shared_ptr<void>&) {
       wayland(helper, "niri");
       helper.setEnvironment(QStringLiteral("NIRI_SOCKET"),
                             helper.runtimeDir() + QStringLiteral("/niri.sock"));
       return QString();
     }},
    {"x11",
     [](PrivateBus&, HelperProcess& helper, std::shared_ptr<void>&) {
       if (qEnvironmentVariableIsEmpty("DISPLAY"))
         return QStringLiteral("no X display: run through scripts/with-session");
       helper.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
       helper.setEnvironment(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
       return QString();
     }},
};

class HelperBackend : public ::testing::TestWithParam<Session> {};

TEST_P(HelperBackend, DiagnosticsNameTheChosenBackendAndWhyNotTheOthers) {
  const Session& session = GetParam();
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty());
  HelperProcess helper(bus.address());
  std::shared_ptr<void> desktop;
  const QString skip = session.start(bus, helper, desktop);
  if (!skip.isEmpty()) GTEST_SKIP() << skip.toStdString();

  ASSERT_TRUE(settings::write(settings::read(defaultsPath()), helper.settingsPath()));
  ASSERT_TRUE(helper.start());
  QDBusConnection connection = bus.connection();
  ASSERT_TRUE(waitUntil(
      [&] {
        return connection.interface()
            ->isServiceRegistered(QStringLiteral("com.halvane.keyboard.HVKeyboardServer"))
            .value();
      },
      10000ms));

  QProcess ctl;
  ctl.setProcessEnvironment(bus.environment());
  ctl.start(QStringLiteral(HALVANE_BINARY_DIR "/bin/halvanectl"), {QStringLiteral("front")});
  ASSERT_TRUE(ctl.waitForFinished(5000));
  const QString out = QString::fromUtf8(ctl.readAllStandardOutput());
  EXPECT_EQ(ctl.exitCode(), 0) << ctl.readAllStandardError().toStdString();
  const QString name = QLatin1String(session.backend);
  EXPECT_TRUE(out.contains(QStringLiteral("Backend:        %1\n").arg(name))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("Backend choice: %1, ").arg(name))) << out.toStdString();
  for (const char* other : kBackends) {
    if (name == QLatin1String(other)) continue;
    EXPECT_TRUE(out.contains(QStringLiteral("not %1: ").arg(QLatin1String(other))))
        << other << "\n"
        << out.toStdString();
  }
  EXPECT_FALSE(out.contains(QStringLiteral("could not be set up"))) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sessions, HelperBackend, ::testing::ValuesIn(kSessions),
                         [](const ::testing::TestParamInfo<Session>& info) {
                           std::string name = info.param.backend;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace halvane::test

// The helper's reports: what is in front and which profile that selects, or why none; and the
// backends the services' factories chose, from their typed records.
#include "helper/diagnostics/BackendRegistry.h"
#include "helper/diagnostics/HelperDiagnostics.h"
#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/input/hidevent/HIDEventBackendChoice.h"
#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/control/ControlChannel.h"
#include "shared/control/DiagnosticsServer.h"
#include "tests/helper/controller/ControllerRig.h"
#include "tests/support/PrivateBus.h"

#include <QDBusMessage>
#include <QDBusPendingReply>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

FrontApplication editorInFront() {
  FrontApplication app;
  app.backend = QStringLiteral("x11");
  app.window = WindowFacts{};
  app.window->wmClass = QStringLiteral("Gedit");
  app.window->pid = 42;
  app.application.source = ResolvedApplication::Source::StartupWMClass;
  app.application.desktopId = QStringLiteral("org.gnome.gedit.desktop");
  app.application.desktopFile = QStringLiteral("/usr/share/applications/org.gnome.gedit.desktop");
  app.application.desktopFiles = {app.application.desktopFile};
  app.application.name = QStringLiteral("Text Editor");
  app.application.executable = QStringLiteral("/usr/bin/gedit");
  return app;
}

TEST(Diagnostics, TheFrontApplicationReportSaysWhatSwitchingDoesWithIt) {
  const struct {
    const char* name;
    int boundProfile;  // -1: none
    bool autoSwitching, overrideOn, window;
    const char* profile;
    const char* verdict;
  } cases[] = {
      {"bound and on", 3, true, false, true, "4", "selects profile 4"},
      {"bound, AutoSwitching off", 3, false, false, true, "4",
       "profile 4 names it, but its AutoSwitching is off"},
      {"not bound", -1, true, false, true, "",
       "no profile's ApplicationPath names this application"},
      {"overridden", 3, true, true, true, "4",
       "automatic switching is overridden (AutoSwitchingOverride)"},
      {"no window", 3, true, false, false, "", "no window is active"},
  };
  for (const auto& c : cases) {
    ControllerRig rig;
    PlistValue tree = ControllerRig::defaultSettings();
    if (c.boundProfile >= 0) {
      PlistValue record = ControllerRig::profile(tree, c.boundProfile);
      record.set(QStringLiteral("ApplicationPath"), QStringLiteral("/usr/bin/gedit"));
      record.set(QStringLiteral("AutoSwitching"), c.autoSwitching);
    }
    tree.set(QStringLiteral("AutoSwitchingOverride"), c.overrideOn);
    rig.load(tree);
    rig.controller->installApplicationSwitchHandler();
    BackendRegistry backends;
    HelperDiagnostics diagnostics(*rig.controller, rig.front, backends);
    QList<DiagnosticsServer::Report> sent;
    int profileWhenSent = -1;
    diagnostics.setFrontApplicationChangedHandler([&](const DiagnosticsServer::Report& r) {
      sent.append(r);
      profileWhenSent = rig.controller->getCurrentProfile();
    });
    FrontApplication front =
        c.window ? editorInFront() : FrontApplication{QStringLiteral("x11"), {}, {}};
    rig.front.bringToFront(front);

    ASSERT_EQ(sent.size(), 1) << c.name;
    const DiagnosticsServer::Report r = diagnostics.frontApplication();
    EXPECT_EQ(sent.first(), r) << c.name;
    EXPECT_EQ(r.value("profile"), QString::fromUtf8(c.profile)) << c.name;
    EXPECT_EQ(r.value("verdict"), QString::fromUtf8(c.verdict)) << c.name;
    EXPECT_EQ(r.value("backend"), QStringLiteral("x11")) << c.name;
    if (c.window) {
      EXPECT_EQ(r.value("wmClass"), QStringLiteral("Gedit")) << c.name;
      EXPECT_EQ(r.value("pid"), QStringLiteral("42")) << c.name;
      EXPECT_EQ(r.value("source"), QStringLiteral("StartupWMClass")) << c.name;
      EXPECT_EQ(r.value("desktopId"), QStringLiteral("org.gnome.gedit.desktop")) << c.name;
      EXPECT_EQ(r.value("executable"), QStringLiteral("/usr/bin/gedit")) << c.name;
    } else {
      EXPECT_EQ(r.value("window"), QStringLiteral("none")) << c.name;
      EXPECT_FALSE(r.contains("desktopId")) << c.name;
    }
    // The report is made after the Controller has switched.
    if (QString::fromUtf8(c.verdict).startsWith(QLatin1String("selects"))) {
      EXPECT_EQ(profileWhenSent, c.boundProfile) << c.name;
    }
  }
}

TEST(Diagnostics, BackendChoicesAreTheFactoriesTypedRecords) {
  SessionProbe x11;
  x11.sessionType = QStringLiteral("x11");
  x11.x11Display = QStringLiteral(":1");
  x11.uinputUnusable = QStringLiteral("no uinput");
  BackendRegistry registry;
  registry.record(
      chooseKeyEventBackend(x11).record(BackendService::KeyEvents, keyEventBackendName));
  registry.record(
      chooseHIDEventBackend(x11).record(BackendService::HidEvents, hidEventBackendName));
  registry.record({BackendService::FrontApplication,
                   QStringLiteral("x11"),
                   {},
                   {},
                   QStringLiteral("_NET_ACTIVE_WINDOW on X display :1")});
  registry.record({BackendService::Overlay,
                   QStringLiteral("layer-shell"),
                   {},
                   {},
                   QStringLiteral("layer shell")});
  EXPECT_EQ(registry.entries(),
            (QMap<QString, QString>{{"keyEvents", "XTest on X display :1"},
                                    {"hidEvents", "traced only, no uinput"},
                                    {"frontApplication", "_NET_ACTIVE_WINDOW on X display :1"},
                                    {"overlay", "layer shell"}}));
  ASSERT_TRUE(registry.recordOf(BackendService::HidEvents));
  EXPECT_EQ(registry.recordOf(BackendService::HidEvents)->chosen, QStringLiteral("none"));
  EXPECT_EQ(registry.recordOf(BackendService::HidEvents)->notTaken,
            (QList<std::pair<QString, QString>>{{QStringLiteral("uinput"), x11.uinputUnusable}}));

  // What the chosen backend says later joins its choice instead of replacing it.
  BackendRegistry kde;
  kde.record({BackendService::FrontApplication,
              QStringLiteral("kwin"),
              {},
              {},
              QStringLiteral("kwin, through our KWin script; not gnome-shell: "
                             "XDG_CURRENT_DESKTOP is KDE")});
  kde.outcome(BackendService::FrontApplication,
              QStringLiteral("KWin script: KWin did not load it (no scripting)"));
  kde.outcome(BackendService::FrontApplication,
              QStringLiteral("kwin could not be set up, automatic switching is off"));
  EXPECT_EQ(
      kde.entries().value(QStringLiteral("frontApplication")),
      QStringLiteral(
          "kwin, through our KWin script; not gnome-shell: XDG_CURRENT_DESKTOP is KDE; then: KWin "
          "script: KWin did not load it (no scripting); then: kwin could not be set up, automatic "
          "switching is off"));
}

// The Backends() answer on the bus is made from the records alone: a choice whose line starts
// with no service's name, and a backend's outcome in any words, still reach it; nothing the
// helper logs does.
TEST(Diagnostics, BackendsAnswerOnTheBusIsMadeFromTheRecords) {
  test::PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty());
  ControllerRig rig;
  BackendRegistry registry;
  FakeSystemLog log;
  SessionProbe gnome;
  gnome.sessionType = QStringLiteral("wayland");
  gnome.waylandDisplay = QStringLiteral("wayland-0");
  gnome.currentDesktop = QStringLiteral("GNOME");
  gnome.busNames = {QString::fromLatin1(kGnomeShellBusName)};
  const FrontBackendChoice front = chooseFrontBackend(gnome);
  registry.record(front.record(BackendService::FrontApplication, frontBackendName));
  registry.outcome(BackendService::FrontApplication, QStringLiteral("the extension is off"));
  registry.record({BackendService::HotKeys,
                   QStringLiteral("portal"),
                   {},
                   {},
                   QStringLiteral("GlobalShortcuts, version 2")});
  log.log(QStringLiteral("Synthetic keys: XTest on X display :9"));  // a log line, no record

  HelperDiagnostics diagnostics(*rig.controller, rig.front, registry);
  FakeKeyboardServer keyboardServer;
  DBusServerObject helper(log, bus.connect(QStringLiteral("helper")));
  helper.setDiagnostics(&diagnostics);
  ASSERT_TRUE(helper.registerServer(keyboardServer));
  // Asked as halvanectl asks, without blocking the loop the helper's side answers on.
  QDBusPendingReply<QMap<QString, QString>> answer =
      bus.connection().asyncCall(QDBusMessage::createMethodCall(
          QString::fromLatin1(control::kServiceName), QString::fromLatin1(control::kServerPath),
          QString::fromLatin1(control::kDiagnosticsInterface), QStringLiteral("Backends")));
  ASSERT_TRUE(waitUntil([&] { return answer.isFinished(); }));
  ASSERT_FALSE(answer.isError()) << answer.error().message().toStdString();
  EXPECT_EQ(answer.value(),
            (QMap<QString, QString>{
                {QStringLiteral("frontApplication"),
                 front.text + QStringLiteral("; then: the extension is off")},
                {QStringLiteral("hotKeys"), QStringLiteral("GlobalShortcuts, version 2")}}));
  EXPECT_TRUE(
      front.text.startsWith(QStringLiteral("gnome-shell, through our GNOME Shell extension")))
      << front.text.toStdString();
}

}  // namespace
}  // namespace halvane::test

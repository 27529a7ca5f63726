#include "helper/app/HelperInstance.h"
#include "helper/app/HelperPlatform.h"
#include "helper/controller/Controller.h"
#include "helper/overlay/CustomWindow.h"
#include "helper/overlay/LazyProfileOverlay.h"
#include "helper/tray/HelperTray.h"
#include "platform/desktop/tray/SystemTrayIcon.h"
#include "platform/input/probe/ReadSession.h"
#include "platform/system/bundle/Bundle.h"
#include "platform/system/memory/FreedMemory.h"
#include "platform/system/session/SessionMonitor.h"
#include "platform/system/signals/BrokenPipes.h"
#include "platform/system/signals/TerminationSignals.h"
#include "platform/system/sleeper/QtClock.h"
#include "platform/system/trace/Trace.h"
#include "shared/Version.h"
#include "shared/i18n/Translations.h"

#include <QApplication>
#include <QTimer>

// Builds the helper's objects and runs the main loop; the Controller does the rest.
int main(int argc, char* argv[]) {
  if (halvane::printVersionIfAsked(argc, argv, "halvane-helper")) return 0;
  // A closed terminal or a finished log reader must not end the helper at its next log line.
  halvane::ignoreBrokenPipes();
  const halvane::InstanceLock instance = halvane::claimHelperInstance();
  if (instance.outcome() == halvane::InstanceLock::Outcome::HeldByOther) return 0;

  // Without a display the helper still runs, with its overlay drawn off screen.
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (environment.value(QStringLiteral("DISPLAY")).isEmpty() &&
      environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() &&
      environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");

  // Qt's own event dispatcher rather than glib's: a report reaches the Controller through fewer
  // layers (a sixth less time from report to key in the kernel guest), and nothing in the helper
  // needs glib's loop. For our QApplication only: what the helper starts gets the environment as
  // it was.
  const bool noGlibSet = qEnvironmentVariableIsSet("QT_NO_GLIB");
  const QByteArray noGlib = qgetenv("QT_NO_GLIB");
  qputenv("QT_NO_GLIB", "1");
  QApplication app(argc, argv);
  if (noGlibSet)
    qputenv("QT_NO_GLIB", noGlib);
  else
    qunsetenv("QT_NO_GLIB");
  QApplication::setApplicationName(QStringLiteral("HalvaneHelper"));
  halvane::i18n::installTranslations(
      {halvane::Bundle::mainBundle().resourcesPath() + QStringLiteral("/translations")});
  halvane::Trace& trace = halvane::Trace::instance();
  // The session is read once; every backend is chosen from what it found.
  const halvane::SessionProbe session = halvane::readSession(environment);
  halvane::HelperPlatform platform(trace, session);
  const halvane::ControllerServices services = platform.services();
  halvane::Controller controller(services);
  // Once the name has faded out, the heap that drawing it freed goes back to the kernel; the
  // window stays, so that a dragged overlay keeps its place and the next name shows at once.
  halvane::LazyProfileOverlay window(
      [&platform, &trace] {
        auto made = std::make_unique<halvane::CustomWindow>(platform.log(), trace,
                                                            halvane::QtClock::instance());
        // Where Qt cannot float the window above the desktop (Wayland), a surface of its own
        // shows it.
        made->setSurface(platform.createOverlaySurface());
        return made;
      },
      halvane::returnFreedMemory);
  controller.setItsWindow(&window);
  controller.setServerObject(&platform.serverObject());
  platform.serveDiagnostics(controller);
  halvane::SystemTrayIcon trayIcon;
  halvane::HelperTray tray(controller, trayIcon, services.settingsPath,
                           [] { QCoreApplication::quit(); });
  // The overlay is the only window and is never closed, so this only matters if it were.
  QApplication::setQuitOnLastWindowClosed(
      controller.applicationShouldTerminateAfterLastWindowClosed());

  // A termination signal quits through the same path as a quit request; quitting stops a macro.
  halvane::TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
  // No synthetic key stays down over a suspend or while another session has the seat.
  platform.session().setHandler([&controller](halvane::SessionMonitor::Event event) {
    controller.stopMacro(event == halvane::SessionMonitor::Event::AboutToSleep
                             ? halvane::MacroPlayer::StopReason::Sleep
                             : halvane::MacroPlayer::StopReason::SessionInactive);
  });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller,
                   [&controller] { controller.applicationWillTerminate(); });
  QTimer::singleShot(0, &controller, [&controller] {
    controller.applicationDidFinishLaunching();
    // Start-up frees most of what it allocates (the settings file's parse above all), below
    // blocks that live on: it leaves the process only when given back.
    QTimer::singleShot(0, [] { halvane::returnFreedMemory(); });
  });
  return app.exec();
}

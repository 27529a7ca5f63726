#include "platform/desktop/frontapp/ActiveWindowSourceFactory.h"

#include "platform/desktop/frontapp/SessionActiveWindowSource.h"
#include "platform/desktop/frontapp/XcbActiveWindowSource.h"

namespace halvane {

namespace {

// A later line about the choice: the log names the service, the outcome is the rest.
void tellFront(const FrontSourceServices& services, const QString& text) {
  services.log.log(QStringLiteral("Front application: ") + text);
  services.outcomes.outcome(BackendService::FrontApplication, text);
}

}  // namespace

std::unique_ptr<ActiveWindowSource> createActiveWindowSource(const FrontBackendChoice& choice,
                                                             const SessionProbe& probe,
                                                             const FrontSourceServices& services) {
  if (choice.backend == FrontBackend::X11) {
    QString whyNot;
    const QByteArray display = probe.x11Display.toLocal8Bit();
    if (std::unique_ptr<XcbActiveWindowSource> x11 =
            XcbActiveWindowSource::connect(&whyNot, display.constData()))
      return x11;
    tellFront(services, QStringLiteral("X display %1 refused (%2), automatic switching is off")
                            .arg(probe.x11Display, whyNot));
    return nullptr;
  }
  if (std::unique_ptr<ActiveWindowSource> source =
          createWaylandActiveWindowSource(choice.backend, probe, services)) {
    return source;
  }
  if (choice.backend != FrontBackend::None) {
    tellFront(services, QStringLiteral("%1 could not be set up, automatic switching is off")
                            .arg(frontBackendName(choice.backend)));
  }
  return nullptr;
}

}  // namespace halvane

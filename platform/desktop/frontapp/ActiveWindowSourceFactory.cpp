#include "platform/desktop/frontapp/ActiveWindowSourceFactory.h"

#include "platform/desktop/frontapp/SessionActiveWindowSource.h"
#include "platform/desktop/frontapp/XcbActiveWindowSource.h"

#include <QCoreApplication>

namespace halvane {

namespace {

// A later line about the choice: the log names the service, the outcome is the rest.
void tellFront(const FrontSourceServices& services, const QString& text) {
  services.log.log(QStringLiteral("%1: %2").arg(
      QCoreApplication::translate("FrontBackendChoice", "Front application"), text));
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
    //: %1 the X display, %2 why, %3 says that automatic switching is off
    tellFront(services,
              QCoreApplication::translate("FrontBackendChoice", "X display %1 refused (%2), %3")
                  .arg(probe.x11Display, whyNot,
                       QCoreApplication::translate(kFrontBackendContext, kSwitchingOff)));
    return nullptr;
  }
  if (std::unique_ptr<ActiveWindowSource> source =
          createWaylandActiveWindowSource(choice.backend, probe, services)) {
    return source;
  }
  if (choice.backend != FrontBackend::None) {
    //: %2 says that automatic switching is off
    tellFront(services,
              QCoreApplication::translate("FrontBackendChoice", "%1 could not be set up, %2")
                  .arg(frontBackendName(choice.backend),
                       QCoreApplication::translate(kFrontBackendContext, kSwitchingOff)));
  }
  return nullptr;
}

}  // namespace halvane

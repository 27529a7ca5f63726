#include "platform/desktop/frontapp/ActiveWindowSourceFactory.h"

#include "platform/desktop/frontapp/SessionActiveWindowSource.h"
#include "platform/desktop/frontapp/XcbActiveWindowSource.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {

std::unique_ptr<ActiveWindowSource> createActiveWindowSource(SystemLog& log) {
  const SessionProbe probe = probeSession();
  const BackendChoice choice = chooseFrontBackend(probe.facts);
  log.log(choice.logLine);
  if (choice.backend == FrontBackend::X11) {
    QString whyNot;
    if (std::unique_ptr<XcbActiveWindowSource> x11 = XcbActiveWindowSource::connect(&whyNot))
      return x11;
    log.log(
        QStringLiteral("Front application: X display %1 refused (%2), automatic switching is off")
            .arg(probe.facts.x11Display, whyNot));
    return nullptr;
  }
  if (std::unique_ptr<ActiveWindowSource> source =
          createWaylandActiveWindowSource(choice.backend, probe, log)) {
    return source;
  }
  if (choice.backend != FrontBackend::None) {
    log.log(QStringLiteral("Front application: %1 could not be set up, automatic switching is off")
                .arg(frontBackendName(choice.backend)));
  }
  return nullptr;
}

}  // namespace halvane

#include "platform/frontapp/ActiveWindowSourceFactory.h"

#include "platform/frontapp/XcbActiveWindowSource.h"
#include "platform/log/SystemLog.h"

namespace halvane {

std::unique_ptr<ActiveWindowSource> createActiveWindowSource(SystemLog& log) {
  QString whyNot;
  if (std::unique_ptr<XcbActiveWindowSource> x11 = XcbActiveWindowSource::connect(&whyNot)) {
    log.log(QStringLiteral("Front application: _NET_ACTIVE_WINDOW on X display %1")
                .arg(qEnvironmentVariable("DISPLAY")));
    return x11;
  }
  log.log(QStringLiteral("Front application: unknown, automatic switching is off (%1)").arg(whyNot));
  return nullptr;
}

}  // namespace halvane

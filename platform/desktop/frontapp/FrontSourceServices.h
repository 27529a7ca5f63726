#pragma once

#include "platform/system/backends/BackendRecord.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {

class WindowActivationRelay;

// What a front-application source is handed besides the session: the log, where it tells how
// its backend fares, and the relay the desktop's pushes arrive on.
struct FrontSourceServices {
  SystemLog& log;
  BackendOutcomes& outcomes;
  WindowActivationRelay& relay;

  // One line on how the backend fares: to the log, and as the service's outcome.
  void tell(const QString& line) const {
    log.log(line);
    outcomes.outcome(BackendService::FrontApplication, line);
  }
};

}  // namespace halvane

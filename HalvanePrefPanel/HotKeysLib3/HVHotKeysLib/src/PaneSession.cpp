#include "PaneSession.h"

#include "platform/input/probe/ReadSession.h"

namespace halvane {

const SessionProbe& paneSession() {
  static const SessionProbe session = readSession(QProcessEnvironment::systemEnvironment());
  return session;
}

}  // namespace halvane

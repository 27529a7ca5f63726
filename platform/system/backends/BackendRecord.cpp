#include "platform/system/backends/BackendRecord.h"

namespace halvane {

QString backendServiceKey(BackendService service) {
  switch (service) {
    case BackendService::KeyEvents:
      return QStringLiteral("keyEvents");
    case BackendService::HidEvents:
      return QStringLiteral("hidEvents");
    case BackendService::FrontApplication:
      return QStringLiteral("frontApplication");
    case BackendService::Overlay:
      return QStringLiteral("overlay");
    case BackendService::HotKeys:
      return QStringLiteral("hotKeys");
  }
  return {};
}

}  // namespace halvane

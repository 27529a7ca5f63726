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
    case BackendService::Pointer:
      return QStringLiteral("pointer");
    case BackendService::Text:
      return QStringLiteral("text");
  }
  return {};
}

}  // namespace halvane

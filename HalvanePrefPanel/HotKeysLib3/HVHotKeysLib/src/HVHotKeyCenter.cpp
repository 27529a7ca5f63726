#include "HVHotKeyCenter.h"

#include "PaneSession.h"
#include "platform/input/hotkeys/HotKeyServiceFactory.h"
#include "platform/system/log/SyslogSystemLog.h"

namespace halvane {

HVHotKeyCenter::HVHotKeyCenter(HotKeyService& service, SystemLog& log)
    : service_(service), log_(log) {}

HVHotKeyCenter::~HVHotKeyCenter() {
  if (mEventHandlerInstalled) service_.setEventHandler({});
  for (const auto& [reference, hotKey] : mHotKeys) service_.unregisterHotKey(reference);
}

HVHotKeyCenter& HVHotKeyCenter::sharedCenter() {
  static SyslogSystemLog log(QStringLiteral("HalvanePrefPanel"));
  static const std::unique_ptr<HotKeyService> service =
      createSessionHotKeyService(paneSession(), log);
  static HVHotKeyCenter center(*service, log);
  return center;
}

bool HVHotKeyCenter::registerHotKey(const std::shared_ptr<HVHotKey>& hotKey) {
  if (!hotKey) return false;
  if (isRegistered(*hotKey)) unregisterHotKey(hotKey);
  const HVKeyCombo combo = hotKey->keyCombo();
  if (!combo.isValidHotKeyCombo()) return true;

  HotKeyService::Reference reference = 0;
  const HotKeyId id{kSignature, hotKey->hotKeyId()};
  if (service_.registerHotKey(combo.keyCode(), combo.modifiers(), id, &reference) != kHotKeyNoErr) {
    return false;
  }
  mHotKeys[reference] = hotKey;
  updateEventHandler();
  return true;
}

void HVHotKeyCenter::unregisterHotKey(const std::shared_ptr<HVHotKey>& hotKey) {
  if (!hotKey || !isRegistered(*hotKey)) return;
  std::vector<HotKeyService::Reference> references;
  for (const auto& [reference, registered] : mHotKeys) {
    if (registered == hotKey) references.push_back(reference);
  }
  if (references.size() != 1) {
    reportInconsistency("unregisterHotKey",
                        QStringLiteral("Failed to find Carbon Hotkey for HVHotKey"));
  }
  const HotKeyService::Reference reference = references.back();
  service_.unregisterHotKey(reference);
  mHotKeys.erase(reference);
  updateEventHandler();
}

std::vector<std::shared_ptr<HVHotKey>> HVHotKeyCenter::allHotKeys() const {
  std::vector<std::shared_ptr<HVHotKey>> hotKeys;
  for (const auto& [reference, hotKey] : mHotKeys) hotKeys.push_back(hotKey);
  return hotKeys;
}

std::shared_ptr<HVHotKey> HVHotKeyCenter::hotKeyWithIdentifier(const QString& identifier) const {
  if (identifier.isNull()) return nullptr;
  for (const auto& [reference, hotKey] : mHotKeys) {
    if (hotKey->identifier() == identifier) return hotKey;
  }
  return nullptr;
}

bool HVHotKeyCenter::isRegistered(const HVHotKey& hotKey) const {
  return registeredWithId(hotKey.hotKeyId()) != nullptr;
}

std::shared_ptr<HVHotKey> HVHotKeyCenter::registeredWithId(quint32 id) const {
  for (const auto& [reference, hotKey] : mHotKeys) {
    if (hotKey->hotKeyId() == id) return hotKey;
  }
  return nullptr;
}

// One handler, installed with the first hot key and kept after the last one goes.
void HVHotKeyCenter::updateEventHandler() {
  if (mEventHandlerInstalled || mHotKeys.empty()) return;
  service_.setEventHandler([this](const HotKeyEvent& event) { return sendCarbonEvent(event); });
  mEventHandlerInstalled = true;
}

int HVHotKeyCenter::sendCarbonEvent(const HotKeyEvent& event) {
  if (event.eventClass != kHotKeyEventClass) {
    reportInconsistency("sendCarbonEvent", QStringLiteral("Unknown event class"));
    return kHotKeyEventNotHandled;
  }
  if (event.idStatus != kHotKeyNoErr) return event.idStatus;
  // Other components of the process register hot keys of their own: theirs are not ours, and
  // not a fault either.
  if (event.hotKeyId.signature != kSignature) return kHotKeyEventNotHandled;
  const std::shared_ptr<HVHotKey> hotKey =
      event.hotKeyId.id ? registeredWithId(event.hotKeyId.id) : nullptr;
  if (!hotKey) {
    reportInconsistency("sendCarbonEvent", QStringLiteral("Invalid hot key id"));
    return kHotKeyEventNotHandled;
  }
  switch (event.kind) {
    case kHotKeyPressed:
      hotKey->invoke();
      break;
    case kHotKeyReleased:
      break;
    default:
      reportInconsistency("sendCarbonEvent", QStringLiteral("Unknown event kind"));
      return kHotKeyEventNotHandled;
  }
  return kHotKeyNoErr;
}

// A broken expectation inside the registry is logged; the process goes on, and the event that
// showed it is left unhandled.
void HVHotKeyCenter::reportInconsistency(const char* method, const QString& message) const {
  log_.log(QStringLiteral("Internal inconsistency in HVHotKeyCenter::%1 (object %2, file %3): %4")
               .arg(QLatin1String(method))
               .arg(quintptr(this), 0, 16)
               .arg(QStringLiteral("HVHotKeyCenter.cpp"), message));
}

}  // namespace halvane

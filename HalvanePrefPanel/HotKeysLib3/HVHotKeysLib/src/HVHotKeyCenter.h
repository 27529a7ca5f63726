#pragma once

#include "HVHotKey.h"

#include "platform/input/hotkeys/HotKeyService.h"

#include <map>
#include <memory>
#include <vector>

namespace halvane {

class SystemLog;

// The process's registry of hot keys: registers each record's combination with the hot-key
// service and routes the service's events back to the record.
class HVHotKeyCenter {
 public:
  // The signature of every registration this registry makes.
  static constexpr quint32 kSignature = fourCharCode("HVHk");

  HVHotKeyCenter(HotKeyService& service, SystemLog& log);
  ~HVHotKeyCenter();
  HVHotKeyCenter(const HVHotKeyCenter&) = delete;
  HVHotKeyCenter& operator=(const HVHotKeyCenter&) = delete;

  // The one registry on the system's hot-key service, created on first use.
  static HVHotKeyCenter& sharedCenter();

  // Replaces an earlier registration of the record. True when registered, and also for a
  // record whose combination is not valid (which registers nothing); false when the service
  // refuses, leaving the registry as it was.
  bool registerHotKey(const std::shared_ptr<HVHotKey>& hotKey);
  // Does nothing for a record that is not registered.
  void unregisterHotKey(const std::shared_ptr<HVHotKey>& hotKey);
  std::vector<std::shared_ptr<HVHotKey>> allHotKeys() const;
  // The first registered record with this identifier; nothing for a null identifier.
  std::shared_ptr<HVHotKey> hotKeyWithIdentifier(const QString& identifier) const;

  // Takes one event from the service: a press invokes its record, a release does nothing.
  // Events of other components' hot keys are left alone (kHotKeyEventNotHandled).
  int sendCarbonEvent(const HotKeyEvent& event);

  bool eventHandlerInstalled() const { return mEventHandlerInstalled; }

 private:
  bool isRegistered(const HVHotKey& hotKey) const;
  std::shared_ptr<HVHotKey> registeredWithId(quint32 id) const;
  void updateEventHandler();
  void reportInconsistency(const char* method, const QString& message) const;

  HotKeyService& service_;
  SystemLog& log_;
  std::map<HotKeyService::Reference, std::shared_ptr<HVHotKey>> mHotKeys;
  bool mEventHandlerInstalled = false;
};

}  // namespace halvane

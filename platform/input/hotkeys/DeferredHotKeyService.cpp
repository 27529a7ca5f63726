#include "platform/input/hotkeys/DeferredHotKeyService.h"

#include "platform/system/log/SystemLog.h"

namespace halvane {

DeferredHotKeyService::DeferredHotKeyService(Acceptable acceptable, SystemLog& log)
    : acceptable_(std::move(acceptable)), log_(log) {}

void DeferredHotKeyService::setBackend(std::unique_ptr<HotKeyService> backend) {
  backend_ = std::move(backend);
  if (handler_) backend_->setEventHandler(handler_);
  for (const auto& [ours, hotKey] : waiting_) {
    Reference theirs = 0;
    const int status =
        backend_->registerHotKey(hotKey.keyCode, hotKey.modifiers, hotKey.id, &theirs);
    if (status == kHotKeyNoErr)
      backendOf_[ours] = theirs;
    else
      log_.log(QStringLiteral("Hot keys: key code %1 with modifiers 0x%2 was refused (status %3)")
                   .arg(hotKey.keyCode)
                   .arg(hotKey.modifiers, 0, 16)
                   .arg(status));
  }
  waiting_.clear();
}

int DeferredHotKeyService::registerHotKey(int keyCode, int modifiers, HotKeyId id,
                                          Reference* reference) {
  if (!backend_) {
    if (!acceptable_(keyCode, modifiers)) return kHotKeyInvalid;
    *reference = nextReference_++;
    waiting_[*reference] = {keyCode, modifiers, id};
    return kHotKeyNoErr;
  }
  Reference theirs = 0;
  const int status = backend_->registerHotKey(keyCode, modifiers, id, &theirs);
  if (status != kHotKeyNoErr) return status;
  *reference = nextReference_++;
  backendOf_[*reference] = theirs;
  return kHotKeyNoErr;
}

void DeferredHotKeyService::unregisterHotKey(Reference reference) {
  waiting_.erase(reference);
  const auto registered = backendOf_.find(reference);
  if (registered == backendOf_.end()) return;
  backend_->unregisterHotKey(registered->second);
  backendOf_.erase(registered);
}

void DeferredHotKeyService::setEventHandler(Handler handler) {
  handler_ = std::move(handler);
  if (backend_) backend_->setEventHandler(handler_);
}

}  // namespace halvane

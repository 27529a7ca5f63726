#pragma once

#include "platform/input/hotkeys/HotKeyService.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

namespace halvane {

class SystemLog;

// Stands for the hot-key backend while it is being chosen without blocking the event loop (the
// desktop portal is asked whether it has GlobalShortcuts). Registrations made meanwhile are kept
// and handed to the backend once it is there; the references given out stay valid throughout.
// A QObject so that the question's answer dies with it.
class DeferredHotKeyService : public QObject, public HotKeyService {
 public:
  // Until the backend is there, a registration is accepted when acceptable says its key can be a
  // hot key at all; one the backend refuses later is named in log.
  using Acceptable = std::function<bool(int keyCode, int modifiers)>;
  DeferredHotKeyService(Acceptable acceptable, SystemLog& log);

  // The chosen backend, from now on.
  void setBackend(std::unique_ptr<HotKeyService> backend);

  int registerHotKey(int keyCode, int modifiers, HotKeyId id, Reference* reference) override;
  void unregisterHotKey(Reference reference) override;
  void setEventHandler(Handler handler) override;

 private:
  struct Waiting {
    int keyCode;
    int modifiers;
    HotKeyId id;
  };

  Acceptable acceptable_;
  SystemLog& log_;
  std::unique_ptr<HotKeyService> backend_;
  std::map<Reference, Waiting> waiting_;      // before the backend is there
  std::map<Reference, Reference> backendOf_;  // ours -> the backend's
  Reference nextReference_ = 1;
  Handler handler_;
};

}  // namespace halvane

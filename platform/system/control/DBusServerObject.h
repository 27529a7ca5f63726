#pragma once

#include "platform/system/control/ServerObject.h"

#include <QDBusConnection>

#include <functional>
#include <memory>
#include <vector>

namespace halvane {

class KeyboardServerRoot;
class SystemLog;

// The server object on D-Bus: the object with its generated adaptors exported at the server path,
// and the well-known service name requested without queueing or replacing its owner.
class DBusServerObject : public ServerObject {
 public:
  explicit DBusServerObject(SystemLog& log,
                            const QDBusConnection& bus = QDBusConnection::sessionBus());
  ~DBusServerObject() override;
  DBusServerObject(const DBusServerObject&) = delete;
  DBusServerObject& operator=(const DBusServerObject&) = delete;

  bool registerServer(KeyboardServer& server) override;
  void setDiagnostics(DiagnosticsServer* diagnostics) override { diagnostics_ = diagnostics; }

  // Another interface served on the same object, given to it on each registerServer from now
  // on. Services above the control channel (the front application's sink) add themselves this
  // way, so the channel knows none of them.
  using InterfaceMaker = std::function<void(KeyboardServerRoot& root, const QDBusConnection& bus)>;
  void addInterface(InterfaceMaker make) { interfaces_.push_back(std::move(make)); }

 private:
  void unregister();

  SystemLog& log_;
  QDBusConnection bus_;
  std::unique_ptr<KeyboardServerRoot> root_;  // owns the adaptors
  bool ownsName_ = false;
  DiagnosticsServer* diagnostics_ = nullptr;
  std::vector<InterfaceMaker> interfaces_;
};

}  // namespace halvane

#pragma once

#include "platform/control/ServerObject.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

class KeyboardServerRoot;
class SystemLog;

// The server object on D-Bus: the generated adaptor exported at the server path, and the
// well-known service name requested without queueing or replacing its owner.
class DBusServerObject : public ServerObject {
 public:
  explicit DBusServerObject(SystemLog& log,
                            const QDBusConnection& bus = QDBusConnection::sessionBus());
  ~DBusServerObject() override;
  DBusServerObject(const DBusServerObject&) = delete;
  DBusServerObject& operator=(const DBusServerObject&) = delete;

  bool registerServer(KeyboardServer& server) override;
  void setDiagnostics(DiagnosticsServer* diagnostics) override { diagnostics_ = diagnostics; }

 private:
  void unregister();

  SystemLog& log_;
  QDBusConnection bus_;
  std::unique_ptr<KeyboardServerRoot> root_;  // owns the adaptor
  bool ownsName_ = false;
  DiagnosticsServer* diagnostics_ = nullptr;
};

}  // namespace halvane

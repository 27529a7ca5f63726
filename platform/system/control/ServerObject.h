#pragma once

namespace halvane {

class DiagnosticsServer;
class KeyboardServer;

// Offers the helper's KeyboardServer to other processes under the server name.
class ServerObject {
 public:
  virtual ~ServerObject() = default;
  // Serves server from now until this object goes away. When the name is already taken (or
  // there is no bus) one line goes to the system log and the answer is false: the helper then
  // runs without the server. A second call replaces the server being offered.
  virtual bool registerServer(KeyboardServer& server) = 0;
  // Also offers the helper's read-only reports on the same object, from the next
  // registerServer on; nullptr withdraws them. Servers without reports ignore it.
  virtual void setDiagnostics(DiagnosticsServer* diagnostics) { (void)diagnostics; }
};

}  // namespace halvane

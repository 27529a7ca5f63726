#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct wl_interface;

namespace halvane {

// The helper's one connection to the Wayland compositor. Several protocol users share it:
// each binds the globals it needs from the registry and adds its own listeners; the
// connection reads and dispatches events from the main loop (its fd on a QSocketNotifier)
// and flushes requests before the loop sleeps, so no user ever blocks on the compositor.
class WaylandConnection : public QObject {
  Q_OBJECT

 public:
  struct Global {
    std::uint32_t name = 0;
    QString interface;
    std::uint32_t version = 0;
  };

  // Connects to the compositor `display` names (a WAYLAND_DISPLAY value or an absolute socket
  // path; empty: the environment's) and waits at most `timeout` for its list of globals.
  // Nothing when no compositor answers; `error` then says why.
  static std::unique_ptr<WaylandConnection> connect(
      const QString& display = {},
      std::chrono::milliseconds timeout = std::chrono::milliseconds(1000),
      QString* error = nullptr);

  // The process's connection to the environment's compositor, made on first use and kept while
  // someone holds it. Null when there is none.
  static std::shared_ptr<WaylandConnection> shared();

  ~WaylandConnection() override;
  WaylandConnection(const WaylandConnection&) = delete;
  WaylandConnection& operator=(const WaylandConnection&) = delete;

  wl_display* display() const { return display_; }
  wl_registry* registry() const { return registry_; }
  bool isConnected() const { return connected_; }

  const QList<Global>& globals() const { return globals_; }
  std::optional<Global> global(const QString& interface) const;
  QStringList globalInterfaces() const;

  // Binds the first advertised global of `interface` at the lower of its version and
  // `maxVersion`. Null when the compositor does not offer it.
  void* bind(const wl_interface* interface, std::uint32_t maxVersion) const;
  template <class T>
  T* bind(const wl_interface* interface, std::uint32_t maxVersion) const {
    return static_cast<T*>(bind(interface, maxVersion));
  }

  // Sends queued requests now; the rest goes out when the socket can take it.
  void flush();
  // Waits at most `timeout` until the compositor has handled every request sent so far and
  // its answers are dispatched. Meant for start-up and tests; the running helper never waits.
  bool roundtrip(std::chrono::milliseconds timeout);

 signals:
  void globalAdded(const halvane::WaylandConnection::Global& global);
  void globalRemoved(const halvane::WaylandConnection::Global& global);
  // The compositor went away or broke the connection; every object on it is dead.
  void disconnected();

 private:
  explicit WaylandConnection(wl_display* display);
  void readEvents();
  void fail();
  static void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void onGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);

  wl_display* display_ = nullptr;
  wl_registry* registry_ = nullptr;
  bool connected_ = true;
  QList<Global> globals_;
  QSocketNotifier* readNotifier_ = nullptr;
  QSocketNotifier* writeNotifier_ = nullptr;
};

}  // namespace halvane

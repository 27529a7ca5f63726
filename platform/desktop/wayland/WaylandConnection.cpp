#include "platform/desktop/wayland/WaylandConnection.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <poll.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace halvane {

std::unique_ptr<WaylandConnection> WaylandConnection::connect(const QString& display,
                                                              std::chrono::milliseconds timeout,
                                                              QString* error) {
  const QByteArray name = display.toLocal8Bit();
  wl_display* d = wl_display_connect(display.isEmpty() ? nullptr : name.constData());
  if (d == nullptr) {
    if (error != nullptr) {
      *error = QStringLiteral("cannot connect to Wayland display %1: %2")
                   .arg(display.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : display,
                        QString::fromLocal8Bit(std::strerror(errno)));
    }
    return nullptr;
  }
  std::unique_ptr<WaylandConnection> connection(new WaylandConnection(d));
  if (!connection->roundtrip(timeout)) {
    if (error != nullptr) {
      *error = QStringLiteral("the Wayland compositor did not list its globals in %1 ms")
                   .arg(timeout.count());
    }
    return nullptr;
  }
  return connection;
}

std::shared_ptr<WaylandConnection> WaylandConnection::shared() {
  static std::weak_ptr<WaylandConnection> current;
  std::shared_ptr<WaylandConnection> connection = current.lock();
  if (connection && connection->isConnected()) {
    return connection;
  }
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return nullptr;
  }
  connection = connect();
  current = connection;
  return connection;
}

WaylandConnection::WaylandConnection(wl_display* display) : display_(display) {
  static const wl_registry_listener listener = {&WaylandConnection::onGlobal,
                                                &WaylandConnection::onGlobalRemove};
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &listener, this);

  const int fd = wl_display_get_fd(display_);
  readNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  QObject::connect(readNotifier_, &QSocketNotifier::activated, this,
                   &WaylandConnection::readEvents);
  writeNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Write, this);
  writeNotifier_->setEnabled(false);
  QObject::connect(writeNotifier_, &QSocketNotifier::activated, this, &WaylandConnection::flush);
  // Requests made anywhere during an iteration of the loop go out together before it sleeps.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                     &WaylandConnection::flush);
  }
}

WaylandConnection::~WaylandConnection() {
  if (registry_ != nullptr) {
    wl_registry_destroy(registry_);
  }
  if (connected_) {
    wl_display_flush(display_);
  }
  wl_display_disconnect(display_);
}

std::optional<WaylandConnection::Global> WaylandConnection::global(const QString& interface) const {
  for (const Global& g : globals_) {
    if (g.interface == interface) {
      return g;
    }
  }
  return std::nullopt;
}

QStringList WaylandConnection::globalInterfaces() const {
  QStringList names;
  for (const Global& g : globals_) {
    names << g.interface;
  }
  return names;
}

void* WaylandConnection::bind(const wl_interface* interface, std::uint32_t maxVersion) const {
  const std::optional<Global> g = global(QString::fromLatin1(interface->name));
  if (!g || !connected_) {
    return nullptr;
  }
  return wl_registry_bind(registry_, g->name, interface, std::min(g->version, maxVersion));
}

void WaylandConnection::flush() {
  if (!connected_) {
    return;
  }
  if (wl_display_flush(display_) < 0) {
    if (errno == EAGAIN) {
      writeNotifier_->setEnabled(true);
      return;
    }
    fail();
    return;
  }
  writeNotifier_->setEnabled(false);
}

void WaylandConnection::readEvents() {
  if (!connected_) {
    return;
  }
  while (wl_display_prepare_read(display_) != 0) {
    if (wl_display_dispatch_pending(display_) < 0) {
      fail();
      return;
    }
  }
  // The notifier said the socket is readable, so this read does not wait.
  if (wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0) {
    fail();
    return;
  }
  flush();
}

bool WaylandConnection::roundtrip(std::chrono::milliseconds timeout) {
  if (!connected_) {
    return false;
  }
  bool done = false;
  static const wl_callback_listener listener = {
      [](void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; },
  };
  wl_callback* callback = wl_display_sync(display_);
  wl_callback_add_listener(callback, &listener, &done);

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done) {
    if (wl_display_dispatch_pending(display_) < 0) {
      break;
    }
    if (done) {
      break;
    }
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
      break;
    }
    if (wl_display_prepare_read(display_) != 0) {
      continue;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd pfd{wl_display_get_fd(display_), POLLIN, 0};
    if (left.count() <= 0 || poll(&pfd, 1, static_cast<int>(left.count())) <= 0) {
      wl_display_cancel_read(display_);
      break;
    }
    if (wl_display_read_events(display_) < 0) {
      break;
    }
  }
  wl_callback_destroy(callback);
  if (!done && wl_display_get_error(display_) != 0) {
    fail();
  }
  return done;
}

void WaylandConnection::fail() {
  if (!connected_) {
    return;
  }
  connected_ = false;
  readNotifier_->setEnabled(false);
  writeNotifier_->setEnabled(false);
  emit disconnected();
}

void WaylandConnection::onGlobal(void* data, wl_registry*, std::uint32_t name,
                                 const char* interface, std::uint32_t version) {
  auto* self = static_cast<WaylandConnection*>(data);
  Global g{name, QString::fromLatin1(interface), version};
  self->globals_.append(g);
  emit self->globalAdded(g);
}

void WaylandConnection::onGlobalRemove(void* data, wl_registry*, std::uint32_t name) {
  auto* self = static_cast<WaylandConnection*>(data);
  for (qsizetype i = 0; i < self->globals_.size(); ++i) {
    if (self->globals_[i].name == name) {
      const Global g = self->globals_.takeAt(i);
      emit self->globalRemoved(g);
      return;
    }
  }
}

}  // namespace halvane

#include "platform/system/control/DBusRemoteProxy.h"

#include "HVKeyboardServerProxy.h"
#include "shared/control/ControlChannel.h"

#include <QDBusConnectionInterface>

namespace halvane {

std::unique_ptr<DBusRemoteProxy> DBusRemoteProxy::connect(const QDBusConnection& bus,
                                                          int timeoutMs) {
  if (!bus.isConnected() || !bus.interface()) return nullptr;
  const QDBusReply<bool> registered =
      bus.interface()->isServiceRegistered(QString::fromLatin1(control::kServiceName));
  if (!registered.isValid() || !registered.value()) return nullptr;
  return std::unique_ptr<DBusRemoteProxy>(new DBusRemoteProxy(bus, timeoutMs));
}

DBusRemoteProxy::DBusRemoteProxy(const QDBusConnection& bus, int timeoutMs)
    : proxy_(std::make_unique<HVKeyboardServerProxy>(QString::fromLatin1(control::kServiceName),
                                                     QString::fromLatin1(control::kServerPath),
                                                     bus)) {
  proxy_->setTimeout(timeoutMs);
}

DBusRemoteProxy::~DBusRemoteProxy() = default;

// Blocks without running the event loop, so nothing else of the pane runs during a call.
template <typename Reply>
bool DBusRemoteProxy::finish(Reply& reply) {
  reply.waitForFinished();
  lastError_ = reply.isError() ? reply.error().name() : QString();
  return !reply.isError();
}

std::optional<int> DBusRemoteProxy::getCurrentProfile() {
  QDBusPendingReply<int> reply = proxy_->getCurrentProfile();
  if (!finish(reply)) return std::nullopt;
  return reply.value();
}

bool DBusRemoteProxy::setCurrentProfile(int index) {
  QDBusPendingReply<> reply = proxy_->setCurrentProfile(index);
  return finish(reply);
}

bool DBusRemoteProxy::reloadPrefs() {
  QDBusPendingReply<> reply = proxy_->reloadPrefs();
  return finish(reply);
}

}  // namespace halvane

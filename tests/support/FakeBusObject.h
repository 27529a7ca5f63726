#pragma once

#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVirtualObject>

#include <functional>
#include <vector>

namespace halvane::test {

// An object on a test bus that stands in for another program's: it keeps every call it gets and
// answers each with what reply returns (no reply function: an empty reply).
class FakeBusObject : public QDBusVirtualObject {
 public:
  using Reply = std::function<QList<QVariant>(const QDBusMessage& call)>;

  FakeBusObject(QDBusConnection bus, QString interfaceXml, Reply reply = {})
      : bus_(std::move(bus)), xml_(std::move(interfaceXml)), reply_(std::move(reply)) {}

  // Takes service on the fake's connection and exports the object at path.
  bool serve(const QString& service, const QString& path) {
    return bus_.registerService(service) && bus_.registerVirtualObject(path, this);
  }

  QString introspect(const QString&) const override { return xml_; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.type() != QDBusMessage::MethodCallMessage) return false;
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable"))
      return connection.send(message.createReply(QStringLiteral("<node>%1</node>").arg(xml_)));
    calls.push_back(message);
    const QList<QVariant> answer = reply_ ? reply_(message) : QList<QVariant>();
    QDBusMessage reply = message.createReply(answer);
    return connection.send(reply);
  }

  std::vector<QDBusMessage> calls;

 private:
  QDBusConnection bus_;
  QString xml_;
  Reply reply_;
};

// Asks the object at path of service something it answers without keeping it, over connection,
// and waits for the answer. Messages keep their order between two connections: everything sent
// on connection before reached the object first, and everything the object's connection sent
// before answering has arrived here and been handled once this returns.
inline bool roundTrip(const QDBusConnection& connection, const QString& service,
                      const QString& path) {
  QDBusPendingCall call = connection.asyncCall(QDBusMessage::createMethodCall(
      service, path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
      QStringLiteral("Introspect")));
  if (!waitUntil([&] { return call.isFinished(); })) return false;
  // What arrived with the answer is delivered on the loop's next turn.
  QCoreApplication::processEvents();
  return !call.isError();
}

}  // namespace halvane::test

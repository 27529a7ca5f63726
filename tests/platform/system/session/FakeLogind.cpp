// A stand-in for systemd-logind on whatever bus DBUS_SYSTEM_BUS_ADDRESS names: the manager's
// GetSession and PrepareForSleep, one session "c7" with its Active property. Lines on standard
// input make it signal: "sleep 1", "sleep 0", "active 0", "active 1", "invalidate" (Active
// announced without its value; Get then reads false). It prints "ready" once serving and "ok"
// after each line.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const QString kRoot = QStringLiteral("/org/freedesktop/login1");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

class Logind : public QDBusVirtualObject {
 public:
  bool active = true;
  QString introspect(const QString&) const override { return QString(); }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    if (message.member() == QLatin1String("GetSession") && !message.arguments().isEmpty() &&
        message.arguments().first().toString() == QLatin1String("c7")) {
      bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(kSessionPath))));
      return true;
    }
    if (message.member() == QLatin1String("Get") && message.arguments().size() == 2) {
      const QString property = message.arguments().at(1).toString();
      QVariant value;
      if (property == QLatin1String("Id")) value = QStringLiteral("c7");
      if (property == QLatin1String("Active")) value = active;
      if (value.isValid()) {
        bus.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        return true;
      }
    }
    bus.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("not here")));
    return true;
  }
};

void propertiesChanged(QDBusConnection& bus, const QVariantMap& changed, const QStringList& gone) {
  QDBusMessage signal =
      QDBusMessage::createSignal(kSessionPath, kProperties, QStringLiteral("PropertiesChanged"));
  signal << kSession << changed << gone;
  bus.send(signal);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::systemBus();
  Logind logind;
  if (!bus.registerVirtualObject(kRoot, &logind, QDBusConnection::SubPath) ||
      !bus.registerService(QStringLiteral("org.freedesktop.login1"))) {
    std::fprintf(stderr, "fake logind: cannot serve on the bus\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  QSocketNotifier input(0, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    std::string line;
    if (!std::getline(std::cin, line)) {
      QCoreApplication::quit();
      return;
    }
    if (line == "sleep 1" || line == "sleep 0") {
      QDBusMessage signal =
          QDBusMessage::createSignal(kRoot, QStringLiteral("org.freedesktop.login1.Manager"),
                                     QStringLiteral("PrepareForSleep"));
      signal << (line == "sleep 1");
      bus.send(signal);
    } else if (line == "active 0" || line == "active 1") {
      logind.active = line == "active 1";
      propertiesChanged(bus, {{QStringLiteral("Active"), logind.active}}, {});
    } else if (line == "invalidate") {
      logind.active = false;
      propertiesChanged(bus, {}, {QStringLiteral("Active")});
    }
    bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                            QStringLiteral("/org/freedesktop/DBus"),
                                            QStringLiteral("org.freedesktop.DBus"),
                                            QStringLiteral("GetId")));  // the signal is out
    std::printf("ok\n");
    std::fflush(stdout);
  });
  return app.exec();
}

// A desktop's tray host, as far as a status notifier item sees it: org.kde.StatusNotifierWatcher
// on the session bus, printing "registered <service>" for each item that registers. A program of
// its own, since Qt asks the watcher with blocking calls that one process cannot answer itself.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>

#include <cstdio>

class Watcher : public QObject {
  Q_OBJECT
};

class WatcherAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
  Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
  Q_PROPERTY(int ProtocolVersion READ protocolVersion)
  Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registered)

 public:
  explicit WatcherAdaptor(Watcher* watcher) : QDBusAbstractAdaptor(watcher) {}
  bool hostRegistered() const { return true; }
  int protocolVersion() const { return 0; }
  QStringList registered() const { return items_; }

 public slots:
  void RegisterStatusNotifierItem(const QString& service) {
    items_ << service;
    std::printf("registered %s\n", qPrintable(service));
    std::fflush(stdout);
  }
  void RegisterStatusNotifierHost(const QString&) {}

 private:
  QStringList items_;
};

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  Watcher watcher;
  new WatcherAdaptor(&watcher);
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                          QDBusConnection::ExportAdaptors) ||
      !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
    return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  return app.exec();
}

#include "FakeStatusNotifierWatcher.moc"

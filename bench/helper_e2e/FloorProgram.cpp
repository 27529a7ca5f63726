// The least a Qt program of the helper's kind holds at rest: the helper's application class,
// one name on the session bus, the main loop, nothing else.
#include <QApplication>
#include <QDBusConnection>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDBusConnection::sessionBus().registerService(QStringLiteral("com.halvane.keyboard.BenchFloor"));
  return app.exec();
}

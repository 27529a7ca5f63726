// A Wayland client with one window whose app_id is the first argument; the tests focus, close
// and count windows of these. Started with -platform wayland (QT_QPA_PLATFORM) by the tests.
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

namespace {

class Window : public QRasterWindow {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[1]));
  Window window;
  window.resize(200, 150);
  window.show();
  return app.exec();
}

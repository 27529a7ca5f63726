// A fullscreen Wayland client that says on standard output where each press of the left mouse
// button reached it ("press X Y", in its window's coordinates, which are the output's). The
// tests start it with its app_id as the only argument and QT_QPA_PLATFORM=wayland.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>

#include <cstdio>

namespace {

class Window : public QRasterWindow {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkBlue);
    // Each new size once: the compositor may show the window before making it fullscreen.
    if (announced_ != size()) {
      announced_ = size();
      std::printf("shown %d %d\n", width(), height());
      std::fflush(stdout);
    }
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    std::printf("press %d %d\n", qRound(event->position().x()), qRound(event->position().y()));
    std::fflush(stdout);
  }

 private:
  QSize announced_;
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[1]));
  Window window;
  window.showFullScreen();
  return app.exec();
}

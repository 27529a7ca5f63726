// A fullscreen Wayland client that says on standard output what input reached it: "press X Y"
// for each press of the left mouse button (in its window's coordinates, which are the
// output's), "key <combination>" for each key press other than a modifier ("Ctrl+Shift+J"),
// then "text <characters>" when the key typed any.
// The tests start it with its app_id as the only argument and QT_QPA_PLATFORM=wayland.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
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

  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Control:
      case Qt::Key_Shift:
      case Qt::Key_Alt:
      case Qt::Key_Meta:
        return;
      default:
        break;
    }
    const QByteArray combination = QKeySequence(event->keyCombination()).toString().toUtf8();
    std::printf("key %s\n", combination.constData());
    if (!event->text().isEmpty()) std::printf("text %s\n", event->text().toUtf8().constData());
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

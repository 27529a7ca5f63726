// The layer-shell overlay on a real compositor: headless sway (see HeadlessSway.h for how it is
// started), looked at with grim over a fullscreen test window.
#include "platform/desktop/overlay/LayerShellOverlaySurface.h"
#include "platform/desktop/overlay/OverlaySurfaceFactory.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/probe/ReadSession.h"
#include "tests/helper/overlay/OverlayTestSupport.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace halvane {
namespace {

using test::OverlayTest;

// Lets the connection's reads and writes run for a while.
void pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The overlay's letters are the only strongly green pixels on the test window's dark cyan.
int greenness(QRgb pixel) {
  return qGreen(pixel) - std::max(qRed(pixel), qBlue(pixel));
}

struct Green {
  QRect box;      // of every pixel clearly green
  int strongest;  // the largest greenness
};

Green findGreen(const QImage& image) {
  Green found{QRect(), 0};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const int g = greenness(image.pixel(x, y));
      found.strongest = std::max(found.strongest, g);
      if (g > 25) found.box |= QRect(x, y, 1, 1);
    }
  return found;
}

class LayerShellOverlay : public OverlayTest {
 protected:
  void SetUp() override {
    if (!sway.failure().isEmpty())
      GTEST_SKIP() << "no headless sway: " << sway.failure().toStdString();
    ASSERT_NE(clients.start(QStringLiteral("org.example.Fullscreen")), 0);
    ASSERT_TRUE(test::waitUntil([&] {
      return sway.message({QStringLiteral("[app_id=org.example.Fullscreen]"),
                           QStringLiteral("fullscreen"), QStringLiteral("enable")});
    }));
    QString error;
    std::shared_ptr<WaylandConnection> connection =
        WaylandConnection::connect(sway.waylandDisplay(), std::chrono::milliseconds(2000), &error);
    ASSERT_TRUE(connection) << error.toStdString();
    QString whyNot;
    auto made = LayerShellOverlaySurface::create(connection, &whyNot);
    ASSERT_TRUE(made) << whyNot.toStdString();
    surface = made.get();
    window->setSurface(std::move(made));
    window->placeOnMainScreen();
    ASSERT_TRUE(test::waitUntil([&] { return surface->isConfigured(); }));
  }
  // The output at this alpha. The fade timer is stopped before: pumping would run it.
  QImage lookAt(float alpha) {
    window->setAlphaValue(alpha);
    pump(150);
    return sway.screenshot();
  }

  test::HeadlessSway sway;
  test::WindowClients clients{sway.clientEnvironment()};
  LayerShellOverlaySurface* surface = nullptr;
};

TEST_F(LayerShellOverlay, ShowsTheNameAboveAFullscreenWindowAtItsPlaceFollowingTheFade) {
  EXPECT_EQ(window->mainScreenFrame(), QRect(0, 0, 1024, 768))
      << "the output's size, not Qt's stand-in screen";
  EXPECT_EQ(window->frame(), QRect(1024 - 400, 768 - 50 - 60, 400, 60));
  window->displayProfileName(QStringLiteral("Games"));
  tick(6);  // faded in, and the fade has stopped
  ASSERT_FALSE(window->isFading());
  std::vector<int> strengths;
  Green full{};
  for (float alpha : {0.2f, 0.6f, 1.0f}) {
    const QImage shot = lookAt(alpha);
    ASSERT_FALSE(shot.isNull()) << "grim took no screenshot";
    full = findGreen(shot);
    strengths.push_back(full.strongest);
  }
  EXPECT_FLOAT_EQ(window->alphaValue(), 1.0f);
  EXPECT_LT(strengths[0], strengths[1])
      << strengths[0] << " " << strengths[1] << " " << strengths[2];
  EXPECT_LT(strengths[1], strengths[2]);
  EXPECT_GT(strengths[2], 150) << "full strength is clearly green";
  // Right-aligned 10 px inside the frame's right edge, within the frame.
  EXPECT_TRUE(window->frame().contains(full.box))
      << full.box.x() << "," << full.box.y() << " " << full.box.width() << "x" << full.box.height();
  EXPECT_NEAR(full.box.right(), 1024 - CustomView::kRightMargin, 4);

  window->hideProfileName();
  tick(11);
  pump(150);
  const Green after = findGreen(sway.screenshot());
  EXPECT_TRUE(after.box.isEmpty()) << "still drawn after the fade-out";
}

TEST_F(LayerShellOverlay, DraggingMovesTheSurfaceButNotAboveTheOutputsTop) {
  window->displayProfileName(QStringLiteral("Office"));
  tick(6);
  const QPoint start = window->frame().topLeft() + QPoint(10, 10);
  window->mouseDown(start);
  window->mouseDragged(QPointF(start) + QPointF(-300, -2000));
  EXPECT_EQ(window->frame().topLeft(), QPoint(1024 - 400 - 300, 0));
  pump(150);
  const Green moved = findGreen(sway.screenshot());
  ASSERT_FALSE(moved.box.isEmpty());
  EXPECT_TRUE(window->frame().contains(moved.box)) << moved.box.x() << "," << moved.box.y();
  EXPECT_LT(moved.box.bottom(), 60);
}

// An output scaled by 2 (a high-DPI screen) gets buffers drawn at 2, also when its scale changes
// while the name is shown: the letters are twice as many device pixels tall, not the same
// letters scaled up by the compositor.
TEST_F(LayerShellOverlay, TheTextFollowsTheOutputsScale) {
  window->displayProfileName(QStringLiteral("Games"));
  tick(6);
  EXPECT_EQ(surface->bufferScale(), 1);
  const Green single = findGreen(lookAt(1.0f));
  ASSERT_FALSE(single.box.isEmpty());

  ASSERT_TRUE(sway.message({QStringLiteral("output"), QStringLiteral("HEADLESS-1"),
                            QStringLiteral("scale"), QStringLiteral("2")}));
  ASSERT_TRUE(test::waitUntil([&] { return surface->bufferScale() == 2; }))
      << "the buffers kept scale " << surface->bufferScale();
  // The output keeps its 1024x768 device pixels; at scale 2 they are 512x384 logical ones.
  const QImage shot = lookAt(1.0f);
  ASSERT_EQ(shot.size(), QSize(1024, 768));
  const Green twice = findGreen(shot);
  ASSERT_FALSE(twice.box.isEmpty());
  EXPECT_NEAR(double(twice.box.height()) / single.box.height(), 2.0, 0.25)
      << single.box.height() << " then " << twice.box.height();
  EXPECT_NEAR(twice.box.right(), 1024 - 2 * CustomView::kRightMargin, 6);
}

// KWin's virtual backend, as root with a session bus of the test's own:
//   kwin_wayland --virtual --no-lockscreen --width 1024 --height 768 --socket halvane-kwin
// run from a copy of the binary, since the installed one carries a file capability that
// containers may refuse to execute. KWin has no screenshot protocol for grim, so the check is
// from the client's side: the surface is configured and its frames are committed.
class HeadlessKWin {
 public:
  HeadlessKWin() {
    const QString kwin = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
    if (kwin.isEmpty()) {
      problem = QStringLiteral("kwin_wayland is not installed");
      return;
    }
    const QString copy = dir.filePath(QStringLiteral("kwin_wayland"));
    if (bus.address().isEmpty() || !QFile::copy(kwin, copy)) {
      problem = QStringLiteral("no private bus or no copy of kwin_wayland");
      return;
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = bus.environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir.filePath(QStringLiteral("kwin.log")));
    process.start(copy, {"--virtual", "--no-lockscreen", "--width", "1024", "--height", "768",
                         "--socket", "halvane-kwin"});
    socket = dir.filePath(QStringLiteral("halvane-kwin"));
    if (!process.waitForStarted(5000) ||
        !test::waitUntil(
            [&] { return QFile::exists(socket) || process.state() == QProcess::NotRunning; },
            std::chrono::milliseconds(10000)) ||
        !QFile::exists(socket))
      problem = QStringLiteral("kwin_wayland did not come up");
  }
  ~HeadlessKWin() {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(5000)) process.kill();
    process.waitForFinished(3000);
  }

  QTemporaryDir dir;
  test::PrivateBus bus;
  QProcess process;
  QString socket, problem;
};

TEST_F(OverlayTest, OnKWinTheLayerShellSurfaceIsChosenConfiguredAndDrawn) {
  HeadlessKWin kwin;
  if (!kwin.problem.isEmpty()) GTEST_SKIP() << "no headless KWin: " << kwin.problem.toStdString();
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kwin.socket);
  const SessionProbe probe = readSession(environment);
  const OverlayBackendChoice choice = chooseOverlayBackend(overlaySession(probe));
  log.log(choice.logLine());
  std::unique_ptr<OverlaySurface> chosen = createOverlaySurface(choice, probe);
  ASSERT_FALSE(log.lines.isEmpty());
  EXPECT_TRUE(log.lines.last().startsWith(QLatin1String("Overlay: layer-shell surface")))
      << log.lines.last().toStdString();
  auto* surface = dynamic_cast<LayerShellOverlaySurface*>(chosen.get());
  ASSERT_NE(surface, nullptr);
  window->setSurface(std::move(chosen));
  window->placeOnMainScreen();
  ASSERT_TRUE(test::waitUntil([&] { return surface->isConfigured(); }));
  EXPECT_EQ(window->mainScreenFrame(), QRect(0, 0, 1024, 768));
  window->displayProfileName(QStringLiteral("Games"));
  // One frame per fade step, as ticks 50 ms apart give the compositor time to release buffers.
  for (int i = 0; i < 6; ++i) {
    tick();
    pump(50);
  }
  // A further configure from the compositor may add one more.
  EXPECT_GE(surface->committedFrames(), 5);
}

}  // namespace
}  // namespace halvane

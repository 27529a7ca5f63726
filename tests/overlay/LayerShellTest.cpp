// The layer-shell overlay on a real compositor: headless sway (see HeadlessSway.h for how it is
// started), looked at with grim over a fullscreen foot terminal.
#include "platform/overlay/LayerShellOverlaySurface.h"
#include "platform/wayland/WaylandConnection.h"
#include "tests/overlay/HeadlessSway.h"
#include "tests/overlay/OverlayTestSupport.h"
#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace halvane {
namespace {

using test::OverlayTest;

// Lets the connection's reads and writes run for a while.
void pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The overlay's letters are the only strongly green pixels on the terminal's dark ground.
int greenness(QRgb pixel) { return qGreen(pixel) - std::max(qRed(pixel), qBlue(pixel)); }

struct Green {
  QRect box;       // of every pixel clearly green
  int strongest;   // the largest greenness
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
    if (!sway.problem().isEmpty()) GTEST_SKIP() << "no headless sway: " << sway.problem().toStdString();
    ASSERT_TRUE(sway.startFullscreenClient(QStringLiteral("org.example.Fullscreen")));
    QString error;
    std::shared_ptr<WaylandConnection> connection = WaylandConnection::connect(sway.display(), std::chrono::milliseconds(2000), &error);
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
  LayerShellOverlaySurface* surface = nullptr;
};

TEST_F(LayerShellOverlay, ShowsTheNameAboveAFullscreenWindowAtItsPlaceFollowingTheFade) {
  EXPECT_EQ(window->mainScreenFrame(), QRect(0, 0, 1024, 768)) << "the output's size, not Qt's stand-in screen";
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
  EXPECT_LT(strengths[0], strengths[1]) << strengths[0] << " " << strengths[1] << " " << strengths[2];
  EXPECT_LT(strengths[1], strengths[2]);
  EXPECT_GT(strengths[2], 150) << "full strength is clearly green";
  // Right-aligned 10 px inside the frame's right edge, within the frame.
  EXPECT_TRUE(window->frame().contains(full.box)) << full.box.x() << "," << full.box.y() << " "
                                                  << full.box.width() << "x" << full.box.height();
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

}  // namespace
}  // namespace halvane

// The overlay window: what kind of window it is, input transparency, placement, dragging.
#include "tests/helper/overlay/OverlayTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

namespace halvane {
namespace {

using test::OverlayTest;

TEST_F(OverlayTest, IsAFramelessTranslucentToolWindowAboveOthersThatTakesNoFocus) {
  const Qt::WindowFlags flags = window->windowFlags();
  for (Qt::WindowType flag :
       {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus})
    EXPECT_TRUE(flags.testFlag(flag)) << flag;
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_TRUE(window->testAttribute(Qt::WA_TranslucentBackground));
  EXPECT_EQ(window->size(), CustomWindow::kContentSize);
  EXPECT_EQ(window->customView()->geometry(), window->rect());
}

TEST_F(OverlayTest, AlphaIsClampedAndZeroLetsClicksThrough) {
  const struct {
    double set;
    float alpha;
    bool clickThrough;
  } cases[] = {{0.5, 0.5f, false}, {1.7, 1.0f, false}, {-0.3, 0.0f, true},
               {0.2, 0.2f, false}, {0.0, 0.0f, true},  {1.0, 1.0f, false}};
  window->show();  // the native window must follow too
  for (const auto& c : cases) {
    window->setAlphaValue(c.set);
    EXPECT_EQ(window->alphaValue(), c.alpha) << c.set;
    EXPECT_NEAR(window->windowOpacity(), c.alpha, 1.0 / 255) << c.set;  // Qt keeps 8 bits
    EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowTransparentForInput), c.clickThrough)
        << c.set;
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput),
              c.clickThrough)
        << c.set;
    EXPECT_TRUE(window->isVisible()) << "changing input transparency must not hide the window";
  }
}

TEST_F(OverlayTest, PlacedAtTheVisibleAreasRightEdgeFiftyAboveItsBottomAndShown) {
  window->placeOnMainScreen();
  const QRect visible = window->mainScreenVisibleFrame();
  ASSERT_TRUE(visible.isValid());
  EXPECT_EQ(window->frame().right(), visible.right());
  EXPECT_EQ(visible.bottom() - window->frame().bottom(), 50);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->alphaValue(), 0.0f);
}

// Drawn by itself (X11), the window casts its shadow under the name, as a layer-shell surface
// does: the light green letters keep a dark edge over a light desktop.
TEST_F(OverlayTest, WithoutASurfaceTheNameCastsTheWindowsShadow) {
  window->placeOnMainScreen();
  window->displayProfileName(QStringLiteral("HILT"));
  const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QPoint offset = OverlayWindow::kShadowOffset;
  int green = 0, shadowed = 0;
  for (int y = 0; y + offset.y() < drawn.height(); ++y)
    for (int x = 0; x + offset.x() < drawn.width(); ++x) {
      const QColor letter = drawn.pixelColor(x, y);
      if (letter.alpha() < 255 || letter.green() < 250 || letter.red() > 100) continue;
      ++green;
      const QColor below = drawn.pixelColor(x + offset.x(), y + offset.y());
      if (below.green() < 250 && below.alpha() > 0 && below.value() < 100) ++shadowed;
    }
  ASSERT_GT(green, 50);
  EXPECT_GT(shadowed, 10) << "no dark shadow beside the letters";
}

TEST_F(OverlayTest, DraggingMovesFreelyExceptAboveTheTopOfTheMainScreen) {
  const QRect screen = window->mainScreenFrame();
  const QPoint start = screen.topLeft() + QPoint(200, 300);
  const QPoint grab(30, 20);  // where in the window the button went down
  // Mouse movement from the press point, and where the window's top-left ends up.
  const struct {
    QPoint move;
    QPoint origin;
  } cases[] = {
      {{0, 0}, start},
      {{150, 40}, start + QPoint(150, 40)},
      {{-500, 0}, start + QPoint(-500, 0)},           // off the left edge: allowed
      {{0, 5000}, start + QPoint(0, 5000)},           // below the bottom: allowed
      {{10, -300}, {start.x() + 10, screen.top()}},   // exactly to the top
      {{-20, -900}, {start.x() - 20, screen.top()}},  // past the top: held there
  };
  for (const auto& c : cases) {
    window->setFrameOrigin(start);
    window->mouseDown(QPointF(start + grab));
    window->mouseDragged(QPointF(start + grab + c.move));
    EXPECT_EQ(window->frame().topLeft(), c.origin) << c.move.x() << "," << c.move.y();
  }
}

TEST_F(OverlayTest, MouseEventsDragTheWindow) {
  const QPoint start = window->mainScreenFrame().topLeft() + QPoint(100, 100);
  window->setFrameOrigin(start);
  auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButton button,
                  Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(start + local), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(window.get(), &event);
  };
  send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {60, 30}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(window->frame().topLeft(), start + QPoint(50, 20));
  // A move with no button held is no drag.
  send(QEvent::MouseButtonRelease, {60, 30}, Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window->frame().topLeft(), start + QPoint(50, 20));
}

}  // namespace
}  // namespace halvane

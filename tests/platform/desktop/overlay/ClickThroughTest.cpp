// The layer-shell overlay under a real pointer on headless sway (command line in
// tests/support/HeadlessSway.h). That sway has no input devices, so the test makes a pointer
// through sway's virtual-pointer protocol and clicks with it over a fullscreen client that
// reports the presses it receives (InputProbe): a real click, not a look at the input region.
#include "platform/desktop/overlay/LayerShellOverlaySurface.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "tests/helper/overlay/OverlayTestSupport.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/VirtualInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace halvane {
namespace {

using namespace std::chrono_literals;

void pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class OverlayUnderPointer : public test::OverlayTest {
 protected:
  void SetUp() override {
    if (!sway_.failure().isEmpty()) GTEST_SKIP() << sway_.failure().toStdString();
    probe_.setProcessEnvironment(sway_.clientEnvironment());
    probe_.start(QStringLiteral(INPUT_PROBE), {QStringLiteral("org.example.Below")});
    ASSERT_TRUE(test::waitUntil([&] { return output().contains("shown 1024 768"); }, 10000ms))
        << "the probe did not go fullscreen: " << output_.toStdString();
    pointerConnection_ = WaylandConnection::connect(sway_.waylandDisplay(), 2000ms);
    ASSERT_TRUE(pointerConnection_);
    pointer_ = test::VirtualPointer::create(pointerConnection_, QSize(1024, 768));
    ASSERT_TRUE(pointer_) << "sway refused a virtual pointer";

    // As in a sway session: the surface is told its compositor's pointer grab.
    std::shared_ptr<WaylandConnection> connection =
        WaylandConnection::connect(sway_.waylandDisplay(), 2000ms);
    ASSERT_TRUE(connection);
    QString whyNot;
    auto made = LayerShellOverlaySurface::create(connection, &whyNot, true);
    ASSERT_TRUE(made) << whyNot.toStdString();
    surface_ = made.get();
    window->setSurface(std::move(made));
    window->placeOnMainScreen();
    ASSERT_TRUE(test::waitUntil([&] { return surface_->isConfigured(); }));
    pump(100);
  }
  void TearDown() override { test::stopProcess(probe_); }

  const QByteArray& output() {
    output_ += probe_.readAllStandardOutput();
    return output_;
  }
  // Clicks at `at`; whether the client below received the press there.
  bool clickReachesTheClient(QPoint at) {
    const QByteArray press =
        QByteArray("press ") + QByteArray::number(at.x()) + ' ' + QByteArray::number(at.y());
    const qsizetype before = output().count(press);
    pointer_->moveTo(at);
    pointer_->press();
    pointer_->release();
    test::waitUntil([&] { return output().count(press) > before; }, 1000ms);
    return output().count(press) > before;
  }

  test::HeadlessSway sway_;
  QProcess probe_;
  QByteArray output_;
  std::shared_ptr<WaylandConnection> pointerConnection_;
  std::unique_ptr<test::VirtualPointer> pointer_;
  LayerShellOverlaySurface* surface_ = nullptr;
};

TEST_F(OverlayUnderPointer, ClicksPassThroughOnlyWhileHidden) {
  const QPoint middle = window->frame().center();
  EXPECT_TRUE(clickReachesTheClient(middle)) << "before any switch, alpha 0";

  window->displayProfileName(QStringLiteral("Games"));
  tick(6);
  pump(100);
  EXPECT_FALSE(clickReachesTheClient(middle)) << "the shown overlay takes the click";
  // Beside the overlay the client is reached as ever.
  EXPECT_TRUE(clickReachesTheClient(window->frame().topLeft() - QPoint(20, 20)));

  window->hideProfileName();
  tick(11);
  pump(100);
  EXPECT_FLOAT_EQ(window->alphaValue(), 0.0f);
  EXPECT_TRUE(clickReachesTheClient(middle)) << "after the fade-out";
}

// A drag with the pointer moves the overlay with it, and stops at the output's top edge.
TEST_F(OverlayUnderPointer, DraggedByThePointerNeverAboveTheTop) {
  window->displayProfileName(QStringLiteral("Office"));
  tick(6);
  pump(100);
  const QRect start = window->frame();
  const QPoint grip = start.topLeft() + QPoint(100, 30);
  pointer_->drag(grip, grip + QPoint(-200, -100), [] { pump(30); });
  EXPECT_EQ(window->frame().topLeft(), start.topLeft() + QPoint(-200, -100));
  // Past the top: the pointer stops at the output's edge, the overlay at its top.
  const QPoint grip2 = window->frame().topLeft() + QPoint(100, 30);
  pointer_->drag(grip2, QPoint(grip2.x() + 50, 0), [] { pump(30); });
  EXPECT_EQ(window->frame().topLeft(), QPoint(start.x() - 200 + 50, 0));
}

}  // namespace
}  // namespace halvane

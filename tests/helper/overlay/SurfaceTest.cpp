// Which overlay backend a session gets, and what the window tells a surface that stands in for it.
#include "platform/desktop/overlay/FakeOverlaySurface.h"
#include "platform/desktop/overlay/OverlayBackendChoice.h"
#include "tests/helper/overlay/OverlayTestSupport.h"

namespace halvane {
namespace {

using test::OverlayTest;

TEST(OverlayBackendChoice, FollowsTheSessionInOrderAndSaysWhyTheOthersWereNot) {
  const QString no = QStringLiteral("absent");
  const struct {
    OverlaySession session;
    OverlayBackend backend;
    const char* lineStart;
    QStringList mentions;
  } cases[] = {
      {{false, false, no, no, no}, OverlayBackend::QtWindow, "Overlay: off-screen window", {}},
      // On X11 the Wayland ways are not looked at, even if they would be open.
      {{false, true, {}, {}, {}},
       OverlayBackend::QtWindow,
       "Overlay: always-on-top X11 window",
       {}},
      {{true, true, {}, {}, {}}, OverlayBackend::LayerShell, "Overlay: layer-shell surface", {}},
      {{true, true, no, {}, {}},
       OverlayBackend::GnomeShell,
       "Overlay: GNOME Shell extension",
       {"no layer-shell: absent"}},
      {{true, true, no, QStringLiteral("not enabled"), {}},
       OverlayBackend::Notification,
       "Overlay: desktop notifications",
       {"no layer-shell: absent", "no GNOME Shell overlay: not enabled"}},
      {{true, true, no, no, QStringLiteral("no server")},
       OverlayBackend::QtWindow,
       "Overlay: ordinary Wayland window",
       {"no layer-shell", "no GNOME Shell overlay", "no notifications: no server"}},
  };
  for (const auto& c : cases) {
    const OverlayBackendChoice choice = chooseOverlayBackend(c.session);
    EXPECT_EQ(choice.backend, c.backend) << c.lineStart;
    EXPECT_TRUE(choice.logLine().startsWith(QLatin1String(c.lineStart)))
        << choice.logLine().toStdString();
    for (const QString& mention : c.mentions)
      EXPECT_TRUE(choice.logLine().contains(mention)) << choice.logLine().toStdString();
  }
}

TEST_F(OverlayTest, WithASurfaceTheQtWindowStaysHiddenAndTheSurfaceFollowsTheFade) {
  auto owned = std::make_unique<FakeOverlaySurface>();
  FakeOverlaySurface& surface = *owned;
  window->setSurface(std::move(owned));
  EXPECT_EQ(surface.attached, window.get());
  window->placeOnMainScreen();
  EXPECT_TRUE(surface.shown);
  EXPECT_FALSE(window->isVisible());
  ASSERT_FALSE(surface.frames.isEmpty());
  EXPECT_EQ(surface.frames.last(), window->frame());

  surface.alphas.clear();
  window->displayProfileName(QStringLiteral("Games"));
  tick(6);
  EXPECT_EQ(surface.texts, QStringList{"Games"});
  EXPECT_EQ(surface.alphas, (QList<float>{0.2f, 0.4f, 0.6f, 0.8f, 1.0f}));
  EXPECT_TRUE(window->profileNameVisible());
  window->hideProfileName();
  tick(11);
  ASSERT_EQ(surface.alphas.size(), 15);
  EXPECT_EQ(surface.alphas.last(), 0.0f);

  window->mouseDown(QPointF(window->frame().topLeft()) + QPointF(5, 5));
  window->mouseDragged(QPointF(window->frame().topLeft()) + QPointF(-95, 25));
  EXPECT_EQ(surface.frames.last(), window->frame());
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace halvane

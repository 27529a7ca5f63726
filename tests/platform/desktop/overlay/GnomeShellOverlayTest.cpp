// The extension's overlay actor against a real headless GNOME Shell (command lines in
// HeadlessGnomeShell.h), driven as the helper drives it: GnomeShellOverlaySurface's SetOverlay
// calls. What the actor shows and where is read back through the extension's test-only
// com.halvane.keyboard.OverlayTest object (HALVANE_SHELL_TEST=1).
#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"
#include "tests/support/HeadlessGnomeShell.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QRect>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;

struct OverlayState {
  QString text;
  double opacity = -1;
  bool reactive = false;
  bool mapped = false;  // on the Shell's stage, drawn
  bool hit = false;     // what a click at its centre reaches
  QString reached;      // that actor, or the one grabbing the pointer
  QRect geometry, workArea;
};

QRect rectOf(const QVariant& value) {
  const QDBusArgument arg = value.value<QDBusArgument>();
  int x = 0, y = 0, w = 0, h = 0;
  arg.beginStructure();
  arg >> x >> y >> w >> h;
  arg.endStructure();
  return {x, y, w, h};
}

class GnomeShellOverlay : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!shell_.failure().isEmpty()) GTEST_SKIP() << shell_.failure().toStdString();
    ASSERT_TRUE(waitUntil([&] {
      return bus_.connection().interface()->isServiceRegistered(
          QString::fromLatin1(GnomeShellOverlaySurface::kService));
    })) << "the extension did not take its overlay name";
    EXPECT_TRUE(GnomeShellOverlaySurface::unavailableReason(bus_.connection()).isEmpty());
  }

  QDBusMessage callTest(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/com/halvane/keyboard/OverlayTest"),
        QStringLiteral("com.halvane.keyboard.OverlayTest"), method);
    call.setArguments(arguments);
    return bus_.connection().call(call, QDBus::Block, 5000);
  }

  // The Shell handles one connection's calls in order, so this answer comes after every
  // SetOverlay sent before it.
  OverlayState state() {
    const QDBusMessage reply = callTest(QStringLiteral("State"));
    OverlayState s;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 8) {
      ADD_FAILURE() << reply.errorMessage().toStdString();
      return s;
    }
    const QVariantList args = reply.arguments();
    s.text = args[0].toString();
    s.opacity = args[1].toDouble();
    s.reactive = args[2].toBool();
    s.mapped = args[3].toBool();
    s.hit = args[4].toBool();
    s.geometry = rectOf(args[5]);
    s.workArea = rectOf(args[6]);
    s.reached = args[7].toString();
    return s;
  }

  test::PrivateBus bus_;
  test::HeadlessGnomeShell shell_{bus_, QStringLiteral(HALVANE_GNOME_EXTENSION), {}};
};

TEST_F(GnomeShellOverlay, ShowsTheNameAtTheHelpersAlphaInTheWorkAreasCorner) {
  GnomeShellOverlaySurface surface(bus_.connection());
  surface.setText(QStringLiteral("Photoshop"));
  // A fade as the helper runs it: in by 0.2, out by 0.1.
  for (double alpha : {0.2, 0.6, 1.0, 0.7, 0.3, 0.0}) {
    surface.setAlpha(float(alpha));
    const OverlayState s = state();
    EXPECT_EQ(s.text, "Photoshop");
    EXPECT_NEAR(s.opacity, alpha, 1.0 / 255) << alpha;
    // Only a visible overlay takes the pointer; a hidden one lets clicks through.
    EXPECT_EQ(s.reactive, alpha > 0) << alpha;
    if (alpha == 0) {
      EXPECT_FALSE(s.mapped);
      EXPECT_FALSE(s.hit);
    }
  }
  // Shown, a click at its place reaches it (once the Shell's start-up animation is over, and out
  // of the overview).
  surface.setAlpha(0.5f);
  EXPECT_TRUE(waitUntil(
      [&] {
        shell_.hideOverview();
        return state().hit;
      },
      10000ms))
      << "a click reaches " << state().reached.toStdString();

  const OverlayState s = state();
  ASSERT_FALSE(s.workArea.isEmpty());
  EXPECT_TRUE(s.workArea.contains(s.geometry)) << s.geometry.x() << "," << s.geometry.y();
  EXPECT_EQ(s.geometry.size(), QSize(400, 60));
  EXPECT_EQ(s.geometry.x() + s.geometry.width(), s.workArea.x() + s.workArea.width());
  EXPECT_EQ(s.geometry.y() + s.geometry.height(), s.workArea.y() + s.workArea.height() - 50);

  surface.setText(QStringLiteral("Mail"));
  EXPECT_EQ(state().text, "Mail");
  surface.setAlpha(0.0f);
  EXPECT_FALSE(state().hit) << "hidden again, clicks pass through, not to "
                            << state().reached.toStdString();
}

}  // namespace
}  // namespace halvane

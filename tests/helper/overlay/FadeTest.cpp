// Fading: alpha steps per tick, where each fade stops, and what goes to the trace.
#include "helper/overlay/CustomView.h"
#include "tests/helper/overlay/OverlayTestSupport.h"

#include <QTest>
#include <QTimer>

namespace halvane {
namespace {

using test::OverlayTest;

QStringList alphaLines(std::initializer_list<const char*> values) {
  QStringList lines;
  for (const char* v : values)
    lines.append(QStringLiteral("{\"op\":\"alpha\",\"value\":%1}").arg(v));
  return lines;
}

TEST_F(OverlayTest, StartsTransparentIdleAndWithoutName) {
  EXPECT_EQ(window->alphaValue(), 0.0f);
  EXPECT_FALSE(window->isFading());
  EXPECT_FALSE(window->fadeTimer().isActive());
  EXPECT_FALSE(window->profileNameVisible());
  ASSERT_NE(window->customView(), nullptr);
  EXPECT_TRUE(window->customView()->profileName().isNull());
}

TEST_F(OverlayTest, DisplayFadesInByFifthsAndStopsOnTheSixthTick) {
  window->displayProfileName(QStringLiteral("Profile 4"));
  EXPECT_EQ(window->customView()->profileName(), "Profile 4");
  EXPECT_TRUE(window->isFading());
  EXPECT_TRUE(window->fadeTimer().isActive());
  EXPECT_EQ(window->fadeTimer().interval(), 50);
  EXPECT_EQ(newTraceLines(), QStringList{"{\"op\":\"overlayName\",\"name\":\"Profile 4\"}"});

  const float expected[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
  for (float alpha : expected) {
    EXPECT_FALSE(window->profileNameVisible()) << "before reaching " << alpha;
    tick();
    EXPECT_EQ(window->alphaValue(), alpha);
    EXPECT_TRUE(window->isFading());
  }
  EXPECT_TRUE(window->profileNameVisible());
  tick();
  EXPECT_EQ(window->alphaValue(), 1.0f);
  EXPECT_FALSE(window->isFading());
  EXPECT_FALSE(window->fadeTimer().isActive());
  EXPECT_EQ(newTraceLines(), alphaLines({"0.2", "0.4", "0.6", "0.8", "1"}));

  tick();  // no timer, no step
  EXPECT_TRUE(newTraceLines().isEmpty());
}

TEST_F(OverlayTest, HideFadesOutByTenthsInTenTicksAndStopsOnTheEleventh) {
  window->setAlphaValue(1.0);
  window->hideProfileName();
  EXPECT_EQ(newTraceLines(), QStringList{"{\"op\":\"overlayHide\"}"});
  for (int step = 1; step <= 10; ++step) {
    tick();
    EXPECT_NEAR(window->alphaValue(), 1.0 - 0.1 * step, 1e-6) << "tick " << step;
    EXPECT_TRUE(window->isFading());
  }
  // The last step lands a hair below zero in double precision and is clamped to exactly 0.
  EXPECT_EQ(window->alphaValue(), 0.0f);
  tick();
  EXPECT_FALSE(window->isFading());
  EXPECT_FALSE(window->fadeTimer().isActive());
  // Every value is the 32-bit float of a step taken in double precision.
  EXPECT_EQ(newTraceLines(),
            alphaLines({"0.9", "0.79999995", "0.6999999", "0.5999999", "0.4999999", "0.39999992",
                        "0.29999992", "0.19999993", "0.09999993", "0"}));
}

TEST_F(OverlayTest, DisplayDuringFadeOutContinuesUpwardFromTheCurrentAlpha) {
  window->setAlphaValue(1.0);
  window->hideProfileName();
  tick(3);
  newTraceLines();
  window->displayProfileName(QStringLiteral("Games"));
  EXPECT_EQ(window->customView()->profileName(), "Games");
  tick(2);
  EXPECT_EQ(window->alphaValue(), 1.0f);
  EXPECT_TRUE(window->isFading());
  tick();
  EXPECT_FALSE(window->isFading());
  EXPECT_EQ(newTraceLines(), QStringList{"{\"op\":\"overlayName\",\"name\":\"Games\"}"} +
                                 alphaLines({"0.8999999", "1"}));
}

// A name imported from a file can be of any length: the view keeps the right end that it shows.
TEST_F(OverlayTest, AVeryLongNameKeepsOnlyTheEndThatIsInView) {
  const QString name = QString(100000, u'x') + QStringLiteral("<b>end");
  window->displayProfileName(name);
  const QString shown = window->customView()->profileName();
  EXPECT_EQ(shown.size(), CustomView::kMaxShownCharacters);
  EXPECT_TRUE(shown.endsWith(QStringLiteral("x<b>end")));
}

TEST_F(OverlayTest, HideDuringFadeInTurnsDownFromTheCurrentAlphaAndKeepsTheName) {
  window->displayProfileName(QStringLiteral("Work"));
  tick(2);
  window->hideProfileName();
  tick();
  EXPECT_NEAR(window->alphaValue(), 0.3, 1e-6);
  EXPECT_EQ(window->customView()->profileName(), "Work");
  EXPECT_EQ(window->findChildren<QTimer*>().size(), 1) << "one fade timer at a time";
}

TEST_F(OverlayTest, HideWhileTransparentStopsOnTheFirstTick) {
  window->hideProfileName();
  EXPECT_TRUE(window->isFading());
  tick();
  EXPECT_FALSE(window->isFading());
  EXPECT_EQ(window->alphaValue(), 0.0f);
  EXPECT_EQ(newTraceLines(), QStringList{"{\"op\":\"overlayHide\"}"});
}

TEST_F(OverlayTest, DisplayWhileFullyVisibleShowsTheNameAtOnceAndStopsOnTheFirstTick) {
  window->displayProfileName(QStringLiteral("One"));
  tick(6);
  window->displayProfileName(QStringLiteral("Two"));
  EXPECT_EQ(window->customView()->profileName(), "Two");
  tick();
  EXPECT_FALSE(window->isFading());
  EXPECT_EQ(window->alphaValue(), 1.0f);
}

TEST_F(OverlayTest, DisplayWithNoNameClearsTheViewAndFadesOut) {
  window->displayProfileName(QStringLiteral("One"));
  tick(6);
  newTraceLines();
  window->displayProfileName(QString());
  EXPECT_TRUE(window->customView()->profileName().isNull());
  tick();
  EXPECT_NEAR(window->alphaValue(), 0.9, 1e-6);
  EXPECT_EQ(newTraceLines(), QStringList({"{\"op\":\"overlayName\",\"name\":\"\"}",
                                          "{\"op\":\"alpha\",\"value\":0.9}"}));
}

TEST_F(OverlayTest, AnEmptyNameIsStillANameAndFadesIn) {
  window->displayProfileName(QStringLiteral(""));
  tick();
  EXPECT_EQ(window->alphaValue(), 0.2f);
}

TEST_F(OverlayTest, ProfileNameVisibleOnlyAtFullStrength) {
  const struct {
    double alpha;
    bool visible;
  } cases[] = {{0.0, false}, {0.5, false}, {0.99999, false}, {1.0, true}, {1.5, true}};
  for (const auto& c : cases) {
    window->setAlphaValue(c.alpha);
    EXPECT_EQ(window->profileNameVisible(), c.visible) << c.alpha;
  }
}

TEST_F(OverlayTest, MissingViewIsLoggedOnEveryDisplayAndTheFadeStillRuns) {
  window->setCustomView(nullptr);
  window->displayProfileName(QStringLiteral("A"));
  window->displayProfileName(QStringLiteral("B"));
  EXPECT_EQ(log.lines, QStringList({"!mCustomView", "!mCustomView"}));
  tick();
  EXPECT_EQ(window->alphaValue(), 0.2f);
}

TEST_F(OverlayTest, TheTimerDrivesTheFade) {
  window->displayProfileName(QStringLiteral("Live"));
  // Five real ticks of 50 ms bring the window to full strength and the sixth stops the timer.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFading(); }, 5000));
  EXPECT_EQ(window->alphaValue(), 1.0f);
  EXPECT_EQ(newTraceLines().size(), 6);
}

}  // namespace
}  // namespace halvane

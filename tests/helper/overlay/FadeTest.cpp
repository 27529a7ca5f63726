// Fading: alpha steps per tick, where each fade stops, and what goes to the trace.
#include "helper/overlay/CustomView.h"
#include "platform/system/sleeper/QtClock.h"
#include "tests/helper/overlay/OverlayTestSupport.h"

#include <QTest>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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

// A name imported from a file can be of any length: the view keeps the right end that it shows.
TEST_F(OverlayTest, AVeryLongNameKeepsOnlyTheEndThatIsInView) {
  const QString name = QString(100000, u'x') + QStringLiteral("<b>end");
  window->displayProfileName(name);
  const QString shown = window->customView()->profileName();
  EXPECT_EQ(shown.size(), CustomView::kMaxShownCharacters);
  EXPECT_TRUE(shown.endsWith(QStringLiteral("x<b>end")));
}

// One fade as a row gives it: what leads up to it (its trace is not checked), what starts it,
// the name the view then shows (null: none), the alpha after each tick while it fades, the alpha
// the next tick stops it at, and the trace from its start on.
struct Fade {
  const char* name;
  std::function<void(CustomWindow&)> before;
  std::function<void(CustomWindow&)> start;
  QString shown;
  std::vector<float> alphas;
  double tolerance;  // 0: each alpha exactly
  std::optional<float> stopsAt;
  std::optional<QStringList> trace;
};

void show(CustomWindow& w, const QString& name) {
  w.displayProfileName(name);
}
void ticks(CustomWindow& w, int n) {
  for (int i = 0; i < n; ++i) w.fadeMethod();
}

const Fade kFades[] = {
    {"DisplayFadesInByFifthsAndStopsOnTheSixthTick",
     [](CustomWindow&) {},
     [](CustomWindow& w) { show(w, QStringLiteral("Profile 4")); },
     QStringLiteral("Profile 4"),
     {0.2f, 0.4f, 0.6f, 0.8f, 1.0f},
     0,
     1.0f,
     QStringList{"{\"op\":\"overlayName\",\"name\":\"Profile 4\"}"} +
         alphaLines({"0.2", "0.4", "0.6", "0.8", "1"})},
    // The last step lands a hair below zero in double precision and is clamped to exactly 0;
    // every value is the 32-bit float of a step taken in double precision.
    {"HideFadesOutByTenthsInTenTicksAndStopsOnTheEleventh",
     [](CustomWindow& w) { w.setAlphaValue(1.0); },
     [](CustomWindow& w) { w.hideProfileName(); },
     QString(),
     {0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f, 0.0f},
     1e-6,
     0.0f,
     QStringList{"{\"op\":\"overlayHide\"}"} +
         alphaLines({"0.9", "0.79999995", "0.6999999", "0.5999999", "0.4999999", "0.39999992",
                     "0.29999992", "0.19999993", "0.09999993", "0"})},
    {"DisplayDuringFadeOutContinuesUpwardFromTheCurrentAlpha",
     [](CustomWindow& w) {
       w.setAlphaValue(1.0);
       w.hideProfileName();
       ticks(w, 3);
     },
     [](CustomWindow& w) { show(w, QStringLiteral("Games")); },
     QStringLiteral("Games"),
     {0.8999999f, 1.0f},
     0,
     1.0f,
     QStringList{"{\"op\":\"overlayName\",\"name\":\"Games\"}"} + alphaLines({"0.8999999", "1"})},
    {"HideDuringFadeInTurnsDownFromTheCurrentAlphaAndKeepsTheName",
     [](CustomWindow& w) {
       show(w, QStringLiteral("Work"));
       ticks(w, 2);
     },
     [](CustomWindow& w) { w.hideProfileName(); },
     QStringLiteral("Work"),
     {0.3f},
     1e-6,
     std::nullopt,
     std::nullopt},
    {"HideWhileTransparentStopsOnTheFirstTick",
     [](CustomWindow&) {},
     [](CustomWindow& w) { w.hideProfileName(); },
     QString(),
     {},
     0,
     0.0f,
     QStringList{"{\"op\":\"overlayHide\"}"}},
    {"DisplayWhileFullyVisibleShowsTheNameAtOnceAndStopsOnTheFirstTick",
     [](CustomWindow& w) {
       show(w, QStringLiteral("One"));
       ticks(w, 6);
     },
     [](CustomWindow& w) { show(w, QStringLiteral("Two")); },
     QStringLiteral("Two"),
     {},
     0,
     1.0f,
     std::nullopt},
    {"DisplayWithNoNameClearsTheViewAndFadesOut",
     [](CustomWindow& w) {
       show(w, QStringLiteral("One"));
       ticks(w, 6);
     },
     [](CustomWindow& w) { show(w, QString()); },
     QString(),
     {0.9f},
     1e-6,
     std::nullopt,
     QStringList({"{\"op\":\"overlayName\",\"name\":\"\"}", "{\"op\":\"alpha\",\"value\":0.9}"})},
    {"AnEmptyNameIsStillANameAndFadesIn",
     [](CustomWindow&) {},
     [](CustomWindow& w) { show(w, QStringLiteral("")); },
     QStringLiteral(""),
     {0.2f},
     0,
     std::nullopt,
     std::nullopt},
};

// Cases are named by the fade they run.
void PrintTo(const Fade& fade, std::ostream* os) {
  *os << fade.name;
}

class FadeSteps : public OverlayTest, public ::testing::WithParamInterface<Fade> {};

TEST_P(FadeSteps, AlphaPerTickWhereItStopsAndTheTrace) {
  const Fade& fade = GetParam();
  fade.before(*window);
  newTraceLines();
  fade.start(*window);
  EXPECT_EQ(window->customView()->profileName(), fade.shown);
  if (fade.shown.isNull()) {
    EXPECT_TRUE(window->customView()->profileName().isNull());
  }
  EXPECT_TRUE(window->isFading());
  EXPECT_TRUE(window->fadeTimer().isActive());
  EXPECT_EQ(window->fadeTimer().interval(), 50);
  EXPECT_EQ(clock.activeTickers(), 1) << "one fade timer at a time";

  int n = 0;
  for (float alpha : fade.alphas) {
    ++n;
    EXPECT_EQ(window->profileNameVisible(), window->alphaValue() >= 1.0f) << "before tick " << n;
    tick();
    // Full strength and nothing are exact: the fade clamps to them.
    if (fade.tolerance == 0 || alpha == 0.0f || alpha == 1.0f) {
      EXPECT_EQ(window->alphaValue(), alpha) << "tick " << n;
    } else {
      EXPECT_NEAR(window->alphaValue(), alpha, fade.tolerance) << "tick " << n;
    }
    EXPECT_TRUE(window->isFading()) << "tick " << n;
  }
  EXPECT_EQ(window->customView()->profileName(), fade.shown) << "the fade keeps the name";
  if (fade.stopsAt) {
    EXPECT_EQ(window->profileNameVisible(), *fade.stopsAt >= 1.0f);
    tick();
    EXPECT_EQ(window->alphaValue(), *fade.stopsAt);
    EXPECT_FALSE(window->isFading());
    EXPECT_FALSE(window->fadeTimer().isActive());
  }
  const QStringList traced = newTraceLines();
  if (fade.trace) {
    EXPECT_EQ(traced, *fade.trace);
  }
  if (fade.stopsAt) {
    tick();  // no timer, no step
    EXPECT_TRUE(newTraceLines().isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(OverlayTest, FadeSteps, ::testing::ValuesIn(kFades),
                         [](const ::testing::TestParamInfo<Fade>& info) {
                           return std::string(info.param.name);
                         });

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
  window = std::make_unique<CustomWindow>(log, trace, QtClock::instance());
  window->displayProfileName(QStringLiteral("Live"));
  // Five real ticks of 50 ms bring the window to full strength and the sixth stops the timer.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFading(); }, 5000));
  EXPECT_EQ(window->alphaValue(), 1.0f);
  EXPECT_EQ(newTraceLines().size(), 6);
}

}  // namespace
}  // namespace halvane

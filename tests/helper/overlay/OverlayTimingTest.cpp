// The overlay's timing as a person sees it, with the controller's idle check and the window's
// fade on one fake clock: a quarter second fading in, at most a tenth of a second at full
// strength, half a second fading out; and no timer at all while nothing is shown.
#include "helper/overlay/CustomWindow.h"
#include "tests/helper/controller/ControllerRig.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace halvane {
namespace {

using test::ControllerRig;

// One scene: the settings at start-up, what happens when (ms after start-up), and the timeline
// the clock then sees.
struct Scene {
  const char* name;
  bool showChanges;
  bool unnamedProfile;  // the start-up profile has no Name
  std::vector<std::pair<int, std::function<void(Controller&)>>> actions;
  QStringList timeline;
};

const Scene kScenes[] = {
    {"TheStartUpProfileFadesInShowsAtMostATenthAndFadesOut",
     true,
     false,
     {},
     {"0 idle on", "0 show Racing", "250 full", "300 hide", "800 gone", "850 idle off"}},
    {"TheDiagnosticNameFadesOutLikeAnyOther",
     false,
     false,
     {{1000, [](Controller& c) { c.debugAction(2); }}},
     {"1000 idle on", "1000 show Test", "1250 full", "1300 hide", "1800 gone", "1850 idle off"}},
    // The fade-in goes on from a hair under 0.6, so it takes three steps; the idle check keeps
    // its pace and fades the name out on its next tick.
    {"ASwitchDuringTheFadeOutFadesInFromThereAndOutAgain",
     true,
     false,
     {{500, [](Controller& c) { c.switchToProfile(2, true); }}},
     {"0 idle on", "0 show Racing", "250 full", "300 hide", "500 show Profile 3", "650 full",
      "700 hide", "1200 gone", "1250 idle off"}},
    // A missing name is a null one: the window fades out instead, and is hidden on the first tick.
    {"AProfileWithoutANameNeverShowsAndStopsTheCheck",
     true,
     true,
     {},
     {"0 idle on", "0 show ", "50 idle off"}},
    // From 0.4 the float steps leave a hair above zero after four, so the fifth clears it.
    {"HiddenDuringTheFadeInStopsTheCheckOnceGone",
     true,
     false,
     {{100, [](Controller& c) { c.debugAction(1); }}},
     {"0 idle on", "0 show Racing", "100 hide", "350 gone", "400 idle off"}},
    {"NothingShownNothingTicks", false, false, {}, {}},
};

void PrintTo(const Scene& scene, std::ostream* os) {
  *os << scene.name;
}

class OverlayTiming : public ::testing::TestWithParam<Scene> {};

TEST_P(OverlayTiming, TimelineOnTheFakeClock) {
  const Scene& scene = GetParam();
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  tree.set(QStringLiteral("ShowChangesOnScreen"), scene.showChanges);
  tree.set(QStringLiteral("CurrentProfile"), 4);
  PlistValue start = ControllerRig::profile(tree, 4);
  if (scene.unnamedProfile)
    start.remove(QStringLiteral("Name"));
  else
    start.set(QStringLiteral("Name"), QStringLiteral("Racing"));
  rig.writeSettingsFile(tree);
  CustomWindow window(rig.log, rig.trace, rig.clock);
  rig.controller->setItsWindow(&window);

  QStringList timeline;
  bool idle = false, full = false, shown = false;
  // What changed since the last look, as lines of the timeline.
  const auto look = [&] {
    const QString now = QString::number(rig.clock.now()) + u' ';
    const bool idleNow = rig.controller->idleCheckRunning();
    if (idleNow != idle) timeline << now + QLatin1String(idleNow ? "idle on" : "idle off");
    for (const QString& line : rig.take({QStringLiteral("overlay")}))
      timeline << now + (line == u"overlay hide" ? QStringLiteral("hide")
                                                 : QStringLiteral("show ") + line.mid(8));
    if (window.alphaValue() >= 1.0f && !full) timeline << now + QStringLiteral("full");
    if (window.alphaValue() <= 0.0f && shown) timeline << now + QStringLiteral("gone");
    idle = idleNow;
    full = window.alphaValue() >= 1.0f;
    shown = window.alphaValue() > 0.0f;
    // Hidden: transparent with no fade left to run. The idle check has nothing to do then.
    if (window.alphaValue() <= 0.0f && !window.isFading()) {
      EXPECT_FALSE(idleNow) << "the idle check runs while the overlay is hidden, at "
                            << now.toStdString();
    }
  };

  rig.controller->applicationDidFinishLaunching();
  look();
  for (const auto& [at, action] : scene.actions) {
    while (rig.clock.advanceToNextTick(at - rig.clock.now())) look();
    rig.clock.advance(at - rig.clock.now());
    action(*rig.controller);
    look();
  }
  while (rig.clock.advanceToNextTick(5000)) look();

  EXPECT_EQ(timeline.join(u'|').toStdString(), scene.timeline.join(u'|').toStdString());
  // At rest nothing ticks: neither the fade nor the idle check, however long the clock runs.
  EXPECT_EQ(rig.clock.activeTickers(), 0);
  EXPECT_FALSE(rig.clock.advanceToNextTick(3600 * 1000));
  rig.controller->setItsWindow(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Controller, OverlayTiming, ::testing::ValuesIn(kScenes),
                         [](const ::testing::TestParamInfo<Scene>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace halvane

// What counts as an application switch: a change of application, not of window, and no
// switch for the moment without a window that window managers pass through.
#include "platform/desktop/frontapp/ResolvingFrontApplicationWatcher.h"

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/frontapp/FakeActiveWindowSource.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/FixtureTree.h"

#include <QTest>

#include <gtest/gtest.h>

// Windows are written with designated initializers naming only what each one tells.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace halvane::test {
namespace {

constexpr int kSettleMs = 40;

struct Step {
  std::optional<WindowFacts> window;  // nothing: no active window
  bool settles;       // waits on the loop until no moment without a window is pending
  int switches;       // switches reported so far
  const char* front;  // desktop ID in front afterwards, "" for none
};

const WindowFacts editor1{.wmClass = "Gedit", .pid = 1};
const WindowFacts editor2{.wmClass = "gedit", .wmInstance = "gedit"};
const WindowFacts terminal{.appId = "org.gnome.Terminal"};
const WindowFacts nothing{};

const struct {
  const char* name;
  std::vector<Step> steps;
} kCases[] = {
    {"another window of the same application is no switch",
     {{editor1, false, 1, "gedit.desktop"},
      {editor2, false, 1, "gedit.desktop"},
      {editor1, false, 1, "gedit.desktop"}}},
    {"None followed at once by a window is nothing",
     {{editor1, false, 1, "gedit.desktop"},
      {std::nullopt, false, 1, "gedit.desktop"},
      {editor2, true, 1, "gedit.desktop"}}},
    {"None followed at once by another application is one switch",
     {{editor1, false, 1, "gedit.desktop"},
      {std::nullopt, false, 1, "gedit.desktop"},
      {terminal, true, 2, "org.gnome.Terminal.desktop"}}},
    {"None that lasts is a switch once it has settled",
     {{editor1, false, 1, "gedit.desktop"},
      {std::nullopt, false, 1, "gedit.desktop"},
      {std::nullopt, true, 2, ""},
      {editor1, false, 3, "gedit.desktop"}}},
    {"a window of no application is a switch at once, and None after it is none too",
     {{terminal, false, 1, "org.gnome.Terminal.desktop"},
      {nothing, false, 2, ""},
      {std::nullopt, true, 2, ""}}},
    {"the application in front at start is no switch", {{std::nullopt, true, 0, ""}}},
};

TEST(ResolvingWatcher, ReportsOneSwitchPerApplicationSwitch) {
  FixtureTree tree;
  tree.entry(tree.systemApps(), "gedit.desktop", "Name=Text Editor\nExec=gedit");
  tree.entry(tree.systemApps(), "org.gnome.Terminal.desktop", "Name=Terminal\nExec=gnome-terminal");
  const DesktopEntryIndex index(tree.roots());
  const ApplicationResolver resolver(index, tree.procRoot());

  for (const auto& c : kCases) {
    auto source = std::make_unique<FakeActiveWindowSource>();
    FakeActiveWindowSource& fake = *source;
    FakeSystemLog log;
    ResolvingFrontApplicationWatcher watcher(std::move(source), resolver, &log, kSettleMs);
    int switches = 0, observed = 0;
    watcher.setFrontSwitchedHandler([&] { ++switches; });
    watcher.setFrontSwitchObserver([&] {
      ++observed;
      EXPECT_EQ(observed, switches) << "the observer runs after the handler";
    });
    int n = 0;
    for (const Step& step : c.steps) {
      ++n;
      fake.activate(step.window);
      // The settle timer fired or was stopped: no switch is still to come from this step.
      if (step.settles) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.settling(); }, 5000));
      }
      EXPECT_EQ(switches, step.switches) << c.name << ", step " << n;
      EXPECT_EQ(watcher.frontApplication().application.desktopId, QString::fromUtf8(step.front))
          << c.name << ", step " << n;
    }
    EXPECT_EQ(observed, switches) << c.name;
    // One debug line per switch.
    EXPECT_EQ(log.lines.size(), switches) << c.name;
  }
}

TEST(ResolvingWatcher, TheFrontAtStartIsKnownAndTellsItsWindowAndBackend) {
  FixtureTree tree;
  tree.entry(tree.systemApps(), "gedit.desktop", "Name=Text Editor\nExec=gedit");
  const DesktopEntryIndex index(tree.roots());
  const ApplicationResolver resolver(index, tree.procRoot());
  auto source = std::make_unique<FakeActiveWindowSource>();
  source->active = editor1;
  FakeActiveWindowSource& fake = *source;
  ResolvingFrontApplicationWatcher watcher(std::move(source), resolver, nullptr, kSettleMs);
  int switches = 0;
  watcher.setFrontSwitchedHandler([&] { ++switches; });
  EXPECT_EQ(watcher.frontApplication().backend, QStringLiteral("fake"));
  EXPECT_EQ(watcher.frontApplication().window, editor1);
  EXPECT_EQ(watcher.frontApplication().names(),
            QStringList{tree.systemApps() + QStringLiteral("/gedit.desktop")});
  fake.activate(editor2);
  EXPECT_EQ(switches, 0);
  // The window is the latest one even when the application stays.
  EXPECT_EQ(watcher.frontApplication().window, editor2);
}

}  // namespace
}  // namespace halvane::test

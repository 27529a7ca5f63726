// The test plays the window manager: it sets _NET_ACTIVE_WINDOW on the root window to windows
// with (or without) the properties that tell about their application, and reads what the
// source reports.
#include "platform/desktop/frontapp/XcbActiveWindowSource.h"
#include "tests/support/XClient.h"

#include <QTest>

#include <xcb/xcb.h>

#include <unistd.h>

#include <gtest/gtest.h>

// Windows are written with designated initializers naming only what each one tells.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace halvane::test {
namespace {

class XcbSource : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "no X display: run through scripts/with-session";
    wm = XClient::connect();
    ASSERT_TRUE(wm) << "cannot connect to X display " << qgetenv("DISPLAY").toStdString();
    activate(XCB_WINDOW_NONE);
    QString why;
    source = XcbActiveWindowSource::connect(&why);
    ASSERT_TRUE(source) << why.toStdString();
    source->setActiveWindowHandler(
        [this](const std::optional<WindowFacts>& w) { reports.push_back(w); });
  }

  void activate(std::uint32_t window) {
    wm->setCardinal(wm->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, window);
    wm->sync();
  }
  // Activates the window and waits for the source's report of it.
  std::optional<WindowFacts> activateAndWait(std::uint32_t window) {
    const size_t before = reports.size();
    activate(window);
    if (!QTest::qWaitFor([&] { return reports.size() > before; }, 3000)) {
      ADD_FAILURE() << "no report";
      return std::nullopt;
    }
    return reports.back();
  }

  std::unique_ptr<XClient> wm;
  std::unique_ptr<XcbActiveWindowSource> source;
  std::vector<std::optional<WindowFacts>> reports;
};

TEST_F(XcbSource, ReportsEachActiveWindowWithWhatItTellsAboutItsApplication) {
  char host[256] = {};
  ASSERT_EQ(gethostname(host, sizeof(host) - 1), 0);
  const std::uint32_t self = std::uint32_t(getpid());

  struct Case {
    const char* name;
    std::optional<std::uint32_t> pid;
    QByteArray machine, wmClass, gtkId, kdeFile;
    WindowFacts expected;
  };
  const Case cases[] = {
      {"a bare window", std::nullopt, {}, {}, {}, {}, {}},
      {"class and instance",
       self,
       {},
       QByteArray("gedit\0Gedit\0", 12),
       {},
       {},
       {.wmClass = "Gedit", .wmInstance = "gedit", .pid = self}},
      {"a GTK application",
       self,
       {},
       {},
       "org.gnome.Nautilus",
       {},
       {.gtkApplicationId = "org.gnome.Nautilus", .pid = self}},
      {"a KDE desktop file",
       std::nullopt,
       {},
       {},
       {},
       "org.kde.dolphin",
       {.desktopFile = "org.kde.dolphin"}},
      {"this machine with a domain",
       self,
       QByteArray(host) + ".some.domain",
       {},
       {},
       {},
       {.pid = self}},
      {"a process id from another machine names no local process",
       self,
       "elsewhere.invalid",
       QByteArray("xterm\0XTerm\0", 12),
       {},
       {},
       {.wmClass = "XTerm", .wmInstance = "xterm"}},
  };
  for (const Case& c : cases) {
    const std::uint32_t window = wm->createWindow();
    if (c.pid) wm->setCardinal(window, "_NET_WM_PID", XCB_ATOM_CARDINAL, *c.pid);
    if (!c.machine.isEmpty()) wm->setString(window, "WM_CLIENT_MACHINE", c.machine);
    if (!c.wmClass.isEmpty()) wm->setString(window, "WM_CLASS", c.wmClass);
    if (!c.gtkId.isEmpty()) wm->setString(window, "_GTK_APPLICATION_ID", c.gtkId);
    if (!c.kdeFile.isEmpty()) wm->setString(window, "_KDE_NET_WM_DESKTOP_FILE", c.kdeFile);
    EXPECT_EQ(activateAndWait(window), std::optional<WindowFacts>(c.expected)) << c.name;
    EXPECT_EQ(source->activeWindow(), std::optional<WindowFacts>(c.expected)) << c.name;
  }
  // No window at all, and the same window again: both are reported, deciding is not the source's.
  EXPECT_EQ(activateAndWait(XCB_WINDOW_NONE), std::nullopt);
  EXPECT_EQ(source->activeWindow(), std::nullopt);
  const std::uint32_t window = wm->createWindow();
  activateAndWait(window);
  const size_t before = reports.size();
  activateAndWait(window);
  EXPECT_EQ(reports.size(), before + 1);
}

}  // namespace
}  // namespace halvane::test

// Windows resolved to applications over a fixture tree: installed entries in XDG folders, a
// PATH, and a /proc whose processes are what scripts, sandboxes, Wine and Steam look like.
#include "platform/desktop/appidentity/ApplicationResolver.h"
#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "tests/support/FixtureTree.h"

#include <gtest/gtest.h>

// Windows are written with designated initializers naming only what each one tells.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace halvane::test {
namespace {

using Source = ResolvedApplication::Source;

class Resolver : public ::testing::Test {
 protected:
  void SetUp() override {
    python = tree.program(QStringLiteral("usr/bin/python3.11"));
    bwrap = tree.program(QStringLiteral("usr/bin/bwrap"));
    winePreloader = tree.program(QStringLiteral("usr/bin/wine64-preloader"));
    firefoxBin = tree.program(QStringLiteral("usr/lib/firefox/firefox-bin"));
    tool = tree.program(QStringLiteral("opt/tool/bin/tool"));
    sleepBin = tree.program(QStringLiteral("bin/sleep"));
    tree.program(QStringLiteral("usr/bin/foo-tool"));
    tree.program(QStringLiteral("usr/bin/gedit"));

    const QString sys = tree.systemApps(), user = tree.userApps();
    tree.entry(sys, "foo-tool.desktop", "Name=Foo Tool\nExec=foo-tool %F\nStartupWMClass=FooTool");
    tree.entry(
        tree.flatpakApps(), "org.gimp.GIMP.desktop",
        "Name=GNU Image Manipulation Program\nExec=flatpak run --branch=stable org.gimp.GIMP %U");
    tree.entry(sys, "firefox_firefox.desktop", "Name=Firefox (snap)\nExec=/snap/bin/firefox %u");
    tree.entry(sys, "firefox.desktop", "Name=Firefox\nExec=firefox %u");
    tree.entry(sys, "org.gnome.Terminal.desktop", "Name=Terminal\nExec=gnome-terminal");
    tree.entry(sys, "gnome-system-monitor.desktop",
               "Name=System Monitor\nExec=gnome-system-monitor");
    tree.entry(sys, "org.kde.dolphin.desktop", "Name=Dolphin\nExec=dolphin %u");
    // Wine puts its entries in subfolders: the desktop ID joins them with dashes.
    tree.entry(user, "wine/Programs/Notepad.desktop",
               "Name=Notepad\nExec=env WINEPREFIX=\"/home/u/.wine\" wine "
               "C:\\\\\\\\windows\\\\\\\\notepad.exe\n"
               "StartupWMClass=notepad.exe");
    tree.entry(user, "Dota 2.desktop",
               "Name=Dota 2\nExec=steam steam://rungameid/570\nIcon=steam_icon_570");
    tree.entry(user, "Portal 2.desktop", "Name=Portal 2\nExec=xdg-open steam://rungameid/620");
    tree.entry(sys, "org.gnome.gedit.desktop", "Name=Text Editor\nExec=gedit %U");
    tree.entry(user, "org.gnome.gedit.desktop", "Name=My Editor\nExec=gedit --new-window %U");
    tree.entry(sys, "hidden-app.desktop", "Name=Hidden App\nExec=hidden-app");
    tree.entry(user, "hidden-app.desktop", "Name=Hidden App\nHidden=true");
    tree.entry(sys, "helper-only.desktop", "Name=Helper\nNoDisplay=true\nExec=helper-only");
    tree.entry(sys, "tool.desktop", "Name=Tool\nExec=env FOO=1 " + tool.toUtf8() + " %U");
    tree.entry(sys, "scripted.desktop", "Name=Scripted\nExec=python3 /usr/bin/scripted --x");
    // Not applications: a link and a file without a name.
    tree.write("usr/share/applications/link.desktop",
               "[Desktop Entry]\nType=Link\nName=Link\nURL=https://example.org\n");
    tree.write("usr/share/applications/broken.desktop", "Exec=broken\n");

    tree.process(100, {python, "foo-tool", {"python3", "/usr/bin/foo-tool"}});
    tree.process(101, {bwrap,
                       "gimp-2.10",
                       {"bwrap", "--args", "40", "gimp"},
                       {},
                       {},
                       "[Application]\nname=org.gimp.GIMP\nruntime=runtime/org.gnome.Platform\n"});
    tree.process(102, {firefoxBin,
                       "firefox",
                       {"/snap/firefox/123/usr/lib/firefox/firefox"},
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "snap.firefox.firefox-2f5b4c3a-1e2d-4f5a-9b8c-7d6e5f4a3b2c.scope\n"});
    tree.process(103, {sleepBin,
                       "gnome-terminal-",
                       {"/usr/libexec/gnome-terminal-server"},
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "app-gnome-org.gnome.Terminal-1234.scope\n"});
    tree.process(104, {sleepBin,
                       "gnome-system-mo",
                       {"gnome-system-monitor"},
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "app-gnome-gnome\\x2dsystem\\x2dmonitor-5678.scope\n"});
    tree.process(105, {sleepBin,
                       "dolphin",
                       {"dolphin"},
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "app-org.kde.dolphin@0a1b2c.service\n"});
    tree.process(106, {winePreloader, "notepad.exe", {"C:\\windows\\notepad.exe"}});
    tree.process(
        107,
        {sleepBin, "dota2", {"dota2"}, {}, {"HOME=/home/u", "SteamAppId=570", "SteamGameId=570"}});
    tree.process(108, {firefoxBin, "firefox-bin", {"/usr/lib/firefox/firefox-bin"}});
    tree.process(109, {tool, "tool", {"/opt/tool/bin/tool"}});
    tree.process(110, {python, "python3", {"python3", "-u", "/usr/bin/scripted"}});
    tree.process(111, {sleepBin, "sleep", {"sleep", "60"}});
    tree.process(112, {sleepBin, "helper-only", {"helper-only"}});
    // A Steam process whose game is unknown to Steam itself (SteamAppId=0).
    tree.process(113, {sleepBin, "game", {"game"}, {}, {"SteamAppId=0"}});
    // 999: no such process (it ended between the event and the reading).
  }

  FixtureTree tree;
  QString python, bwrap, winePreloader, firefoxBin, tool, sleepBin;
};

TEST_F(Resolver, FindsTheApplicationOfEachKindOfWindow) {
  const DesktopEntryIndex index(tree.roots());
  const ApplicationResolver resolver(index, tree.procRoot());
  const QString sys = tree.systemApps() + u'/', user = tree.userApps() + u'/';

  const struct {
    const char* name;
    WindowFacts window;
    Source source;
    const char* desktopId;  // "" for none
    QString executable;
  } cases[] = {
      {"a Python script by StartupWMClass",
       {.wmClass = "FooTool", .wmInstance = "foo-tool", .pid = 100},
       Source::StartupWMClass,
       "foo-tool.desktop",
       python},
      {"StartupWMClass ignoring case",
       {.wmClass = "footool", .pid = 100},
       Source::StartupWMClass,
       "foo-tool.desktop",
       python},
      {"a Flatpak by .flatpak-info",
       {.wmClass = "Gimp-2.10", .pid = 101},
       Source::Flatpak,
       "org.gimp.GIMP.desktop",
       bwrap},
      {"a Snap by its cgroup, before the class",
       {.wmClass = "firefox", .pid = 102},
       Source::Snap,
       "firefox_firefox.desktop",
       firefoxBin},
      {"a systemd scope with a launcher",
       {.wmClass = "Gnome-terminal", .pid = 103},
       Source::SystemdUnit,
       "org.gnome.Terminal.desktop",
       sleepBin},
      {"an escaped unit name",
       {.wmClass = "Gnome-system-monitor-x", .pid = 104},
       Source::SystemdUnit,
       "gnome-system-monitor.desktop",
       sleepBin},
      {"a systemd service without a launcher",
       {.pid = 105},
       Source::SystemdUnit,
       "org.kde.dolphin.desktop",
       sleepBin},
      {"a Wine program by its class",
       {.wmClass = "notepad.exe", .wmInstance = "notepad.exe", .pid = 106},
       Source::StartupWMClass,
       "wine-Programs-Notepad.desktop",
       winePreloader},
      {"a Steam game by SteamAppId",
       {.wmClass = "dota2", .pid = 107},
       Source::Steam,
       "Dota 2.desktop",
       sleepBin},
      {"a Steam game by its class",
       {.wmClass = "steam_app_620"},
       Source::Steam,
       "Portal 2.desktop",
       {}},
      {"a class naming the desktop ID",
       {.wmClass = "Firefox", .wmInstance = "Navigator", .pid = 108},
       Source::WindowClass,
       "firefox.desktop",
       firefoxBin},
      {"a class naming the ID's last part",
       {.wmClass = "Gedit"},
       Source::WindowClass,
       "org.gnome.gedit.desktop",
       {}},
      {"the desktop ID the window names",
       {.wmClass = "x", .gtkApplicationId = "org.gnome.gedit", .pid = 111},
       Source::Window,
       "org.gnome.gedit.desktop",
       sleepBin},
      {"a KDE desktop file name",
       {.desktopFile = "org.kde.dolphin"},
       Source::Window,
       "org.kde.dolphin.desktop",
       {}},
      {"a KDE desktop file path",
       {.desktopFile = sys + "org.kde.dolphin.desktop"},
       Source::Window,
       "org.kde.dolphin.desktop",
       {}},
      {"a Wayland app_id",
       {.appId = "org.gnome.Terminal"},
       Source::Window,
       "org.gnome.Terminal.desktop",
       {}},
      {"a Wayland app_id as a class",
       {.appId = "FIREFOX"},
       Source::WindowClass,
       "firefox.desktop",
       {}},
      {"the program Exec runs, through env",
       {.wmClass = "Tool-Main", .pid = 109},
       Source::Executable,
       "tool.desktop",
       tool},
      {"an interpreter's script by name",
       {.pid = 110},
       Source::Executable,
       "scripted.desktop",
       python},
      {"a NoDisplay entry still counts",
       {.pid = 112},
       Source::Executable,
       "helper-only.desktop",
       sleepBin},
      {"a Hidden entry is not installed", {.wmClass = "hidden-app"}, Source::None, "", {}},
      {"no match: only the executable",
       {.wmClass = "Unknown", .pid = 111},
       Source::None,
       "",
       sleepBin},
      {"SteamAppId=0 names no game", {.pid = 113}, Source::None, "", sleepBin},
      {"a process that has gone, by its class",
       {.wmClass = "Firefox", .pid = 999},
       Source::WindowClass,
       "firefox.desktop",
       {}},
      {"a process that has gone and nothing else", {.pid = 999}, Source::None, "", {}},
      {"a window that tells nothing", {}, Source::None, "", {}},
  };
  for (const auto& c : cases) {
    const ResolvedApplication app = resolver.resolve(c.window);
    EXPECT_EQ(sourceName(app.source), sourceName(c.source)) << c.name;
    EXPECT_EQ(app.desktopId, QString::fromUtf8(c.desktopId)) << c.name;
    EXPECT_EQ(app.executable, c.executable) << c.name;
    if (!app.desktopId.isEmpty()) {
      EXPECT_EQ(app.desktopFile, index.byId(app.desktopId)->path) << c.name;
    }
  }

  // The user's override and the system entry are one application, the user's file first.
  const ResolvedApplication gedit =
      resolver.resolve({.gtkApplicationId = "org.gnome.gedit", .pid = 111});
  EXPECT_EQ(gedit.desktopFile, user + "org.gnome.gedit.desktop");
  EXPECT_EQ(gedit.name, QStringLiteral("My Editor"));
  EXPECT_EQ(gedit.names(), QStringList({user + "org.gnome.gedit.desktop",
                                        sys + "org.gnome.gedit.desktop", sleepBin}));
  EXPECT_EQ(gedit.identity(), QStringLiteral("org.gnome.gedit.desktop"));
  const ResolvedApplication bare = resolver.resolve({.pid = 111});
  EXPECT_EQ(bare.names(), QStringList{sleepBin});
  EXPECT_EQ(bare.identity(), QStringLiteral("exe:") + sleepBin);
  EXPECT_EQ(resolver.resolve({}).identity(), QString());
}

TEST_F(Resolver, TheIndexKeepsApplicationsOnlyAndReadsTheirFields) {
  const DesktopEntryIndex index(tree.roots(), QLocale(QStringLiteral("de_DE")));
  QStringList ids;
  for (const IndexedEntry& e : index.entries()) ids.append(e.desktopId);
  EXPECT_FALSE(ids.contains(QStringLiteral("link.desktop")));
  EXPECT_FALSE(ids.contains(QStringLiteral("broken.desktop")));
  EXPECT_FALSE(ids.contains(QStringLiteral("hidden-app.desktop")));
  EXPECT_TRUE(ids.contains(QStringLiteral("helper-only.desktop")));
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));

  const IndexedEntry* notepad = index.byId(QStringLiteral("wine-Programs-Notepad.desktop"));
  ASSERT_TRUE(notepad);
  EXPECT_EQ(notepad->program, QStringLiteral("wine"));
  EXPECT_EQ(index.byId(QStringLiteral("Dota 2.desktop"))->icon, QStringLiteral("steam_icon_570"));
  EXPECT_EQ(index.byId(QStringLiteral("tool.desktop"))->programRealPath, tool);
  EXPECT_EQ(index.byId(QStringLiteral("scripted.desktop"))->program,
            QStringLiteral("/usr/bin/scripted"));
  EXPECT_EQ(index.byId(QStringLiteral("org.gimp.GIMP.desktop"))->program, QString());

  tree.entry(
      tree.systemApps(), "localised.desktop",
      "Name=Editor\nName[de]=Texteditor\nName[de_DE]=Texteditor (DE)\nName[fr]=Éditeur\nExec=x");
  tree.entry(tree.systemApps(), "language.desktop", "Name=Editor\nName[de]=Texteditor\nExec=x");
  DesktopEntryIndex again(tree.roots(), QLocale(QStringLiteral("de_DE")));
  EXPECT_EQ(again.byId(QStringLiteral("localised.desktop"))->name,
            QStringLiteral("Texteditor (DE)"));
  EXPECT_EQ(again.byId(QStringLiteral("language.desktop"))->name, QStringLiteral("Texteditor"));
  EXPECT_EQ(again.byPath(tree.systemApps() + QStringLiteral("/org.gnome.gedit.desktop"))->desktopId,
            QStringLiteral("org.gnome.gedit.desktop"));
}

}  // namespace
}  // namespace halvane::test

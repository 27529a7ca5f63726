// The media and imaging applications found installed, over a fixture XDG tree.
#include "platform/desktop/installedapps/DesktopInstalledApplications.h"
#include "tests/support/FixtureTree.h"

#include <QImage>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

TEST(InstalledApplications, ByTheFirstDesktopIdInstalledElseByTheProgramOnThePath) {
  FixtureTree tree;
  QImage picture(8, 8, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  const QString iconFile = tree.path(QStringLiteral("icons/gimp.png"));
  QDir().mkpath(QFileInfo(iconFile).path());
  ASSERT_TRUE(picture.save(iconFile));
  const QString gimp = tree.entry(tree.systemApps(), QStringLiteral("gimp.desktop"),
                                  "Name=GIMP\nExec=gimp %U\nIcon=" + iconFile.toUtf8());
  const QString userRhythmbox =
      tree.entry(tree.userApps(), QStringLiteral("org.gnome.Rhythmbox3.desktop"),
                 "Name=Rhythmbox\nExec=rhythmbox\nIcon=no-such-icon-in-any-theme");
  tree.entry(tree.systemApps(), QStringLiteral("org.gnome.Rhythmbox3.desktop"),
             "Name=Rhythmbox\nExec=rhythmbox");
  tree.entry(tree.systemApps(), QStringLiteral("org.gnome.Totem.desktop"),
             "Name=Videos\nExec=totem\nHidden=true");
  const QString vlc = tree.program(QStringLiteral("usr/bin/vlc"));

  DesktopInstalledApplications installed(tree.roots());
  const struct {
    QStringList ids;
    const char* executable;
    QString path;  // empty: not installed
    bool icon;
  } cases[] = {
      {{QStringLiteral("org.gimp.GIMP"), QStringLiteral("gimp")}, "gimp", gimp, true},
      {{QStringLiteral("org.gnome.Rhythmbox3"), QStringLiteral("rhythmbox")},
       "rhythmbox",
       userRhythmbox,
       false},
      {{QStringLiteral("org.gnome.Totem"), QStringLiteral("totem")},
       "totem",
       QString(),
       false},  // hidden
      {{QStringLiteral("vlc"), QStringLiteral("org.videolan.VLC")},
       "vlc",
       vlc,
       false},  // no entry, a program
      {{QStringLiteral("org.gnome.eog")}, "eog", QString(), false},
  };
  for (const auto& c : cases) {
    const std::optional<InstalledApplication> found =
        installed.find(c.ids, QString::fromLatin1(c.executable));
    ASSERT_EQ(found.has_value(), !c.path.isEmpty()) << c.executable;
    if (!found) continue;
    EXPECT_EQ(QFileInfo(found->path).canonicalFilePath(), QFileInfo(c.path).canonicalFilePath())
        << c.executable;
    EXPECT_EQ(!found->icon.isNull(), c.icon) << c.executable;
  }
}

}  // namespace
}  // namespace halvane::test

// The index follows the applications folders: installed, removed and overridden entries show
// after the folders have been quiet for a moment.
#include "platform/desktop/appidentity/DesktopEntryIndexRefresher.h"

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "tests/support/FixtureTree.h"

#include <QTest>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

TEST(IndexRefresh, FollowsEntriesAddedRemovedAndInAFolderMadeLater) {
  FixtureTree tree;
  tree.entry(tree.systemApps(), "old.desktop", "Name=Old\nExec=old");
  QDir().mkpath(tree.path(QStringLiteral("home/.local/share")));  // no applications folder yet
  DesktopEntryIndex index(tree.roots());
  int rebuilds = 0;
  DesktopEntryIndexRefresher refresher(
      index, [&] { ++rebuilds; }, 30);
  auto waitForRebuild = [&] {
    const int before = rebuilds;
    return QTest::qWaitFor([&] { return rebuilds > before; }, 5000);
  };

  tree.entry(tree.systemApps(), "new.desktop", "Name=New\nExec=new");
  ASSERT_TRUE(waitForRebuild());
  EXPECT_TRUE(index.byId(QStringLiteral("new.desktop")));

  QFile::remove(tree.systemApps() + QStringLiteral("/old.desktop"));
  ASSERT_TRUE(waitForRebuild());
  EXPECT_FALSE(index.byId(QStringLiteral("old.desktop")));

  // The user's first entry makes the folder; a second one in it is seen too.
  tree.entry(tree.userApps(), "new.desktop", "Name=Mine\nExec=new");
  ASSERT_TRUE(waitForRebuild());
  tree.entry(tree.userApps(), "kde/other.desktop", "Name=Other\nExec=other");
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return index.byId(QStringLiteral("kde-other.desktop")); }, 5000));
  EXPECT_EQ(index.byId(QStringLiteral("new.desktop"))->name, QStringLiteral("Mine"));
  EXPECT_EQ(index.byId(QStringLiteral("new.desktop"))->paths.size(), 2);
}

// The folders are read at the first question: an index made at start-up costs nothing until a
// window needs resolving, and then knows what is installed by that time.
TEST(IndexRefresh, ReadsTheFoldersAtTheFirstQuestion) {
  FixtureTree tree;
  tree.entry(tree.systemApps(), "early.desktop", "Name=Early\nExec=early");
  DesktopEntryIndex index(tree.roots());
  index.rebuild();  // nothing asked yet: still nothing read
  tree.entry(tree.systemApps(), "late.desktop", "Name=Late\nExec=late");
  EXPECT_TRUE(index.byId(QStringLiteral("early.desktop")));
  EXPECT_TRUE(index.byId(QStringLiteral("late.desktop")));
  // Once read, the index holds what it read until it is rebuilt.
  tree.entry(tree.systemApps(), "later.desktop", "Name=Later\nExec=later");
  EXPECT_EQ(index.entries().size(), 2u);
  index.rebuild();
  EXPECT_EQ(index.entries().size(), 3u);
}

}  // namespace
}  // namespace halvane::test

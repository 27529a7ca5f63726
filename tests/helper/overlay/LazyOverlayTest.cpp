// The overlay made on first use: nothing before a name is shown, then the same overlay placed as
// start-up asked, its hidden notice passed on.
#include "helper/overlay/FakeProfileOverlay.h"
#include "helper/overlay/LazyProfileOverlay.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(LazyProfileOverlay, MadeOnFirstUsePlacedAsAskedAndTellsWhenHidden) {
  int made = 0, hidden = 0;
  FakeProfileOverlay* inner = nullptr;
  LazyProfileOverlay overlay([&] {
    ++made;
    auto fake = std::make_unique<FakeProfileOverlay>();
    inner = fake.get();
    return fake;
  });
  overlay.setHiddenHandler([&] { ++hidden; });
  overlay.placeOnMainScreen();
  EXPECT_FALSE(overlay.profileNameVisible());
  EXPECT_EQ(made, 0) << "placing and asking make nothing";

  overlay.displayProfileName(QStringLiteral("Racing"));
  ASSERT_EQ(made, 1);
  EXPECT_EQ(inner->placements, 1) << "placed as start-up asked";
  EXPECT_EQ(inner->shown, QStringList{QStringLiteral("Racing")});
  EXPECT_TRUE(overlay.profileNameVisible());

  overlay.hideProfileName();
  overlay.displayProfileName(QStringLiteral("Work"));
  overlay.placeOnMainScreen();
  EXPECT_EQ(made, 1) << "one overlay for the helper's life";
  EXPECT_EQ(inner->hides, 1);
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(inner->placements, 2);
}

TEST(LazyProfileOverlay, AHideBeforeAnyNameStillReachesAnOverlay) {
  int made = 0;
  LazyProfileOverlay overlay([&] {
    ++made;
    return std::make_unique<FakeProfileOverlay>();
  });
  overlay.hideProfileName();
  EXPECT_EQ(made, 1);
}

}  // namespace
}  // namespace halvane

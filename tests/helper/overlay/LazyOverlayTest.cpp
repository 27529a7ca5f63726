// The overlay made on first use: nothing before a name is shown, then the same overlay placed as
// start-up asked, its hidden notice passed on and then the owner's own step after a fade-out.
#include "helper/overlay/FakeProfileOverlay.h"
#include "helper/overlay/LazyProfileOverlay.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(LazyProfileOverlay, MadeOnFirstUsePlacedAsAskedAndTellsWhenHidden) {
  int made = 0;
  QStringList hidden;
  FakeProfileOverlay* inner = nullptr;
  LazyProfileOverlay overlay(
      [&] {
        ++made;
        auto fake = std::make_unique<FakeProfileOverlay>();
        inner = fake.get();
        return fake;
      },
      [&] { hidden.append(QStringLiteral("after")); });
  overlay.setHiddenHandler([&] { hidden.append(QStringLiteral("handler")); });
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
  EXPECT_EQ(hidden, (QStringList{QStringLiteral("handler"), QStringLiteral("after")}))
      << "told once, the handler first";
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

#include "HVKeyCombo.h"

#include <gtest/gtest.h>

#include <climits>

namespace halvane {
namespace {

TEST(KeyComboValidity, ClearComboIsInvalidAndClear) {
  const HVKeyCombo clear = HVKeyCombo::clearKeyCombo();
  EXPECT_EQ(clear.keyCode(), -1);
  EXPECT_EQ(clear.modifiers(), -1);
  EXPECT_EQ(clear.delay(), 0);
  EXPECT_FALSE(clear.isValidHotKeyCombo());
  EXPECT_TRUE(clear.isClearCombo());
  EXPECT_EQ(clear.description(), "(None)");
  EXPECT_TRUE(HVKeyCombo().isClearCombo());
}

TEST(KeyComboValidity, NegativeKeyCodeOrMaskIsInvalidButOnlyBothAreClear) {
  const HVKeyCombo noMask(5, -1, 0);
  EXPECT_FALSE(noMask.isValidHotKeyCombo());
  EXPECT_FALSE(noMask.isClearCombo());
  EXPECT_EQ(noMask.description(), "(None)");

  const HVKeyCombo noKey(-1, 0, 0);
  EXPECT_FALSE(noKey.isValidHotKeyCombo());
  EXPECT_FALSE(noKey.isClearCombo());
  EXPECT_EQ(noKey.description(), "(None)");

  EXPECT_TRUE(HVKeyCombo(0, 0, 0).isValidHotKeyCombo());
}

TEST(KeyComboDelay, ClampedTo6350AtConstructionAndWhenAdded) {
  EXPECT_EQ(HVKeyCombo(1, 0, 7000).delay(), 6350);
  EXPECT_EQ(HVKeyCombo(1, 0, 6350).delay(), 6350);
  EXPECT_EQ(HVKeyCombo(1, 0, 6349).delay(), 6349);

  HVKeyCombo combo(1, 0, 6340);
  combo.addDelay(50);
  EXPECT_EQ(combo.delay(), 6350);
  combo.addDelay(1);
  EXPECT_EQ(combo.delay(), 6350);
  combo.addDelay(INT_MAX);  // no overflow on the way to the clamp
  EXPECT_EQ(combo.delay(), 6350);
}

TEST(KeyComboDelay, HasNoLowerClampAndAddsUp) {
  EXPECT_EQ(HVKeyCombo(1, 0, -20).delay(), -20);
  HVKeyCombo combo(1, 0, 0);
  combo.addDelay(200);
  combo.addDelay(200);
  EXPECT_EQ(combo.delay(), 400);
  combo.addDelay(-500);
  EXPECT_EQ(combo.delay(), -100);

  HVKeyCombo lowest(1, 0, INT_MIN);
  lowest.addDelay(-1);
  EXPECT_EQ(lowest.delay(), INT_MIN);
}

TEST(KeyComboSharing, CopiesAreOneCombinationSeenByEveryHolder) {
  HVKeyCombo recorded(36, 0x0100, 0);
  const HVKeyCombo heldByList = recorded;
  HVKeyCombo assigned;
  assigned = recorded;

  recorded.addDelay(150);
  EXPECT_EQ(heldByList.delay(), 150);
  EXPECT_EQ(assigned.delay(), 150);
  EXPECT_TRUE(heldByList.isSameObject(recorded));

  // An equal combination built on its own is another object.
  HVKeyCombo twin(36, 0x0100, 0);
  EXPECT_FALSE(twin.isSameObject(recorded));
  twin.addDelay(50);
  EXPECT_EQ(recorded.delay(), 150);
}

TEST(KeyComboEquality, ComparesKeyCodeAndModifiersOnly) {
  EXPECT_EQ(HVKeyCombo(36, 0x0100, 0), HVKeyCombo(36, 0x0100, 150));
  EXPECT_NE(HVKeyCombo(36, 0x0100, 0), HVKeyCombo(36, 0x0900, 0));
  EXPECT_NE(HVKeyCombo(36, 0x0100, 0), HVKeyCombo(37, 0x0100, 0));
  EXPECT_EQ(HVKeyCombo::clearKeyCombo(), HVKeyCombo(-1, -1, 99));
}

}  // namespace
}  // namespace halvane

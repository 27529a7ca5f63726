#include "shared/plist/PlistValue.h"

#include <gtest/gtest.h>

using halvane::PlistValue;

namespace {

PlistValue profileTree() {
  PlistValue key = PlistValue::dictionary();
  key.set("ActionType", "ExecuteMacro");
  PlistValue keys = PlistValue::array();
  keys.append(key);
  PlistValue profile = PlistValue::dictionary();
  profile.set("MacroKeys", keys);
  PlistValue profiles = PlistValue::array();
  profiles.append(profile);
  PlistValue root = PlistValue::dictionary();
  root.set("Profiles", profiles);
  return root;
}

TEST(PlistValue, DictionariesAndArraysAreSharedBetweenHolders) {
  PlistValue root = profileTree();
  PlistValue profiles = root["Profiles"];
  PlistValue sameProfile = profiles.at(0);
  sameProfile.set("Name", "Edited");
  EXPECT_EQ(root["Profiles"].at(0)["Name"].toString(), "Edited");
  EXPECT_TRUE(profiles.isSameObject(root["Profiles"]));

  profiles.append(PlistValue::dictionary());
  EXPECT_EQ(root["Profiles"].count(), 2);
}

TEST(PlistValue, DeepCopyIsIndependentButEqual) {
  PlistValue root = profileTree();
  PlistValue copy = root.deepCopy();
  EXPECT_EQ(copy, root);
  EXPECT_FALSE(copy.isSameObject(root));
  copy["Profiles"].at(0)["MacroKeys"].at(0).set("ActionType", "LaunchApp");
  EXPECT_EQ(root["Profiles"].at(0)["MacroKeys"].at(0)["ActionType"].toString(), "ExecuteMacro");
  EXPECT_NE(copy, root);
}

TEST(PlistValue, LookupsThroughWrongShapesGiveNothing) {
  PlistValue root = PlistValue::dictionary();
  root.set("Profiles", "not an array");
  root.set("Count", 3);

  const PlistValue missing = root["Profiles"].at(0)["MacroKeys"].at(4)["KeyCombo"]["keyCode0"];
  EXPECT_TRUE(missing.isNone());
  EXPECT_EQ(missing.intValue(), 0);
  EXPECT_FALSE(missing.toBool());
  EXPECT_EQ(missing.toString(), QString());
  EXPECT_EQ(missing.doubleValue(), 0.0);

  EXPECT_TRUE(root["Count"]["x"].isNone());  // a number is not a dictionary
  EXPECT_TRUE(root.at(0).isNone());          // a dictionary is not an array
  EXPECT_TRUE(PlistValue::array().at(-1).isNone());
  EXPECT_TRUE(PlistValue::array().at(1 << 30).isNone());
  EXPECT_EQ(root["Count"].toString(), QString());  // no conversion of numbers to text

  // Writes through the wrong shape are ignored rather than crashing.
  PlistValue text("text");
  text.set("k", 1);
  text.append(1);
  text.replace(0, 1);
  text.removeAt(0);
  EXPECT_EQ(text.toString(), "text");
}

TEST(PlistValue, NumbersBooleansAndTextConvert) {
  EXPECT_TRUE(PlistValue(1).toBool());
  EXPECT_FALSE(PlistValue(0).toBool());
  EXPECT_TRUE(PlistValue(0.5).toBool());
  EXPECT_EQ(PlistValue(true).intValue(), 1);
  EXPECT_EQ(PlistValue(2.9).intValue(), 2);
  EXPECT_EQ(PlistValue(-2.9).intValue(), -2);
  EXPECT_EQ(PlistValue("12abc").intValue(), 12);
  EXPECT_EQ(PlistValue("  -7").intValue(), -7);
  EXPECT_EQ(PlistValue("abc").intValue(), 0);
  EXPECT_EQ(PlistValue("250").doubleValue(), 250.0);
  EXPECT_EQ(PlistValue("99999999999999999999999").toInteger(), std::numeric_limits<qint64>::max());
  // intValue keeps the low 32 bits, as a 32-bit integer read of a larger number does.
  EXPECT_EQ(PlistValue(qint64(0x1'0000'0005)).intValue(), 5);
  EXPECT_EQ(PlistValue(1e300).toInteger(), std::numeric_limits<qint64>::max());
  EXPECT_EQ(PlistValue(std::nan("")).toInteger(), 0);
}

TEST(PlistValue, EqualityIsDeepAndTypeExact) {
  EXPECT_NE(PlistValue(1), PlistValue(true));
  EXPECT_NE(PlistValue(1), PlistValue(1.0));
  EXPECT_EQ(profileTree(), profileTree());
  PlistValue a = profileTree();
  a["Profiles"].at(0)["MacroKeys"].at(0).set("ActionType", "");
  EXPECT_NE(a, profileTree());
}

TEST(PlistValue, DictionaryEditing) {
  PlistValue d = PlistValue::dictionary();
  d.set("b", 2);
  d.set("a", 1);
  EXPECT_EQ(d.keys(), QStringList({"a", "b"}));
  EXPECT_TRUE(d.contains("a"));
  d.remove("a");
  EXPECT_FALSE(d.contains("a"));
  EXPECT_EQ(d.count(), 1);
}

}  // namespace

#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/keyboardlayout/FakeKeyboardLayoutServices.h"
#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

namespace halvane {
namespace {

using test::ScopedKeyCodesTable;
using test::ScopedLayoutServices;

PlistValue legacyTable(std::initializer_list<std::pair<const char*, const char*>> names) {
  PlistValue table = PlistValue::dictionary();
  for (const auto& [code, name] : names) table.set(QString::fromLatin1(code), name);
  return table;
}

PlistValue newTable(std::initializer_list<std::pair<const char*, const char*>> unmapped,
                    std::initializer_list<const char*> padKeys, const PlistValue& padWord) {
  PlistValue table = PlistValue::dictionary();
  table.set(QStringLiteral("version"), 1);
  table.set(QStringLiteral("unmappedKeys"), legacyTable(unmapped));
  PlistValue pads = PlistValue::array();
  for (const char* code : padKeys) pads.append(code);
  table.set(QStringLiteral("padKeys"), pads);
  if (!padWord.isNone()) table.set(QStringLiteral("padKeyString"), padWord);
  return table;
}

class KeyNameTest : public ::testing::Test {
 protected:
  KeyNameTest() {
    layouts.addLayout(QStringLiteral("table"), {{KEY_A, QStringLiteral("a")},
                                                {KEY_KP1, QStringLiteral("1")},
                                                {KEY_ENTER, QString()},
                                                {KEY_MINUS, QStringLiteral("\u00DF")}});
    layouts.setCurrentLayout(QStringLiteral("table"));
  }
  FakeKeyboardLayoutServices layouts;
  ScopedLayoutServices useLayouts{layouts};
};

TEST(ModifierGlyphs, FixedOrderWhateverTheBits) {
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x1B00), QStringLiteral("⌘⌥⌃⇧"));
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x0300), QStringLiteral("⌘⇧"));
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x1800), QStringLiteral("⌥⌃"));
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x1200), QStringLiteral("⌃⇧"));
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x8000), QString());
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0x0400 | 0x00FF), QString());
  EXPECT_EQ(HVKeyCombo::stringForModifiers(0), QString());
}

TEST(LegacyKeyNames, EntryOrUpperCaseHexadecimalCode) {
  const PlistValue table = legacyTable({{"10", "Section"}, {"-2", "Minus two"}});
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(10, table), "Section");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(-2, table), "Minus two");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(36, table), "24");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(11, table), "B");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(0, table), "0");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInLegacyMap(255, PlistValue()), "FF");
}

TEST(KeyCodesTable, VersionChoosesTheFormat) {
  {
    PlistValue table = legacyTable({{"36", "Legacy Return"}});
    table.set(QStringLiteral("version"), 0);
    ScopedKeyCodesTable use(table);
    EXPECT_EQ(HVKeyCombo::stringForKeyCode(36), "Legacy Return");
  }
  {
    PlistValue table = newTable({{"36", "New Return"}}, {}, "Pad");
    table.set(QStringLiteral("36"), "Legacy Return");
    table.set(QStringLiteral("version"), "2");  // read by its integer value
    ScopedKeyCodesTable use(table);
    EXPECT_EQ(HVKeyCombo::stringForKeyCode(36), "New Return");
  }
}

TEST(KeyCodesTable, MissingResourceGivesHexadecimalNamesAndIsRetried) {
  int loads = 0;
  PlistValue next;
  HVKeyCombo::setKeyCodesDictionaryLoader([&] {
    ++loads;
    return next;
  });
  EXPECT_EQ(HVKeyCombo::stringForKeyCode(36), "24");
  EXPECT_EQ(HVKeyCombo(36, 0x0100, 0).description(), QStringLiteral("⌘24"));
  EXPECT_EQ(loads, 2);  // nothing was kept, so every use tried again

  next = legacyTable({{"36", "Return"}});
  EXPECT_EQ(HVKeyCombo::stringForKeyCode(36), "Return");
  next = legacyTable({{"36", "Changed"}});
  EXPECT_EQ(HVKeyCombo::stringForKeyCode(36), "Return");  // kept once loaded
  EXPECT_EQ(loads, 3);
  HVKeyCombo::setKeyCodesDictionaryLoader({});
}

TEST(KeyCodesTable, DefaultSourceIsTheBundleHoldingTheCode) {
  // A test program sits in no bundle, so the default source finds no resource.
  HVKeyCombo::setKeyCodesDictionaryLoader({});
  EXPECT_TRUE(HVKeyCombo::keyCodesDictionary().isNone());
  EXPECT_EQ(HVKeyCombo::stringForKeyCode(49), "31");
}

TEST_F(KeyNameTest, UnmappedEntryWinsUnchangedEvenForKeypadKeys) {
  const PlistValue table = newTable({{"83", "keypad one"}, {"0", "a key"}}, {"83"}, "Pad");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Keypad1, table), "keypad one");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_A, table), "a key");
}

TEST_F(KeyNameTest, OtherKeysAreTranslatedAndUpperCased) {
  const PlistValue table = newTable({}, {"83"}, "Pad");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_A, table), "A");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Keypad1, table), "Pad 1");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Minus, table), "SS");
}

TEST_F(KeyNameTest, KeypadWordAndListAreOptional) {
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Keypad1, newTable({}, {"83"}, {})), "1");
  PlistValue noList = newTable({}, {}, "Pad");
  noList.remove(QStringLiteral("padKeys"));
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Keypad1, noList), "1");
  // Keypad codes are compared as text: a number in the list names no key.
  PlistValue numberInList = newTable({}, {}, "Pad");
  numberInList[QStringLiteral("padKeys")].append(83);
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_Keypad1, numberInList), "1");
}

TEST_F(KeyNameTest, KeyWithoutCharacterOrLayoutIsNamedByItsCode) {
  const PlistValue table = newTable({}, {"76"}, "Pad");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_Return, table), "24");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_KeypadEnter, table), "4C");
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(0x34, table), "34");  // no key has this code
  layouts.setCurrentLayout(QString());
  EXPECT_EQ(HVKeyCombo::stringForKeyCodeInNewMap(kVK_ANSI_A, table), "0");
}

TEST_F(KeyNameTest, DescriptionJoinsGlyphsNameAndDelay) {
  ScopedKeyCodesTable use(newTable({{"36", "Return"}}, {"83"}, "Pad"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_A, 0x0300, 100).description(), QStringLiteral("⌘⇧A+100ms"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_A, 0, 150).description(), QStringLiteral("A+150ms"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_A, 0x1B00, 0).description(), QStringLiteral("⌘⌥⌃⇧A"));
  EXPECT_EQ(HVKeyCombo(kVK_Return, 0x8000, -5).description(), QStringLiteral("Return"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_Keypad1, 0x1000, 7000).description(),
            QStringLiteral("⌃Pad 1+6350ms"));
  // The key code is taken as 16 bits.
  EXPECT_EQ(HVKeyCombo(0x10000 + kVK_Return, 0, 0).description(), QStringLiteral("Return"));
}

}  // namespace
}  // namespace halvane

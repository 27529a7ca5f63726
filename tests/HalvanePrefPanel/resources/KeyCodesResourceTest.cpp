#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

using test::ScopedKeyCodesTable;
using test::ScopedLayoutServices;
using test::shippedKeyCodes;
using test::xkbLayout;

TEST(KeyCodesResource, IsInTheNewFormatAndNamesRealKeys) {
  const PlistValue table = shippedKeyCodes();
  ASSERT_TRUE(table.isDictionary());
  EXPECT_GT(table["version"].toInteger(), 0);
  EXPECT_FALSE(table["padKeyString"].toString().isEmpty());
  const PlistValue unmapped = table["unmappedKeys"];
  for (const QString& code : unmapped.keys()) {
    EXPECT_TRUE(evdevForMacKeyCode(code.toInt())) << code.toStdString();
    EXPECT_FALSE(unmapped[code].toString().isEmpty()) << code.toStdString();
  }
  for (qsizetype i = 0; i < table["padKeys"].count(); ++i) {
    const QString code = table["padKeys"].at(i).toString();
    EXPECT_TRUE(evdevForMacKeyCode(code.toInt())) << code.toStdString();
  }
}

bool isJisOnlyKey(int code) {
  return code == kVK_JIS_Yen || code == kVK_JIS_Underscore;
}

// Every key that a common layout prints nothing (or only a blank) for has a name of its own,
// and every keypad key that prints a character is marked as one. The Yen and underscore keys
// exist only on Japanese keyboards, whose layout prints them, so they keep the layout's
// character (under other layouts they show their code).
TEST(KeyCodesResource, NamesEveryKeyLayoutsCannotShow) {
  const PlistValue table = shippedKeyCodes();
  for (const char* name : {"us", "de", "fr", "gb"}) {
    auto layout = xkbLayout(name);
    ScopedLayoutServices use(*layout);
    for (int code = 0; code < 128; ++code) {
      if (!evdevForMacKeyCode(code) || isJisOnlyKey(code)) continue;
      const QString character = HVKeyCodeTranslator::currentTranslator()->translateKeyCode(code);
      const QString text = QString::number(code);
      if (character.trimmed().isEmpty()) {
        EXPECT_TRUE(table["unmappedKeys"].contains(text)) << name << " mac " << code;
      }
    }
  }
  for (int code : {kVK_ANSI_Keypad0, kVK_ANSI_Keypad9, kVK_ANSI_KeypadDecimal,
                   kVK_ANSI_KeypadEquals, kVK_ANSI_KeypadDivide}) {
    bool listed = false;
    for (qsizetype i = 0; i < table["padKeys"].count(); ++i) {
      listed |= table["padKeys"].at(i).toString() == QString::number(code);
    }
    EXPECT_TRUE(listed) << code;
  }
  auto jp = xkbLayout("jp");
  ScopedLayoutServices use(*jp);
  for (int code : {kVK_JIS_Yen, kVK_JIS_Underscore}) {
    EXPECT_FALSE(table["unmappedKeys"].contains(QString::number(code)));
    EXPECT_FALSE(HVKeyCodeTranslator::currentTranslator()->translateKeyCode(code).isEmpty());
  }
}

TEST(KeyCodesResource, DisplayTextsUnderUs) {
  auto us = xkbLayout("us");
  ScopedLayoutServices useLayout(*us);
  ScopedKeyCodesTable useTable(shippedKeyCodes());
  EXPECT_EQ(HVKeyCombo(kVK_Return, 0x0100, 0).description(), QStringLiteral("⌘Return"));
  EXPECT_EQ(HVKeyCombo(kVK_F19, 0x8000, 0).description(), QStringLiteral("F19"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_Keypad5, 0, 50).description(), QStringLiteral("Pad 5+50ms"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_KeypadEnter, 0, 0).description(), QStringLiteral("Enter"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_A, 0x0A00, 0).description(), QStringLiteral("⌥⇧A"));
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_Slash, 0, 0).description(), QStringLiteral("/"));
}

}  // namespace
}  // namespace halvane

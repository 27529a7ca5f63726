// Text typed through the uinput typist into a recording poster, with keymaps compiled from
// xkeyboard-config by name (no display): which keys, with which modifiers, type each character
// of a layout, and which characters a layout cannot type at all.
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/FakeKeyboardEventPoster.h"
#include "platform/input/posters/TextTypistFactory.h"
#include "platform/input/posters/UinputTextTypist.h"
#include "platform/system/log/FakeSystemLog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace halvane {
namespace {

// A stroke as "RightOption+Q": the modifiers, held in this order, then the key.
std::vector<std::pair<quint16, bool>> eventsOf(const std::string& stroke) {
  static const std::map<std::string, int> kKeys = {
      {"A", kVK_ANSI_A},
      {"B", kVK_ANSI_B},
      {"E", kVK_ANSI_E},
      {"H", kVK_ANSI_H},
      {"I", kVK_ANSI_I},
      {"M", kVK_ANSI_M},
      {"Q", kVK_ANSI_Q},
      {"Y", kVK_ANSI_Y},
      {"Z", kVK_ANSI_Z},
      {"1", kVK_ANSI_1},
      {"2", kVK_ANSI_2},
      {"9", kVK_ANSI_9},
      {"Quote", kVK_ANSI_Quote},
      {"Semicolon", kVK_ANSI_Semicolon},
      {"LeftBracket", kVK_ANSI_LeftBracket},
      {"Minus", kVK_ANSI_Minus},
      {"Slash", kVK_ANSI_Slash},
      {"Comma", kVK_ANSI_Comma},
      {"Return", kVK_Return},
      {"Tab", kVK_Tab},
      {"Space", kVK_Space},
      {"Shift", kVK_Shift},
      {"RightOption", kVK_RightOption},
  };
  std::vector<quint16> keys;
  for (size_t start = 0; start <= stroke.size();) {
    const size_t plus = std::min(stroke.find('+', start), stroke.size());
    keys.push_back(quint16(kKeys.at(stroke.substr(start, plus - start))));
    start = plus + 1;
  }
  std::vector<std::pair<quint16, bool>> events;
  for (quint16 key : keys) events.push_back({key, true});
  events.push_back({keys.back(), false});
  for (auto it = keys.rbegin() + 1; it != keys.rend(); ++it) events.push_back({*it, false});
  return events;
}

std::unique_ptr<KeyboardLayoutServices> layout(const char* name, const char* variant = "") {
  return XkbKeyboardLayoutServices::forNames(
      {QString(), QString(), QString::fromLatin1(name), QString::fromLatin1(variant), QString()});
}

std::vector<std::pair<quint16, bool>> keyEvents(const FakeKeyboardEventPoster& poster) {
  std::vector<std::pair<quint16, bool>> events;
  for (const FakeKeyboardEventPoster::Call& call : poster.calls)
    if (call.kind == FakeKeyboardEventPoster::Kind::KeyEvent)
      events.push_back({call.keyCode, call.flag});
  return events;
}

TEST(TextTypist, TypesEachCharacterWithTheKeysOfTheLayout) {
  struct Case {
    const char* layout;
    const char* text;  // UTF-8
    std::vector<std::string> strokes;
  };
  const Case cases[] = {
      {"us", "Hi!\n", {"Shift+H", "I", "Shift+1", "Return"}},
      {"us", "a\tb ", {"A", "Tab", "B", "Space"}},
      {"de", "zY", {"Y", "Shift+Z"}},
      {"de", "äöüß", {"Quote", "Semicolon", "LeftBracket", "Minus"}},
      {"de", "@€", {"RightOption+Q", "RightOption+E"}},
      {"fr", "1é2ç", {"Shift+1", "2", "Shift+2", "9"}},
      {"fr", "aqm", {"Q", "A", "Semicolon"}},
      {"ru", "жЯ.", {"Semicolon", "Shift+Z", "Slash"}},
      {"ru", "б,", {"Comma", "Shift+Slash"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + ": " + c.text);
    FakeKeyboardEventPoster poster;
    UinputTextTypist typist(poster, layout(c.layout));
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(typist.untypableCharacters(text), QString());
    std::vector<std::pair<quint16, bool>> expected;
    for (const std::string& stroke : c.strokes) {
      const auto events = eventsOf(stroke);
      expected.insert(expected.end(), events.begin(), events.end());
    }
    typist.beginText();
    for (char32_t character : text.toUcs4()) EXPECT_TRUE(typist.typeCharacter(character));
    typist.endText();
    EXPECT_EQ(keyEvents(poster), expected);
  }
}

// uinput types only what the layout has: the rest is listed once each, in order, and typing it
// posts nothing.
TEST(TextTypist, RefusesWhatTheLayoutLacksThroughUinput) {
  struct Case {
    const char* layout;
    const char* text;
    const char* untypable;
  };
  const Case cases[] = {
      {"us", "naïve ä€", "ïä€"},  {"de", "Grüße, naïve €✓", "ï✓"},
      {"fr", "été 日本", "日本"}, {"ru", "да, q", "q"},
      {"de", "ïxïy", "ï"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + ": " + c.text);
    FakeKeyboardEventPoster poster;
    UinputTextTypist typist(poster, layout(c.layout));
    const QString untypable = QString::fromUtf8(c.untypable);
    EXPECT_EQ(typist.untypableCharacters(QString::fromUtf8(c.text)), untypable);
    typist.beginText();
    for (char32_t character : untypable.toUcs4()) EXPECT_FALSE(typist.typeCharacter(character));
    typist.endText();
    EXPECT_TRUE(keyEvents(poster).empty());
  }
}

// When the poster refuses a modifier (which then is not held), the key does not follow it and
// the character counts as not typed.
TEST(TextTypist, StopsWhenThePosterRefusesAKey) {
  FakeKeyboardEventPoster poster;
  UinputTextTypist typist(poster, layout("de"));
  poster.failing = true;
  EXPECT_FALSE(typist.typeCharacter(U'@'));
  const std::vector<std::pair<quint16, bool>> refused = {{quint16(kVK_RightOption), true}};
  EXPECT_EQ(keyEvents(poster), refused);
}

// The typist a key event backend gets says in one log line, and in the record doctor reads, what
// it can type; the line starts with the backend's name, which doctor knows an inert one by.
TEST(TextTypist, TheFactorySaysWhatTheBackendCanType) {
  const struct {
    KeyEventBackend backend;
    bool typist;
    const char* says;
  } cases[] = {
      {KeyEventBackend::Uinput, true, "uinput, only the characters of the keyboard layout"},
      {KeyEventBackend::TraceOnly, false, "none, text steps are only traced"},
      // A poster of another kind than the choice names (it could not be made): only traced.
      {KeyEventBackend::XTest, false, "xtest, text steps are only traced"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    KeyEventBackendChoice choice;
    choice.backend = c.backend;
    FakeKeyboardEventPoster poster;
    FakeSystemLog log;
    BackendRecord record;
    const std::unique_ptr<TextTypist> typist =
        createTextTypist(choice, poster, poster, SessionProbe{}, log, &record);
    EXPECT_EQ(typist != nullptr, c.typist);
    EXPECT_EQ(record.service, BackendService::Text);
    EXPECT_EQ(record.chosen, keyEventBackendName(c.backend));
    EXPECT_TRUE(record.text.startsWith(QString::fromUtf8(c.says))) << qPrintable(record.text);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_EQ(log.lines.front(), QStringLiteral("Text typing: ") + record.text);
  }
}

}  // namespace
}  // namespace halvane

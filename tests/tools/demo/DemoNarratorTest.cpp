#include "tools/demo/DemoNarrator.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace halvane::demo {
namespace {

// Trace lines written as the helper writes them, one JSON object per line.
std::vector<QJsonObject> traceOf(std::initializer_list<const char*> lines) {
  std::vector<QJsonObject> parsed;
  for (const char* line : lines) parsed.push_back(QJsonDocument::fromJson(line).object());
  return parsed;
}

// Names keys by their code and modifiers by letters, so the tests see what was passed.
QString plainName(int keyCode, int modifiers) {
  QString text;
  if (modifiers & 0x0100) text += u'C';
  if (modifiers & 0x0800) text += u'O';
  if (modifiers & 0x1000) text += u'T';
  if (modifiers & 0x0200) text += u'S';
  if (keyCode >= 0) text += QStringLiteral("<%1>").arg(keyCode);
  return text;
}

QString describe(std::initializer_list<const char*> lines) {
  return describeActions(traceOf(lines), plainName);
}

#define KEY(code, down) "{\"op\":\"keyboardEvent\",\"keyCode\":" #code ",\"down\":" #down "}"

TEST(DemoNarrator, TellsACombinationWithTheModifiersHeldAtItsKeyAndThePauseAfterIt) {
  EXPECT_EQ(describe({"{\"op\":\"suppressionInterval\",\"seconds\":0}",
                      "{\"op\":\"eventStateCombining\",\"enabled\":false}", KEY(56, true),
                      KEY(55, true), KEY(0, true), KEY(0, false), KEY(55, false), KEY(56, false),
                      "{\"op\":\"eventStateCombining\",\"enabled\":true}",
                      "{\"op\":\"sleep\",\"seconds\":0.25}"}),
            "typed CS<0>, waited 0.25 s");
}

TEST(DemoNarrator, JoinsKeysTypedOneAfterAnotherUntilAPauseComes) {
  EXPECT_EQ(describe({KEY(4, true), KEY(4, false), KEY(34, true), KEY(34, false),
                      "{\"op\":\"sleep\",\"seconds\":1.5}", KEY(36, true), KEY(36, false)}),
            "typed <4>, <34>, waited 1.5 s, typed <36>");
}

TEST(DemoNarrator, ModifiersReleasedBetweenKeysNoLongerCount) {
  EXPECT_EQ(describe({KEY(59, true), KEY(8, true), KEY(8, false), KEY(59, false), KEY(8, true),
                      KEY(8, false)}),
            "typed T<8>, <8>");
}

TEST(DemoNarrator, RightHandModifiersCountLikeTheLeftOnes) {
  EXPECT_EQ(describe({KEY(54, true), KEY(61, true), KEY(1, true), KEY(1, false), KEY(61, false),
                      KEY(54, false)}),
            "typed CO<1>");
}

TEST(DemoNarrator, AModifierPressedAloneIsACombinationOfItsOwn) {
  EXPECT_EQ(describe({KEY(58, true), KEY(56, true), KEY(56, false), KEY(58, false)}), "pressed OS");
}

TEST(DemoNarrator, AProfileSwitchIsToldOnceWithTheNameShown) {
  EXPECT_EQ(describe({"{\"op\":\"overlayName\",\"name\":\"Games\"}",
                      "{\"op\":\"notification\",\"name\":\"Profile Changed\",\"object\":\"x\","
                      "\"userInfo\":{\"Index\":\"3\"}}",
                      "{\"op\":\"alpha\",\"value\":0.2}"}),
            "switched to Games (shown on screen)");
}

TEST(DemoNarrator, ASwitchNotShownOnScreenIsToldByItsNumber) {
  EXPECT_EQ(describe({"{\"op\":\"notification\",\"name\":\"Profile Changed\",\"object\":\"x\","
                      "\"userInfo\":{\"Index\":\"3\"}}"}),
            "switched to profile 4");
  EXPECT_EQ(describe({"{\"op\":\"notification\",\"name\":\"Other\",\"object\":\"x\","
                      "\"userInfo\":{}}"}),
            "");
}

TEST(DemoNarrator, TellsScriptsLaunchesAndSystemEvents) {
  EXPECT_EQ(describe({"{\"op\":\"script\",\"handler\":\"handlemediakey\",\"key\":\"Play\","
                      "\"param\":\"VLC\"}"}),
            "asked VLC to Play");
  EXPECT_EQ(describe({"{\"op\":\"script\",\"handler\":\"handlemediakey\",\"key\":\"Home\","
                      "\"param\":\"\"}"}),
            "ran its script for Home");
  EXPECT_EQ(describe({"{\"op\":\"open\",\"path\":\"/usr/bin/xterm\"}"}), "opened /usr/bin/xterm");
  EXPECT_EQ(
      describe({"{\"op\":\"hidPostEvent\",\"type\":14}", "{\"op\":\"hidPostEvent\",\"type\":14}",
                "{\"op\":\"log\",\"message\":\"m\"}", "{\"op\":\"hidPostEvent\",\"type\":14}"}),
      "posted 2 system key events, posted 1 system key event");
}

// The players and image applications by the names the preferences show for the stored values.
TEST(DemoNarrator, NamesApplicationsAsTheTableDoes) {
  const ApplicationNames table =
      ApplicationNames::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/ApplicationNames.tsv"));
  const auto told = [&](const char* key, const char* param) {
    const QString line =
        QStringLiteral(R"({"op":"script","handler":"handlemediakey","key":"%1","param":"%2"})")
            .arg(QLatin1String(key), QLatin1String(param));
    return describeActions(traceOf({line.toUtf8().constData()}), plainName, table);
  };
  EXPECT_EQ(told("Play", "iTunes"), "asked Rhythmbox to Play");
  EXPECT_EQ(told("Next", "QuickTime Player"), "asked Videos to Next");
  EXPECT_EQ(told("ZoomIn", "Adobe Reader"), "asked Document Viewer to ZoomIn");
  EXPECT_EQ(told("Play", "Winamp"), "asked Winamp to Play");  // not in the table: as stored
}

TEST(DemoNarrator, LinesThatShowNothingToTheUserTellNothing) {
  EXPECT_EQ(describe({}), "");
  EXPECT_EQ(describe({"{\"op\":\"log\",\"message\":\"hello\"}", "{\"op\":\"overlayHide\"}",
                      "{\"op\":\"driverProperties\"}", "{}", KEY(0, false)}),
            "");
}

}  // namespace
}  // namespace halvane::demo

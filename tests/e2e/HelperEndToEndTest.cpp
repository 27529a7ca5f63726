// The real helper as a user meets it: a settings file, a keyboard (virtual), the session bus.
#include "BusRecorder.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusReply>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>

namespace halvane::test {
namespace {

const QString kKeyboardInterface = QStringLiteral("1209-4856-0001-0006-test.sock");
const QString kConsumerInterface = QStringLiteral("1209-4856-000c-0001-test.sock");

QString op(const QJsonObject& line) {
  return line[QStringLiteral("op")].toString();
}

// The trace lines from index from on, as compact text such as "keyboardEvent 56 down".
QStringList describe(const std::vector<QJsonObject>& lines, size_t from, size_t to) {
  QStringList out;
  for (size_t i = from; i < std::min(to, lines.size()); ++i) {
    const QJsonObject& l = lines[i];
    const QString o = op(l);
    if (o == QLatin1String("keyboardEvent"))
      out << QStringLiteral("key %1 %2")
                 .arg(l["keyCode"].toInt())
                 .arg(l["down"].toBool() ? "down" : "up");
    else if (o == QLatin1String("sleep"))
      out << QStringLiteral("sleep %1").arg(l["seconds"].toDouble());
    else if (o == QLatin1String("eventStateCombining"))
      out << QStringLiteral("combining %1").arg(l["enabled"].toBool() ? "on" : "off");
    else if (o == QLatin1String("suppressionInterval"))
      out << QStringLiteral("suppression %1").arg(l["seconds"].toDouble());
  }
  return out;
}

class HelperEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
    settings_ = settings::read(defaultsPath());
    ASSERT_TRUE(settings_.isDictionary());
  }

  PlistValue profile(int n) { return settings_["Profiles"].at(n); }
  PlistValue key(int profileIndex, int k) { return profile(profileIndex)["MacroKeys"].at(k); }

  // Starts the helper with the settings as edited so far and both keyboard interfaces.
  void startHelper(bool withKeyboard = true) {
    ASSERT_TRUE(settings::write(settings_, helper_.settingsPath()));
    if (withKeyboard) {
      keyboard_ = std::make_unique<VirtualInterface>(helper_.keyboardFolder(), kKeyboardInterface);
      consumer_ = std::make_unique<VirtualInterface>(helper_.keyboardFolder(), kConsumerInterface);
    }
    ASSERT_TRUE(helper_.start());
    ASSERT_TRUE(waitUntil([&] { return recorder_.count("server up") == 1; }))
        << "the helper never offered its server; output: "
        << helper_.standardOutput().toStdString();
    if (withKeyboard) {
      ASSERT_TRUE(keyboard_->acceptConnection());
      ASSERT_TRUE(consumer_->acceptConnection());
    }
  }

  QDBusInterface server() {
    return QDBusInterface(QString::fromLatin1(control::kServiceName),
                          QString::fromLatin1(control::kServerPath),
                          QString::fromLatin1(control::kServerInterface), bus_.connection());
  }

  PrivateBus bus_;
  BusRecorder recorder_{bus_.connection()};
  HelperProcess helper_{bus_.address()};
  PlistValue settings_;
  std::unique_ptr<VirtualInterface> keyboard_, consumer_;
};

TEST_F(HelperEndToEnd, StartsInTheStoredProfileAndAnnouncesItBeforeServing) {
  settings_.set("CurrentProfile", 4);
  settings_.set("ShowChangesOnScreen", true);
  profile(4).set("Name", "Racing");
  startHelper(false);

  const QStringList expected = {
      QStringLiteral("notification Profile Changed com.halvane.keyboard.pane Index=4"),
      QStringLiteral("server up")};
  EXPECT_EQ(recorder_.events, expected);
  EXPECT_TRUE(helper_.waitForTrace([](const QJsonObject& l) {
    return op(l) == QLatin1String("overlayName") && l["name"].toString() == QLatin1String("Racing");
  }));
  QDBusReply<int> current = server().call(QStringLiteral("getCurrentProfile"));
  ASSERT_TRUE(current.isValid());
  EXPECT_EQ(current.value(), 4);
  // The overlay fades in, is seen at full strength by the idle check, and fades out.
  const auto full = helper_.waitForTrace([](const QJsonObject& l) {
    return op(l) == QLatin1String("alpha") && l["value"].toDouble() >= 1.0;
  });
  ASSERT_TRUE(full);
  const auto hidden = helper_.waitForOp(QStringLiteral("overlayHide"), *full);
  ASSERT_TRUE(hidden);
  EXPECT_TRUE(helper_.waitForTrace(
      [](const QJsonObject& l) {
        return op(l) == QLatin1String("alpha") && l["value"].toDouble() < 0.01;
      },
      *hidden));
  std::vector<double> alphas;
  for (const QJsonObject& l : helper_.trace())
    if (op(l) == QLatin1String("alpha")) alphas.push_back(l["value"].toDouble());
  ASSERT_GE(alphas.size(), 15u);
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(alphas[size_t(i)], 0.2 * (i + 1), 1e-6);
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(alphas[size_t(5 + i)], 0.9 - 0.1 * i, 1e-6);
}

TEST_F(HelperEndToEnd, AMacroKeyPlaysItsMacroWithItsPauses) {
  PlistValue l1 = key(0, 0);
  l1.set("ActionType", "ExecuteMacro");
  PlistValue combo = l1["KeyCombo"];
  combo.set("keyCode0", 0);  // A with Command and Shift, then a quarter second
  combo.set("modifiers0", 0x0300);
  combo.set("delay0", 250);
  combo.set("keyCode2", 11);  // step 1 stays empty; then B alone
  combo.set("modifiers2", 0);
  startHelper();

  const size_t before = helper_.trace().size();
  ASSERT_TRUE(keyboard_->send(QByteArray::fromHex("0000f10000000000")));
  ASSERT_TRUE(keyboard_->send(QByteArray::fromHex("0000000000000000")));
  const auto last = helper_.waitForTrace(
      [](const QJsonObject& l) {
        return op(l) == QLatin1String("keyboardEvent") && l["keyCode"].toInt() == 11 &&
               !l["down"].toBool();
      },
      before);
  ASSERT_TRUE(last);
  const QStringList expected = {"suppression 0", "combining off",    "key 56 down", "key 55 down",
                                "key 0 down",    "key 0 up",         "key 55 up",   "key 56 up",
                                "combining on",  "suppression 0.25", "sleep 0.25",  "suppression 0",
                                "combining off", "key 11 down",      "key 11 up"};
  EXPECT_EQ(describe(helper_.trace(), before, *last + 1), expected);
}

TEST_F(HelperEndToEnd, MediaAndEjectKeys) {
  profile(0).set("MediaPlayer", "VLC");
  startHelper();
  ASSERT_TRUE(consumer_->send(QByteArray::fromHex("00f100")));
  const auto script = helper_.waitForTrace([](const QJsonObject& l) {
    return op(l) == QLatin1String("script") && l["key"].toString() == QLatin1String("Play");
  });
  ASSERT_TRUE(script);
  EXPECT_EQ(helper_.trace()[*script]["param"].toString(), "VLC");
  EXPECT_EQ(helper_.trace()[*script]["handler"].toString(), "handlemediakey");

  const size_t before = helper_.trace().size();
  ASSERT_TRUE(keyboard_->send(QByteArray::fromHex("0000fc0000000000")));
  ASSERT_TRUE(waitUntil(
      [&] {
        int posts = 0;
        const auto lines = helper_.trace();
        for (size_t i = before; i < lines.size(); ++i)
          posts += op(lines[i]) == QLatin1String("hidPostEvent");
        return posts >= 3;
      },
      15s))
      << [&] {
           std::string all;
           for (const QJsonObject& l : helper_.trace())
             all += QJsonDocument(l).toJson(QJsonDocument::Compact).toStdString() + "\n";
           return all;
         }();
  QStringList records;
  const auto lines = helper_.trace();
  for (size_t i = before; i < lines.size(); ++i)
    if (op(lines[i]) == QLatin1String("hidPostEvent"))
      records << QStringLiteral("%1 %2")
                     .arg(lines[i]["type"].toInt())
                     .arg(lines[i]["record"].toString().left(24));
  // Eject pre-event, then the auxiliary-control press and release.
  EXPECT_EQ(records, QStringList({"14 00000a000000000000000000", "14 00000800000a0e00ffffffff",
                                  "14 00000800000b0e00ffffffff"}));
}

TEST_F(HelperEndToEnd, ThePaneSwitchesQuietlyAndReloadsSettings) {
  startHelper();
  recorder_.events.clear();
  QDBusInterface helper = server();
  ASSERT_TRUE(helper.call(QStringLiteral("setCurrentProfile"), 2).type() !=
              QDBusMessage::ErrorMessage);
  QDBusReply<int> current = helper.call(QStringLiteral("getCurrentProfile"));
  EXPECT_EQ(current.value(), 2);

  // Apply in the pane: the file changes, then the helper reloads for the same index.
  PlistValue r1 = key(2, 5);
  r1.set("ActionType", "LaunchApp");
  r1.set("LaunchAppURL", "/usr/bin/true");
  profile(2).set("SwapCmdAlt", false);
  ASSERT_TRUE(settings::write(settings_, helper_.settingsPath()));
  keyboard_->received();  // what came before the reload
  ASSERT_TRUE(helper.call(QStringLiteral("reloadPrefs")).type() != QDBusMessage::ErrorMessage);
  EXPECT_EQ(server().call(QStringLiteral("getCurrentProfile")).arguments().value(0).toInt(), 2);
  std::vector<QByteArray> settingsLines;
  ASSERT_TRUE(waitUntil([&] {
    for (QByteArray& d : keyboard_->received()) settingsLines.push_back(d);
    return !settingsLines.empty();
  }));
  EXPECT_EQ(settingsLines.back(), "SwapCmdAlt=0 MacroMask=32\n");
  // The new assignment is in force for the next key.
  ASSERT_TRUE(keyboard_->send(QByteArray::fromHex("0000f60000000000")));
  EXPECT_TRUE(helper_.waitForTrace([](const QJsonObject& l) {
    return op(l) == QLatin1String("open") && l["path"].toString() == QLatin1String("/usr/bin/true");
  }));
  QCoreApplication::processEvents();
  EXPECT_EQ(recorder_.count("notification"), 0) << "the pane already knows the index it set";
}

TEST_F(HelperEndToEnd, KeyboardsComeAndGo) {
  startHelper(false);
  // Plugged in after start: matched. Another vendor's interface: left alone.
  VirtualInterface late(helper_.keyboardFolder(), kKeyboardInterface);
  VirtualInterface other(helper_.keyboardFolder(),
                         QStringLiteral("046d-c31c-0001-0006-other.sock"));
  ASSERT_TRUE(late.acceptConnection());
  EXPECT_FALSE(other.acceptConnection(std::chrono::milliseconds(300)));
  // A switch reaches the new keyboard.
  server().call(QStringLiteral("setCurrentProfile"), 0);
  EXPECT_TRUE(waitUntil([&] { return !late.received().empty(); }));
  late.unplug();
  EXPECT_TRUE(waitUntil([&] { return helper_.standardOutput().contains("removed\n"); }))
      << helper_.standardOutput().toStdString();
  EXPECT_TRUE(helper_.standardOutput().contains("keyboard record for service 0x"));
}

TEST_F(HelperEndToEnd, QuittingStoresTheCurrentProfileAndKeepsOtherEdits) {
  startHelper();
  server().call(QStringLiteral("setCurrentProfile"), 2);
  // Meanwhile the pane wrote the file without reaching the helper.
  PlistValue edited = settings::read(helper_.settingsPath());
  edited["Profiles"].at(7).set("Name", "Written while the helper was away");
  ASSERT_TRUE(settings::write(edited, helper_.settingsPath()));

  EXPECT_EQ(helper_.terminate(), std::optional<int>(0));
  const PlistValue after = settings::read(helper_.settingsPath());
  EXPECT_EQ(after["CurrentProfile"].intValue(), 2);
  EXPECT_EQ(after["Profiles"].at(7)["Name"].toString(), "Written while the helper was away");
}

TEST_F(HelperEndToEnd, QuittingWithAnUnreadableFileWritesTheHelpersSettings) {
  profile(3).set("Name", "Kept by the helper");
  startHelper();
  server().call(QStringLiteral("setCurrentProfile"), 3);
  QFile file(helper_.settingsPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<plist><dict><key>broken");
  file.close();

  EXPECT_EQ(helper_.terminate(), std::optional<int>(0));
  const PlistValue after = settings::read(helper_.settingsPath());
  ASSERT_TRUE(after.isDictionary());
  EXPECT_EQ(after["CurrentProfile"].intValue(), 3);
  EXPECT_EQ(after["Profiles"].at(3)["Name"].toString(), "Kept by the helper");
}

}  // namespace
}  // namespace halvane::test

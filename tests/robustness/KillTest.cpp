// SIGTERM while the helper types a macro into the X display (XTest) never leaves a key down:
// after the helper has gone, the X server's key map shows every key up.
#include "Robustness.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"
#include "tests/support/XClient.h"

#include <QDBusConnectionInterface>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

namespace halvane::test {
namespace {

constexpr std::array<int, 4> kModifierMasks{0x0200, 0x1000, 0x0800, 0x0100};
// Virtual key codes of letters, which every X keyboard map has.
constexpr std::array<int, 12> kLetterKeys{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12};
constexpr int kSteps = 8;
constexpr std::uint8_t kXShift = 50;

QString op(const QJsonObject& line) {
  return line[QStringLiteral("op")].toString();
}

class RobustnessKill : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "no X display: run through scripts/with-session";
    // Also keeps the server from resetting, which would clear its state.
    x_ = XClient::connect();
    ASSERT_TRUE(x_);
  }

  std::vector<int> keysDown() { return x_->keysDown(); }

  std::unique_ptr<XClient> x_;
};

// What the check below relies on: a key pressed through XTest by a client that then goes away
// stays down, and the key map shows it. Releasing is the helper's job, not the server's.
TEST_F(RobustnessKill, AKeyLeftDownByAClientThatWentAwayShowsInTheKeyMap) {
  ASSERT_TRUE(keysDown().empty());
  std::unique_ptr<XClient> other = XClient::connect();
  ASSERT_TRUE(other);
  other->fakeKey(kXShift, true);
  other.reset();
  EXPECT_EQ(keysDown(), std::vector<int>{kXShift});
  x_->fakeKey(kXShift, false);
  EXPECT_TRUE(keysDown().empty());
}

TEST_F(RobustnessKill, SigtermAtRandomMomentsLeavesNoKeyDown) {
  std::mt19937_64 rng = seededGenerator("kill", 1618);
  const int rounds = scaled(24);
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  auto serverRegistered = [&] {
    return bus.connection()
        .interface()
        ->isServiceRegistered(QString::fromLatin1(control::kServiceName))
        .value();
  };
  const QString keyboardName = QStringLiteral("1209-4856-0001-0006-kill.sock");

  QStringList moments;
  for (int round = 0; round < rounds; ++round) {
    ASSERT_TRUE(keysDown().empty()) << "round " << round << " starts with keys down";
    // L1 of profile 0: eight steps, each a letter with one to four modifiers, then a pause.
    PlistValue settings = settings::read(defaultsPath());
    PlistValue l1 = settings[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
    l1.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    PlistValue combo = l1[QStringLiteral("KeyCombo")];
    int macroMs = 0;
    for (int step = 0; step < kSteps; ++step) {
      int modifiers = 0;
      while (modifiers == 0)
        for (int mask : kModifierMasks)
          if (chance(rng, 0.4)) modifiers |= mask;
      const int delay = uniform(rng, 10, 40);
      macroMs += delay;
      combo.set(QStringLiteral("keyCode%1").arg(step),
                kLetterKeys[size_t(uniform(rng, 0, int(kLetterKeys.size()) - 1))]);
      combo.set(QStringLiteral("modifiers%1").arg(step), modifiers);
      combo.set(QStringLiteral("delay%1").arg(step), delay);
    }

    HelperProcess helper(bus.address());
    helper.setEnvironment(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    helper.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ASSERT_TRUE(settings::write(settings, helper.settingsPath()));
    VirtualInterface keyboard(helper.keyboardFolder(), keyboardName);
    ASSERT_TRUE(waitUntil([&] { return !serverRegistered(); }, 10s));
    ASSERT_TRUE(helper.start());
    ASSERT_TRUE(waitUntil(serverRegistered, 30s)) << helper.standardOutput().toStdString();
    ASSERT_TRUE(keyboard.acceptConnection(10s));
    ASSERT_TRUE(helper.waitForTrace([](const QJsonObject& l) {
      return op(l) == QLatin1String("log") && l[QStringLiteral("message")].toString().startsWith(
                                                  QLatin1String("Synthetic keys: XTest"));
    })) << "the helper does not type through XTest";

    // The macro key pressed one to three times: the signal may come in any of the macros.
    const size_t before = helper.trace().size();
    const int presses = uniform(rng, 1, 3);
    for (int i = 0; i < presses; ++i) {
      ASSERT_TRUE(keyboard.send(QByteArray::fromHex("0000f10000000000")));
      ASSERT_TRUE(keyboard.send(QByteArray::fromHex("0000000000000000")));
    }
    ASSERT_TRUE(helper.waitForOp(QStringLiteral("keyboardEvent"), before, 10s))
        << "the macro did not start";
    const int delayMs = uniform(rng, 0, macroMs * presses);
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    const std::optional<int> exitCode = helper.terminate(30s);
    EXPECT_EQ(exitCode, std::optional<int>(0)) << "round " << round;

    const std::vector<int> down = keysDown();
    EXPECT_TRUE(down.empty()) << "round " << round << ": SIGTERM " << delayMs << " ms into "
                              << presses << " macro(s) of " << macroMs << " ms left " << down.size()
                              << " key(s) down, the first X key code "
                              << (down.empty() ? 0 : down.front());
    for (int key : down) x_->fakeKey(std::uint8_t(key), false);  // a clean start for the next round

    // The trace agrees: every key the helper pressed it also released.
    std::map<int, int> held;
    int events = 0;
    for (const QJsonObject& line : helper.trace()) {
      if (op(line) != QLatin1String("keyboardEvent")) continue;
      held[line[QStringLiteral("keyCode")].toInt()] +=
          line[QStringLiteral("down")].toBool() ? 1 : -1;
      ++events;
    }
    for (const auto& [key, count] : held)
      EXPECT_EQ(count, 0) << "round " << round << ": virtual key " << key;
    moments << QStringLiteral("%1/%2ms(%3 events)").arg(delayMs).arg(macroMs * presses).arg(events);
  }
  std::printf("kill: %d rounds, SIGTERM at %s\n", rounds,
              qPrintable(moments.join(QStringLiteral(", "))));
  std::fflush(stdout);
  RecordProperty("rounds", rounds);
}

}  // namespace
}  // namespace halvane::test

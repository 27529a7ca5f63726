// The real helper during a macro's long pause: it answers the pane at once, quits at once on
// SIGTERM and stops the macro when logind announces a suspend; no key is left down (the trace
// is the poster's record: every key-down it posted has its key-up).

#include "shared/control/ControlChannel.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsStore.h"
#include "tests/platform/system/session/FakeLogindProcess.h"
#include "tests/support/HelperHarness.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace halvane::test {
namespace {

constexpr int kPauseMs = 3000;  // after the first key; the second key follows it
constexpr int kSecondKey = 5;

QString op(const QJsonObject& line) {
  return line[QStringLiteral("op")].toString();
}

class MacroHelper : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
  }

  // Starts the helper with L1 = key 4, a long pause, key 5; presses L1 and waits for key 4.
  void startMacro() {
    const size_t before = pressL1([](PlistValue& combo) {
      for (int i = 0; i < 8; ++i) {
        combo.set(QStringLiteral("keyCode%1").arg(i), i == 0 ? 4 : i == 1 ? kSecondKey : -1);
        combo.set(QStringLiteral("modifiers%1").arg(i), i < 2 ? 0x0200 : -1);
        combo.set(QStringLiteral("delay%1").arg(i), i == 0 ? kPauseMs : 0);
      }
    });
    ASSERT_TRUE(helper_.waitForOp(QStringLiteral("sleep"), before, 10s))
        << "the macro did not start";
  }

  // Starts the helper with L1 a macro whose key combination `fill` writes, and presses L1: the
  // trace's length before the press.
  size_t pressL1(const std::function<void(PlistValue&)>& fill) {
    PlistValue settings = settings::read(defaultsPath());
    PlistValue l1 = settings[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
    l1.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    PlistValue combo = l1[QStringLiteral("KeyCombo")];
    fill(combo);
    EXPECT_TRUE(settings::write(settings, helper_.settingsPath()));
    keyboard_ = std::make_unique<VirtualInterface>(helper_.keyboardFolder(),
                                                   QStringLiteral("1209-4856-0001-0006-m.sock"));
    EXPECT_TRUE(helper_.start());
    EXPECT_TRUE(keyboard_->acceptConnection(10s)) << helper_.standardOutput().toStdString();
    EXPECT_TRUE(helper_.waitForOp(QStringLiteral("notification"), 0, 10s));
    const size_t before = helper_.trace().size();
    EXPECT_TRUE(keyboard_->send(QByteArray::fromHex("0000f10000000000")));
    EXPECT_TRUE(keyboard_->send(QByteArray::fromHex("0000000000000000")));
    return before;
  }

  // Key-downs without their key-up, and whether the second key was ever typed.
  std::pair<int, bool> keysLeftDown() const {
    std::map<int, int> held;
    bool second = false;
    for (const QJsonObject& line : helper_.trace()) {
      if (op(line) != QLatin1String("keyboardEvent")) continue;
      const int key = line[QStringLiteral("keyCode")].toInt();
      held[key] += line[QStringLiteral("down")].toBool() ? 1 : -1;
      second = second || key == kSecondKey;
    }
    int down = 0;
    for (const auto& [key, count] : held) down += count;
    return {down, second};
  }

  PrivateBus bus_;
  HelperProcess helper_{bus_.address()};
  std::unique_ptr<VirtualInterface> keyboard_;
};

TEST_F(MacroHelper, ThePaneIsAnsweredDuringAPause) {
  startMacro();
  QDBusInterface server(QString::fromLatin1(control::kServiceName),
                        QString::fromLatin1(control::kServerPath),
                        QString::fromLatin1(control::kServerInterface), bus_.connection());
  QElapsedTimer elapsed;
  elapsed.start();
  const QDBusReply<int> current = server.call(QStringLiteral("getCurrentProfile"));
  const qint64 ms = elapsed.elapsed();
  ASSERT_TRUE(current.isValid()) << current.error().message().toStdString();
  EXPECT_EQ(current.value(), 0);
  EXPECT_LT(ms, 50) << "getCurrentProfile took " << ms << " ms during the pause";
  EXPECT_FALSE(keysLeftDown().second) << "the macro was still in its pause";
}

TEST_F(MacroHelper, SigtermDuringAPauseQuitsWithNoKeyDown) {
  startMacro();
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_EQ(helper_.terminate(std::chrono::milliseconds(kPauseMs / 2)), std::optional<int>(0))
      << "the helper did not quit within half the pause";
  std::printf("SIGTERM to exit during a pause: %lld ms\n",
              static_cast<long long>(elapsed.elapsed()));
  const auto [down, second] = keysLeftDown();
  EXPECT_EQ(down, 0);
  EXPECT_FALSE(second) << "nothing of the macro is played after the signal";
}

TEST_F(MacroHelper, ASuspendStopsTheMacro) {
  FakeLogindProcess logind(bus_.address());
  ASSERT_TRUE(logind.ready());
  helper_.setEnvironment(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus_.address());
  startMacro();
  const size_t before = helper_.trace().size();
  ASSERT_TRUE(logind.send("sleep 1"));
  EXPECT_TRUE(helper_.waitForTrace(
      [](const QJsonObject& l) {
        return op(l) == QLatin1String("log") &&
               l[QStringLiteral("message")].toString() ==
                   QLatin1String("Macro stopped: the system goes to sleep");
      },
      before, 2s));
  ASSERT_TRUE(logind.send("sleep 0"));
  EXPECT_FALSE(helper_.waitForOp(QStringLiteral("keyboardEvent"), before,
                                 std::chrono::milliseconds(kPauseMs)))
      << "nothing is typed after the suspend, nor after the resume";
  const auto [down, second] = keysLeftDown();
  EXPECT_EQ(down, 0);
  EXPECT_FALSE(second);
}

// The real helper with the trace-only backends plays a text, a click and the wheel from the
// settings file, in order, and ends with nothing held.
TEST_F(MacroHelper, ATextAClickAndTheWheelPlayInOrder) {
  using namespace settings;
  const QString text = QStringLiteral("Grüße \U0001F600");
  const size_t before = pressL1([&](PlistValue& combo) {
    writeMacroSteps(combo, {MacroStep::typing(text, 20),
                            MacroStep::mouseButton(MouseButton::Left, ButtonAction::Click),
                            MacroStep::scroll(WheelDirection::Down, 2)});
  });
  ASSERT_TRUE(helper_.waitForOp(QStringLiteral("wheel"), before, 10s)) << "the macro did not end";

  QStringList played;
  for (const QJsonObject& line : helper_.trace()) {
    const QString name = op(line);
    if (name == u"typeCharacter")
      played << QStringLiteral("type ") + line[QStringLiteral("character")].toString();
    else if (name == u"pointerButton")
      played << QStringLiteral("%1 %2").arg(
          line[QStringLiteral("button")].toString(),
          line[QStringLiteral("down")].toBool() ? u"down" : u"up");
    else if (name == u"wheel")
      played << QStringLiteral("wheel %1 %2")
                    .arg(line[QStringLiteral("direction")].toString())
                    .arg(line[QStringLiteral("notches")].toInt());
    else if (name == u"beginText" || name == u"endText" ||
             (name == u"sleep" && line[QStringLiteral("seconds")].toDouble() > 0))
      played << name;
  }
  QStringList expected{QStringLiteral("beginText")};
  for (const char32_t c : text.toUcs4())
    expected << QStringLiteral("type ") + QString::fromUcs4(&c, 1);
  expected << QStringLiteral("endText") << QStringLiteral("sleep") << QStringLiteral("Left down")
           << QStringLiteral("Left up") << QStringLiteral("wheel Down 2");
  EXPECT_EQ(played, expected);
  EXPECT_EQ(keysLeftDown().first, 0);
}

}  // namespace
}  // namespace halvane::test

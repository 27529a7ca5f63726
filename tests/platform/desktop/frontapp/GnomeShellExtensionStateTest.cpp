// What the GNOME source makes of the Shell's word on our extension: its first answer and the
// ExtensionStateChanged signals after it, as GNOME Shell 43 and 48 send them (a stand-in Shell on
// a private bus). GNOME 45 on load extensions after answering on the bus, so an early answer
// must not be taken for the user's choice.
#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/FakeBusObject.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusMessage>

#include <optional>
#include <vector>

namespace halvane {
namespace {

using test::waitUntil;

// A state as the Shell serialises it; enabled is only sent from GNOME 46 on.
QVariantMap info(double state, std::optional<bool> enabled = std::nullopt) {
  QVariantMap map{{QStringLiteral("state"), state}};
  if (enabled) map.insert(QStringLiteral("enabled"), *enabled);
  return map;
}

// The outcomes the helper's registry would hear: the same lines as the log.
struct HeardOutcomes : BackendOutcomes {
  QStringList lines;
  void outcome(BackendService service, const QString& text) override {
    EXPECT_EQ(service, BackendService::FrontApplication);
    lines.append(text);
  }
};

struct Step {
  QVariantMap signal;  // sent for our extension
  std::optional<bool> expected;
};

struct Case {
  const char* name;
  QVariantMap answer;  // to GetExtensionInfo
  std::vector<Step> steps;
  std::optional<bool> expectedAtFirst;
  int logLines;  // "not enabled" lines in all, each also an outcome
};

TEST(GnomeShellExtensionState, FollowsTheShellAndWaitsOutLoading) {
  const std::vector<Case> cases = {
      {"43, running", info(1), {}, true, 0},
      {"43, disabled, then enabled", info(2), {{info(1), true}}, false, 1},
      {"not installed", {}, {}, false, 1},
      {"48, asked while loading",
       info(3, true),
       {{info(2, true), {}}, {info(8, true), {}}, {info(1, true), true}},
       std::nullopt,
       0},
      {"48, disabled by the user",
       info(1, true),
       {{info(7, false), true}, {info(2, false), false}, {info(2, false), false}},
       true,
       1},
      {"48, enabled but failing", info(3, true), {{info(3, true), false}}, std::nullopt, 1},
      {"48, out of date", info(4, false), {}, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::PrivateBus bus;
    QDBusConnection shellBus = bus.connect(QStringLiteral("shell"));
    test::FakeBusObject shell(shellBus,
                              QStringLiteral("<interface name=\"org.gnome.Shell.Extensions\"/>"),
                              [&](const QDBusMessage&) { return QList<QVariant>{c.answer}; });
    ASSERT_TRUE(
        shell.serve(QString::fromLatin1(kGnomeShellBusName), QStringLiteral("/org/gnome/Shell")));

    FakeSystemLog log;
    HeardOutcomes outcomes;
    WindowActivationRelay relay;
    GnomeShellActiveWindowSource source({log, outcomes, relay}, bus.connection());
    // The Shell's answers and signals have been handled once a later call to it comes back.
    const auto settle = [&] {
      ASSERT_TRUE(test::roundTrip(bus.connection(), QString::fromLatin1(kGnomeShellBusName),
                                  QStringLiteral("/org/gnome/Shell")));
    };
    ASSERT_TRUE(waitUntil([&] { return !shell.calls.empty(); }));
    settle();
    EXPECT_EQ(source.extensionEnabled(), c.expectedAtFirst);

    const auto send = [&](const QString& uuid, const QVariantMap& state) {
      QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/gnome/Shell"),
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QStringLiteral("ExtensionStateChanged"));
      signal.setArguments({uuid, state});
      shellBus.send(signal);
      settle();
    };
    for (const Step& step : c.steps) {
      // Another extension's change never counts for ours.
      send(QStringLiteral("other@example.com"), info(step.expected.value_or(false) ? 2 : 1));
      send(QLatin1String(GnomeShellActiveWindowSource::kExtensionUuid), step.signal);
      EXPECT_EQ(source.extensionEnabled(), step.expected)
          << "state " << step.signal.value(QStringLiteral("state")).toDouble();
    }
    EXPECT_EQ(log.lines.size(), c.logLines) << log.lines.join('\n').toStdString();
    EXPECT_EQ(outcomes.lines, log.lines);
  }
}

}  // namespace
}  // namespace halvane

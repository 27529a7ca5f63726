// Hot keys through the desktop portal's GlobalShortcuts, against a fake portal on a private bus;
// and which hot-key backend a session gets.
#include "platform/input/hotkeys/HotKeyBackendChoice.h"
#include "platform/input/hotkeys/PortalHotKeyService.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/settings/MacModifiers.h"
#include "tests/support/FakeBusObject.h"
#include "tests/support/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QTimer>

#include <optional>
#include <utility>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kSession =
    QStringLiteral("/org/freedesktop/portal/desktop/session/fake/halvane_hotkeys");

// What the portal got in one BindShortcuts: "id=trigger" for each shortcut.
QStringList boundShortcuts(const QDBusMessage& call) {
  QStringList bound;
  const QDBusArgument shortcuts = call.arguments().value(1).value<QDBusArgument>();
  shortcuts.beginArray();
  while (!shortcuts.atEnd()) {
    QString id;
    QVariantMap properties;
    shortcuts.beginStructure();
    shortcuts >> id >> properties;
    shortcuts.endStructure();
    bound << id + u'=' + properties.value(QStringLiteral("preferred_trigger")).toString();
  }
  shortcuts.endArray();
  return bound;
}

// The portal's side: each request is answered by a Response signal on the request's path, as
// xdg-desktop-portal does, once the call itself has returned.
class FakePortal {
 public:
  explicit FakePortal(QDBusConnection connection)
      : connection_(connection),
        object_(connection,
                QStringLiteral("<interface name=\"org.freedesktop.portal.GlobalShortcuts\"/>"),
                [this](const QDBusMessage& call) { return answer(call); }) {}

  bool serve() {
    return object_.serve(QStringLiteral("org.freedesktop.portal.Desktop"), kPortalPath);
  }

  std::vector<QDBusMessage> calls(const QString& member) const {
    std::vector<QDBusMessage> found;
    for (const QDBusMessage& call : object_.calls)
      if (call.member() == member) found.push_back(call);
    return found;
  }
  void emitShortcut(const QString& member, const QString& session, const QString& id) {
    QDBusMessage signal = QDBusMessage::createSignal(kPortalPath, kPortalInterface, member);
    signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1234)
           << QVariantMap();
    connection_.send(signal);
  }

  size_t callCount() const { return object_.calls.size(); }
  bool answerBinds = true;
  uint version = 1;  // 0: the portal has no GlobalShortcuts

 private:
  QList<QVariant> answer(const QDBusMessage& call) {
    if (call.member() == QLatin1String("Get")) {
      if (!version) return {};
      return {QVariant::fromValue(QDBusVariant(version))};
    }
    const bool create = call.member() == QLatin1String("CreateSession");
    QVariantMap options;
    call.arguments().value(create ? 0 : 3).value<QDBusArgument>() >> options;
    QString sender = call.service().mid(1);
    sender.replace(u'.', u'_');
    const QString request =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
            .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    if (create || answerBinds) {
      QVariantMap results;
      if (create) results.insert(QStringLiteral("session_handle"), kSession);
      QTimer::singleShot(0, [this, request, results] {
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << 0u << results;
        connection_.send(response);
      });
    }
    return {QVariant::fromValue(QDBusObjectPath(request))};
  }

  QDBusConnection connection_;
  FakeBusObject object_;
};

class PortalHotKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
    ASSERT_TRUE(portal.serve());
    service = std::make_unique<PortalHotKeyService>(bus.connection(), log);
    service->setEventHandler([this](const HotKeyEvent& event) {
      events << QStringLiteral("%1 %2")
                    .arg(event.kind == kHotKeyPressed ? "press" : "release")
                    .arg(event.hotKeyId.id);
      return int(kHotKeyNoErr);
    });
    ASSERT_TRUE(waitUntil([&] { return !service->sessionHandle().isEmpty(); }));
  }
  // Lets the service's bind and the portal's answers go through: round trips to the portal on
  // the service's connection until two in a row find nothing new on either side.
  void settle() {
    for (int quiet = 0; quiet < 2;) {
      const std::pair<size_t, qsizetype> before{portal.callCount(), events.size()};
      ASSERT_TRUE(roundTrip(bus.connection(), QStringLiteral("org.freedesktop.portal.Desktop"),
                            kPortalPath));
      quiet =
          std::pair<size_t, qsizetype>{portal.callCount(), events.size()} == before ? quiet + 1 : 0;
    }
  }

  PrivateBus bus;
  FakePortal portal{bus.connect(QStringLiteral("portal"))};
  FakeSystemLog log;
  std::unique_ptr<PortalHotKeyService> service;
  QStringList events;
};

TEST_F(PortalHotKeys, RegistrationsMadeTogetherAreBoundAsOneSetAndEachComesBackWithItsId) {
  EXPECT_EQ(service->sessionHandle(), kSession);
  HotKeyService::Reference first = 0, second = 0;
  ASSERT_EQ(
      service->registerHotKey(kVK_ANSI_A, kCarbonControl | kCarbonShift, {0x48564b68, 7}, &first),
      kHotKeyNoErr);
  ASSERT_EQ(service->registerHotKey(kVK_F5, kCarbonCommand, {0x48564b68, 9}, &second),
            kHotKeyNoErr);
  EXPECT_NE(first, second);
  settle();
  ASSERT_EQ(portal.calls(QStringLiteral("BindShortcuts")).size(), 1u);
  const QDBusMessage bind = portal.calls(QStringLiteral("BindShortcuts"))[0];
  EXPECT_EQ(bind.arguments().value(0).value<QDBusObjectPath>().path(), kSession);
  EXPECT_EQ(boundShortcuts(bind), QStringList({QStringLiteral("hotkey-%1=CTRL+SHIFT+a").arg(first),
                                               QStringLiteral("hotkey-%1=LOGO+F5").arg(second)}));

  const QString firstId = QStringLiteral("hotkey-%1").arg(first);
  portal.emitShortcut(QStringLiteral("Activated"), kSession, firstId);
  portal.emitShortcut(QStringLiteral("Deactivated"), kSession, firstId);
  portal.emitShortcut(QStringLiteral("Activated"), kSession,
                      QStringLiteral("hotkey-%1").arg(second));
  // Another session's shortcut, and ids that are not ours.
  portal.emitShortcut(QStringLiteral("Activated"),
                      QStringLiteral("/org/freedesktop/portal/desktop/session/x/y"), firstId);
  portal.emitShortcut(QStringLiteral("Activated"), kSession, QStringLiteral("hotkey-999"));
  portal.emitShortcut(QStringLiteral("Activated"), kSession, QStringLiteral("other"));
  settle();
  EXPECT_EQ(events, QStringList({"press 7", "release 7", "press 9"}));
  EXPECT_EQ(log.lines, QStringList{});
}

TEST_F(PortalHotKeys, ChangesWhileABindIsUnansweredAreBoundOnceItIsAnswered) {
  portal.answerBinds = false;
  HotKeyService::Reference first = 0, second = 0;
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_1, kCarbonOption, {1, 1}, &first), kHotKeyNoErr);
  settle();
  ASSERT_EQ(service->registerHotKey(kVK_Space, 0, {1, 2}, &second), kHotKeyNoErr);
  service->unregisterHotKey(first);
  settle();
  EXPECT_EQ(portal.calls(QStringLiteral("BindShortcuts")).size(), 1u)
      << "bound again before the portal answered";

  // The portal answers the first bind: the set as it is now follows.
  portal.answerBinds = true;
  const QDBusMessage firstBind = portal.calls(QStringLiteral("BindShortcuts"))[0];
  QVariantMap options;
  firstBind.arguments().value(3).value<QDBusArgument>() >> options;
  QString sender = bus.connection().baseService().mid(1).replace(u'.', u'_');
  QDBusMessage response = QDBusMessage::createSignal(
      QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
          .arg(sender, options.value("handle_token").toString()),
      QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
  response << 0u << QVariantMap();
  bus.connect(QStringLiteral("portal")).send(response);
  settle();
  const auto binds = portal.calls(QStringLiteral("BindShortcuts"));
  ASSERT_EQ(binds.size(), 2u);
  EXPECT_EQ(boundShortcuts(binds[0]), QStringList{QStringLiteral("hotkey-%1=ALT+1").arg(first)});
  EXPECT_EQ(boundShortcuts(binds[1]), QStringList{QStringLiteral("hotkey-%1=space").arg(second)});
}

TEST(PortalVersion, IsAnsweredOnTheLoopWithTheVersionOrWhyThereIsNone) {
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  FakePortal portal{bus.connect(QStringLiteral("portal"))};
  QObject context;
  const auto ask = [&] {
    std::optional<std::pair<uint, QString>> answer;
    PortalHotKeyService::askPortalVersion(
        bus.connection(), &context,
        [&answer](uint version, const QString& whyNot) { answer.emplace(version, whyNot); });
    EXPECT_FALSE(answer) << "answered before the event loop ran: the call blocked";
    EXPECT_TRUE(waitUntil([&] { return answer.has_value(); }));
    return answer.value_or(std::pair<uint, QString>{99, QStringLiteral("no answer")});
  };

  EXPECT_EQ(ask(), std::make_pair(0u, QStringLiteral("no desktop portal")));
  ASSERT_TRUE(portal.serve());
  portal.version = 2;
  EXPECT_EQ(ask(), std::make_pair(2u, QString()));
  portal.version = 0;
  EXPECT_EQ(ask(), std::make_pair(0u, QStringLiteral("the desktop portal has no GlobalShortcuts")));
  ASSERT_EQ(portal.calls(QStringLiteral("Get")).size(), 2u);
  EXPECT_EQ(portal.calls(QStringLiteral("Get"))[0].arguments(),
            QVariantList({QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                          QStringLiteral("version")}));
}

TEST(PortalTrigger, NamesModifiersAndTheUSKeyAndRefusesKeysNoKeyboardHas) {
  const struct {
    int key, modifiers;
    const char* trigger;
  } cases[] = {
      {kVK_ANSI_A, kCarbonControl | kCarbonShift, "CTRL+SHIFT+a"},
      {kVK_ANSI_Z, kCarbonCommand | kCarbonOption, "ALT+LOGO+z"},
      {kVK_Home, 0, "Home"},
      {kVK_F1, kCarbonControl | kCarbonOption | kCarbonShift | kCarbonCommand,
       "CTRL+ALT+SHIFT+LOGO+F1"},
      {kVK_ANSI_Minus, kCarbonFunction, "minus"},  // no Fn on the desktop
      {0x7FFF, kCarbonControl, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PortalHotKeyService::trigger(c.key, c.modifiers), QString::fromLatin1(c.trigger))
        << c.trigger;
}

TEST(HotKeyBackendChoice, PortalOnWaylandElseXGrabsSayingWhatTheyMiss) {
  const struct {
    HotKeySession session;
    HotKeyBackend backend;
    const char* mentions;
  } cases[] = {
      {{true, true, 1, {}}, HotKeyBackend::Portal, "GlobalShortcuts (version 1)"},
      {{true, false, 2, {}}, HotKeyBackend::Portal, "GlobalShortcuts (version 2)"},
      {{true, true, 0, QStringLiteral("no desktop portal")},
       HotKeyBackend::XGrab,
       "only while an X application has the focus (no desktop portal)"},
      {{false, true, 0, {}}, HotKeyBackend::XGrab, "key grabs on the X server"},
      {{true, false, 0, QStringLiteral("no desktop portal")},
       HotKeyBackend::None,
       "no X display; no desktop portal"},
      {{false, false, 0, {}}, HotKeyBackend::None, "refused (no X display)"},
  };
  for (const auto& c : cases) {
    const HotKeyBackendChoice choice = chooseHotKeyBackend(c.session);
    EXPECT_EQ(choice.backend, c.backend) << c.mentions;
    EXPECT_TRUE(choice.logLine().contains(QLatin1String(c.mentions)))
        << choice.logLine().toStdString();
  }
}

}  // namespace
}  // namespace halvane::test

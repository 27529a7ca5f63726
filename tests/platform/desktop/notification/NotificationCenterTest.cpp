// Distributed notifications on a private bus: the signal's form on the wire, delivery to
// observers of one object, foreign signals of the wrong form, and the trace line of a post.
#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/desktop/notification/TracedDistributedNotificationCenter.h"
#include "shared/control/ControlChannel.h"
#include "tests/platform/desktop/notification/RawSignalRecorder.h"
#include "tests/support/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace halvane {
namespace {

using test::PrivateBus;
using test::RawSignalRecorder;
using test::waitUntil;

const QString kPane = QString::fromLatin1(control::kPaneNotificationIdentifier);
const QString kProfileChanged = QString::fromLatin1(control::kProfileChanged);

struct Heard {
  QString name, object;
  NotificationUserInfo userInfo;
  bool operator==(const Heard&) const = default;
};

[[maybe_unused]] void PrintTo(const Heard& h, std::ostream* os) {
  *os << '{' << qPrintable(h.name) << ", " << qPrintable(h.object);
  for (auto it = h.userInfo.begin(); it != h.userInfo.end(); ++it)
    *os << ", " << qPrintable(it.key()) << '=' << qPrintable(it.value());
  *os << '}';
}

class NotificationCenterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start"; }
  static DistributedNotificationCenter::Observer recordInto(std::vector<Heard>& heard) {
    return [&heard](const QString& name, const QString& object, const NotificationUserInfo& info) {
      heard.push_back({name, object, info});
    };
  }
  PrivateBus bus;
};

TEST_F(NotificationCenterTest, ProfileChangedReachesAnObserverOfThePaneObject) {
  DBusDistributedNotificationCenter helper(bus.connect(QStringLiteral("helper")));
  DBusDistributedNotificationCenter pane(bus.connect(QStringLiteral("pane")));
  std::vector<Heard> heard;
  pane.addObserver(kPane, recordInto(heard));

  helper.postNotification(kProfileChanged, kPane, control::profileChangedUserInfo(7));
  EXPECT_TRUE(heard.empty()) << "delivered inside the post, not from the main loop";
  ASSERT_TRUE(waitUntil([&] { return !heard.empty(); }));
  EXPECT_EQ(heard, std::vector<Heard>({{kProfileChanged, kPane, {{"Index", "7"}}}}));
  EXPECT_EQ(control::profileIndexFromUserInfo(heard.front().userInfo), 7);
}

TEST_F(NotificationCenterTest, ObserversHearOnlyTheirObjectButEveryName) {
  DBusDistributedNotificationCenter helper(bus.connect(QStringLiteral("helper")));
  DBusDistributedNotificationCenter pane(bus.connect(QStringLiteral("pane")));
  std::vector<Heard> paneHeard, otherHeard;
  pane.addObserver(kPane, recordInto(paneHeard));
  pane.addObserver(QStringLiteral("org.example.other"), recordInto(otherHeard));

  helper.postNotification(kProfileChanged, QStringLiteral("org.example.third"),
                          control::profileChangedUserInfo(1));
  helper.postNotification(QStringLiteral("Something Else"), kPane, {});
  helper.postNotification(kProfileChanged, QStringLiteral("org.example.other"),
                          control::profileChangedUserInfo(2));
  helper.postNotification(kProfileChanged, kPane, control::profileChangedUserInfo(0));
  // One sender's signals arrive in order: once the last is heard, every earlier one was.
  ASSERT_TRUE(waitUntil([&] { return paneHeard.size() >= 2; }));

  EXPECT_EQ(paneHeard, std::vector<Heard>({{QStringLiteral("Something Else"), kPane, {}},
                                           {kProfileChanged, kPane, {{"Index", "0"}}}}));
  EXPECT_EQ(otherHeard,
            std::vector<Heard>(
                {{kProfileChanged, QStringLiteral("org.example.other"), {{"Index", "2"}}}}));
}

TEST_F(NotificationCenterTest, PostIsOneBroadcastSignalOfTheFixedForm) {
  QDBusConnection helperBus = bus.connect(QStringLiteral("helper"));
  DBusDistributedNotificationCenter helper(helperBus);
  RawSignalRecorder listener(bus.connect(QStringLiteral("listener")));

  helper.postNotification(kProfileChanged, kPane, control::profileChangedUserInfo(4));
  ASSERT_TRUE(waitUntil([&] { return !listener.messages.isEmpty(); }));
  const QDBusMessage& m = listener.messages.front();
  EXPECT_EQ(m.type(), QDBusMessage::SignalMessage);
  EXPECT_EQ(m.path(), "/DistributedNotificationCenter");
  EXPECT_EQ(m.interface(), "com.halvane.DistributedNotificationCenter");
  EXPECT_EQ(m.member(), "Notification");
  EXPECT_EQ(m.signature(), "ssa{ss}");
  EXPECT_EQ(m.service(), helperBus.baseService());
  ASSERT_EQ(m.arguments().size(), 3);
  EXPECT_EQ(m.arguments().at(0).toString(), "Profile Changed");
  EXPECT_EQ(m.arguments().at(1).toString(), "com.halvane.keyboard.pane");
  EXPECT_EQ(qdbus_cast<NotificationUserInfo>(m.arguments().at(2)),
            NotificationUserInfo({{"Index", "4"}}));
}

TEST_F(NotificationCenterTest, SignalsOfAnotherFormAreIgnored) {
  QDBusConnection foreign = bus.connect(QStringLiteral("foreign"));
  DBusDistributedNotificationCenter pane(bus.connect(QStringLiteral("pane")));
  std::vector<Heard> heard;
  pane.addObserver(kPane, recordInto(heard));

  auto signal = [] {
    return QDBusMessage::createSignal(QString::fromLatin1(control::kNotificationPath),
                                      QString::fromLatin1(control::kNotificationInterface),
                                      QString::fromLatin1(control::kNotificationSignal));
  };
  QDBusMessage twoStrings = signal() << kProfileChanged << kPane;
  QDBusMessage variantMap = signal()
                            << kProfileChanged << kPane << QVariantMap{{"Index", QVariant(3)}};
  QDBusMessage right = signal() << kProfileChanged << kPane
                                << QVariant::fromValue(control::profileChangedUserInfo(9));
  ASSERT_TRUE(foreign.send(twoStrings));
  ASSERT_TRUE(foreign.send(variantMap));
  ASSERT_TRUE(foreign.send(right));
  ASSERT_TRUE(waitUntil([&] { return !heard.empty(); }));
  EXPECT_EQ(heard, std::vector<Heard>({{kProfileChanged, kPane, {{"Index", "9"}}}}));
}

TEST_F(NotificationCenterTest, TracedPostWritesOneLineAndStillPosts) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("trace.jsonl"));
  DBusDistributedNotificationCenter helperCenter(bus.connect(QStringLiteral("helper")));
  DBusDistributedNotificationCenter pane(bus.connect(QStringLiteral("pane")));
  std::vector<Heard> heard;
  pane.addObserver(kPane, recordInto(heard));
  {
    Trace trace(path);
    TracedDistributedNotificationCenter helper(helperCenter, trace);
    helper.postNotification(kProfileChanged, kPane, control::profileChangedUserInfo(4));
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(),
            "{\"op\":\"notification\",\"name\":\"Profile Changed\","
            "\"object\":\"com.halvane.keyboard.pane\",\"userInfo\":{\"Index\":\"4\"}}\n");
  ASSERT_TRUE(waitUntil([&] { return !heard.empty(); }));
  EXPECT_EQ(heard, std::vector<Heard>({{kProfileChanged, kPane, {{"Index", "4"}}}}));
}

TEST(ProfileChangedUserInfo, IndexTravelsAsDecimalTextAndReadsBackLikeAnIntegerValue) {
  for (int index = 0; index < 10; ++index) {
    const auto info = control::profileChangedUserInfo(index);
    EXPECT_EQ(info, NotificationUserInfo({{"Index", QString::number(index)}}));
    EXPECT_EQ(control::profileIndexFromUserInfo(info), index);
  }
  const struct {
    const char* text;
    int index;
  } cases[] = {{"0", 0}, {"7", 7}, {" 3", 3}, {"12abc", 12}, {"", 0}, {"x", 0}, {"-1", -1}};
  for (const auto& c : cases)
    EXPECT_EQ(control::profileIndexFromUserInfo({{"Index", c.text}}), c.index) << c.text;
  EXPECT_EQ(control::profileIndexFromUserInfo({{"Other", "5"}}), 0);
}

}  // namespace
}  // namespace halvane

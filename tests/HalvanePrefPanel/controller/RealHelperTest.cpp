// The pane against the real helper on a private bus, with a virtual keyboard: the pane shows
// the helper's profile, follows its switches, and a macro recorded in the pane plays when the
// keyboard presses the key after Apply.
#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "platform/desktop/help/FakeHelpViewer.h"
#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/desktop/openpanel/FakeOpenPanel.h"
#include "platform/desktop/workspace/FakeWorkspace.h"
#include "platform/system/control/DBusRemoteProxy.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"
#include "ui_HalvanePref.h"

#include <QApplication>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

PlistValue settingsOnProfile(int profile) {
  PlistValue tree = settings::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  tree.set(QStringLiteral("CurrentProfile"), profile);
  return tree;
}

QByteArray report(std::initializer_list<int> bytes) {
  QByteArray out;
  for (int b : bytes) out.append(char(b));
  return out;
}

TEST(RealHelper, PaneAndHelperWorkTogether) {
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  HelperProcess helper(bus.address());
  settings::write(settingsOnProfile(4), helper.settingsPath());
  VirtualInterface keyboard(helper.keyboardFolder(),
                            QStringLiteral("1209-4856-0001-0006-pane.sock"));
  QDBusConnection connection = bus.connection();
  ASSERT_TRUE(helper.start()) << "the helper did not start; output: "
                              << helper.standardOutput().toStdString();
  ASSERT_TRUE(waitUntil([&] { return DBusRemoteProxy::connect(connection) != nullptr; }, 10000ms))
      << "the helper did not register its server object; output: "
      << helper.standardOutput().toStdString();
  ASSERT_TRUE(keyboard.acceptConnection());

  PaneServices services;
  services.log = std::make_unique<FakeSystemLog>();
  services.connectToHelper = [connection]() -> std::unique_ptr<RemoteProxy> {
    return DBusRemoteProxy::connect(connection);
  };
  services.notificationCenter = std::make_unique<DBusDistributedNotificationCenter>(connection);
  services.openPanel = std::make_unique<FakeOpenPanel>();
  services.workspace = std::make_unique<FakeWorkspace>();
  services.helpViewer = std::make_unique<FakeHelpViewer>();
  services.settingsPath = helper.settingsPath();
  HalvanePref pane(std::move(services));
  pane.initWithBundle(Bundle(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane")));
  std::unique_ptr<QWidget> view = pane.loadMainView();
  pane.mainViewDidLoad();
  EXPECT_EQ(pane.editedProfile(), 4);

  // Record A (key code 0) on L1 of profile 4 and apply.
  pane.handleMacroButton(pane.m_Key[0]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  editor->setKeyCombo(HVKeyCombo(0, 0, 0));
  editor->ok();
  const size_t beforeApply = helper.trace().size();
  pane.outlets().applyButton->click();
  ASSERT_TRUE(helper.waitForTrace(
      [](const QJsonObject& line) {
        return line[QStringLiteral("op")] == QStringLiteral("driverProperties") &&
               (line[QStringLiteral("MacroMask")].toInt() & 1);
      },
      beforeApply));

  // The keyboard presses L1: the helper plays A.
  const size_t beforePress = helper.trace().size();
  keyboard.send(report({0, 0, 0xF1, 0, 0, 0, 0, 0}));
  keyboard.send(report({0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(helper.waitForTrace(
      [](const QJsonObject& line) {
        return line[QStringLiteral("op")] == QStringLiteral("keyboardEvent") &&
               line[QStringLiteral("keyCode")].toInt() == 0 &&
               line[QStringLiteral("down")].toBool();
      },
      beforePress));

  // F4 held with the profile key switches the helper to profile 3; the pane follows.
  keyboard.send(report({0, 0, 0x3D, 0xFB, 0, 0, 0, 0}));
  keyboard.send(report({0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(waitUntil([&] { return pane.editedProfile() == 3; }));
  view.reset();
  helper.terminate();
}

}  // namespace
}  // namespace halvane::test

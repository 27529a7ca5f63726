#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"

#include <QFile>

#include <QPixmap>

namespace halvane::test {

QString paneBundlePath() {
  return QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane");
}

PlistValue defaultsTree() {
  return readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
}

PaneRig::PaneRig(const PaneOptions& options) {
  if (!options.settings.isNone()) settings::write(options.settings, settingsPath());
  if (!options.settingsBytes.isEmpty()) {
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly)) file.write(options.settingsBytes);
  }
  server.currentProfile = options.helperProfile;

  PaneServices services;
  auto log = std::make_unique<FakeSystemLog>();
  this->log = log.get();
  services.log = std::move(log);
  if (options.helper) {
    KeyboardServer* served = options.server ? options.server : &server;
    services.connectToHelper = [this, served]() -> std::unique_ptr<RemoteProxy> {
      auto proxy = std::make_unique<FakeRemoteProxy>(*served);
      this->proxy = proxy.get();
      return proxy;
    };
  } else {
    services.connectToHelper = [] { return std::unique_ptr<RemoteProxy>(); };
  }
  auto notifications = std::make_unique<FakeDistributedNotificationCenter>();
  this->notifications = notifications.get();
  services.notificationCenter = std::move(notifications);
  auto openPanel = std::make_unique<FakeOpenPanel>();
  this->openPanel = openPanel.get();
  services.openPanel = std::move(openPanel);
  auto workspace = std::make_unique<FakeWorkspace>();
  this->workspace = workspace.get();
  services.workspace = std::move(workspace);
  auto help = std::make_unique<FakeHelpViewer>();
  helpViewer = help.get();
  services.helpViewer = std::move(help);
  auto installed = std::make_unique<FakeInstalledApplications>();
  QPixmap icon(16, 16);
  icon.fill(Qt::darkGreen);
  for (const QString& id : options.installedDesktopIds)
    installed->installed.insert(
        id, {QStringLiteral("/apps/") + id + QStringLiteral(".desktop"), QIcon(icon)});
  installedApplications = installed.get();
  services.installedApplications = std::move(installed);
  services.settingsPath = settingsPath();

  pane_ = std::make_unique<HalvanePref>(std::move(services));
  pane_->initWithBundle(Bundle(options.bundlePath));
  view_ = pane_->loadMainView();
  pane_->mainViewDidLoad();
  server.calls.clear();
}

PaneRig::~PaneRig() {
  view_.reset();
}

}  // namespace halvane::test

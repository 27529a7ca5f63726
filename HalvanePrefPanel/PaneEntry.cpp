// The plug-in's one entry point: the preferences host calls it to create the principal class,
// HalvanePref, with the real platform services.
#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "PaneSession.h"
#include "platform/desktop/help/DesktopHelpViewer.h"
#include "platform/desktop/installedapps/DesktopInstalledApplications.h"
#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/desktop/openpanel/FileDialogOpenPanel.h"
#include "platform/desktop/workspace/WorkspaceFactory.h"
#include "platform/system/bundle/Bundle.h"
#include "platform/system/control/DBusRemoteProxy.h"
#include "platform/system/log/SyslogSystemLog.h"
#include "shared/i18n/Translations.h"
#include "shared/settings/SettingsMigration.h"

namespace {
// The pane's name in its Info.plist, which the host shows as the window's title.
[[maybe_unused]] const char* const kPaneName = QT_TRANSLATE_NOOP("InfoPlist", "Halvane Keyboard");
}  // namespace

extern "C" Q_DECL_EXPORT halvane::PreferencePane* halvane_create_preference_pane() {
  using namespace halvane;
  // The session is read once, before the hot keys and key texts ask for it.
  paneSession();
  // The pane speaks the desktop's language from its own bundle when its host has not chosen one.
  const Bundle bundle =
      Bundle::holding(reinterpret_cast<const void*>(&halvane_create_preference_pane));
  i18n::installTranslations({bundle.resourcesPath() + QStringLiteral("/translations")});
  PaneServices services;
  services.log = std::make_unique<SyslogSystemLog>(QStringLiteral("HalvanePrefPanel"));
  services.connectToHelper = []() -> std::unique_ptr<RemoteProxy> {
    return DBusRemoteProxy::connect();
  };
  services.notificationCenter = std::make_unique<DBusDistributedNotificationCenter>();
  services.openPanel = std::make_unique<FileDialogOpenPanel>();
  services.workspace = createWorkspace();
  services.helpViewer = std::make_unique<DesktopHelpViewer>();
  services.installedApplications = std::make_unique<DesktopInstalledApplications>();
  services.textTypingLimits = createTextTypingLimits(paneSession());
  services.settingsPath = settings::prepareSettingsPath(services.log->reporter());
  return new HalvanePref(std::move(services));
}

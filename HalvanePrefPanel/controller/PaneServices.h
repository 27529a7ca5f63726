#pragma once

#include "platform/desktop/help/HelpViewer.h"
#include "platform/desktop/installedapps/InstalledApplications.h"
#include "platform/desktop/notification/DistributedNotificationCenter.h"
#include "platform/desktop/openpanel/OpenPanel.h"
#include "platform/desktop/workspace/Workspace.h"
#include "platform/input/posters/TextTypingLimits.h"
#include "platform/system/control/RemoteProxy.h"
#include "platform/system/log/SystemLog.h"

#include <QString>

#include <functional>
#include <memory>

namespace halvane {

// Everything the pane needs of the platform; the plug-in's entry point gives the real ones,
// tests give fakes. The pane owns them.
struct PaneServices {
  std::unique_ptr<SystemLog> log;
  // Connects to the helper's server object: nullptr when no helper is registered.
  std::function<std::unique_ptr<RemoteProxy>()> connectToHelper;
  std::unique_ptr<DistributedNotificationCenter> notificationCenter;
  std::unique_ptr<OpenPanel> openPanel;
  std::unique_ptr<Workspace> workspace;
  std::unique_ptr<HelpViewer> helpViewer;
  // Which media and imaging applications are installed; without it none is marked missing.
  std::unique_ptr<InstalledApplications> installedApplications;
  std::unique_ptr<TextTypingLimits> textTypingLimits;
  QString settingsPath;  // the settings file
};

}  // namespace halvane

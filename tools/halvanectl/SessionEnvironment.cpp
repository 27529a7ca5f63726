#include "tools/halvanectl/SessionEnvironment.h"

#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "platform/system/control/DBusDiagnosticsClient.h"
#include "platform/system/control/DBusRemoteProxy.h"
#include "shared/Version.h"
#include "shared/settings/SettingsMigration.h"
#include "tools/halvanectl/facts/SessionDesktopFacts.h"
#include "tools/halvanectl/facts/UdevDeviceFacts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QTextStream>

namespace halvane::ctl {

namespace {

bool sessionBus(QString* why) {
  if (QDBusConnection::sessionBus().isConnected()) return true;
  *why = SessionEnvironment::tr("there is no D-Bus session bus (%1)")
             .arg(QDBusConnection::sessionBus().lastError().message());
  return false;
}

}  // namespace

SessionEnvironment::SessionEnvironment() = default;
SessionEnvironment::~SessionEnvironment() = default;

QString SessionEnvironment::builtInDefaultsPath() {
  return QStringLiteral(":/halvanectl/defaults.plist");
}

CtlEnvironment SessionEnvironment::environment() {
  CtlEnvironment env;
  env.settingsPath = settings::prepareSettingsPath(
      [](const QString& message) { QTextStream(stderr) << "halvanectl: " << message << '\n'; });
  env.defaultsPath = builtInDefaultsPath();
  env.connectHelper = [](QString* why) -> std::unique_ptr<RemoteProxy> {
    if (!sessionBus(why)) return nullptr;
    std::unique_ptr<RemoteProxy> proxy = DBusRemoteProxy::connect(QDBusConnection::sessionBus());
    if (!proxy) *why = SessionEnvironment::tr("the Halvane helper is not running");
    return proxy;
  };
  env.connectDiagnostics = [](QString* why) -> std::unique_ptr<DiagnosticsClient> {
    if (!sessionBus(why)) return nullptr;
    std::unique_ptr<DiagnosticsClient> client =
        DBusDiagnosticsClient::connect(QDBusConnection::sessionBus());
    if (!client) *why = SessionEnvironment::tr("the Halvane helper is not running");
    return client;
  };
  env.notificationCenter = [this](QString* why) -> DistributedNotificationCenter* {
    if (!sessionBus(why)) return nullptr;
    if (!center_)
      center_ = std::make_unique<DBusDistributedNotificationCenter>(QDBusConnection::sessionBus());
    return center_.get();
  };
  env.doctorSystem = [this, connectDiagnostics = env.connectDiagnostics] {
    if (!devices_) devices_ = std::make_unique<UdevDeviceFacts>();
    if (!desktop_) desktop_ = std::make_unique<SessionDesktopFacts>();
    DoctorSystem system;
    system.environment = QProcessEnvironment::systemEnvironment();
    system.programDir = QCoreApplication::applicationDirPath();
    system.sourceDir = QStringLiteral(HALVANE_SOURCE_DIR);
    system.version = QString::fromLatin1(version());
    system.virtualKeyboardFolder = vkbd::folderPath();
    system.devices = devices_.get();
    system.desktop = desktop_.get();
    system.connectDiagnostics = connectDiagnostics;
    return system;
  };
  return env;
}

}  // namespace halvane::ctl

#include "platform/desktop/prefpane/PreferencesInstance.h"

#include "shared/control/DBusTimeouts.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>

namespace halvane {

PreferencesInstance::PreferencesInstance(QDBusConnection bus) : bus_(std::move(bus)) {}

PreferencesInstance::~PreferencesInstance() {
  if (!owner_) return;
  bus_.unregisterObject(QString::fromLatin1(kObjectPath));
  bus_.unregisterService(QString::fromLatin1(kServiceName));
}

QString PreferencesInstance::activationTokenFromEnvironment() {
  const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
  return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

bool PreferencesInstance::handOver(const QString& activationToken) {
  if (!bus_.isConnected()) return false;
  // Asking for the name first, rather than whether it is taken, leaves no moment in which two
  // starts could both find it free.
  if (bus_.registerService(QString::fromLatin1(kServiceName))) {
    owner_ = true;
    return false;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromLatin1(kServiceName), QString::fromLatin1(kObjectPath),
      QString::fromLatin1(kInterface), QStringLiteral("Activate"));
  call << activationToken;
  if (bus_.call(call, QDBus::Block, dbus::kDesktopCallTimeoutMs).type() ==
      QDBusMessage::ReplyMessage)
    return true;
  // The running one may have just ended; then this start takes its place.
  owner_ = bus_.registerService(QString::fromLatin1(kServiceName));
  return false;
}

void PreferencesInstance::serve(QWidget* window) {
  window_ = window;
  if (!owner_) return;
  new PreferencesInstanceAdaptor(this);
  bus_.registerObject(QString::fromLatin1(kObjectPath), this, QDBusConnection::ExportAdaptors);
}

void PreferencesInstance::activate(const QString& activationToken) {
  if (!window_) return;
  // Qt's Wayland client hands this token to the compositor with the next activation request;
  // without one most compositors only mark the window as wanting attention.
  if (!activationToken.isEmpty() &&
      QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
  window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace halvane

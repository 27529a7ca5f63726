#include "tests/support/HeadlessGnomeShell.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace halvane::test {

namespace {

bool writeFile(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool copyTree(const QString& from, const QString& to) {
  QDir().mkpath(to);
  for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files)) {
    if (!QFile::copy(entry.filePath(), to + u'/' + entry.fileName())) return false;
  }
  return true;
}

}  // namespace

HeadlessGnomeShell::HeadlessGnomeShell(PrivateBus& bus, const QString& extensionDir,
                                       const QStringList& desktopIds)
    : bus_(bus.connect(QStringLiteral("gnome-shell-driver"))) {
  if (QStandardPaths::findExecutable(QStringLiteral("gnome-shell")).isEmpty()) {
    failure_ = QStringLiteral("gnome-shell is not installed");
    return;
  }
  const QString systemSocket = dir_.filePath(QStringLiteral("system_bus_socket"));
  const QString config = dir_.filePath(QStringLiteral("system.conf"));
  writeFile(
      config,
      QStringLiteral(
          "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
          " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
          "<busconfig><type>system</type><listen>unix:path=%1</listen><auth>EXTERNAL</auth>\n"
          "<policy context=\"default\"><allow user=\"*\"/><allow own=\"*\"/>\n"
          "<allow send_type=\"method_call\"/><allow send_type=\"signal\"/>\n"
          "<allow send_type=\"method_return\"/><allow send_type=\"error\"/>\n"
          "<allow receive_type=\"method_call\"/><allow receive_type=\"signal\"/>\n"
          "<allow receive_type=\"method_return\"/><allow "
          "receive_type=\"error\"/></policy></busconfig>\n")
          .arg(systemSocket)
          .toUtf8());
  systemBus_.setStandardOutputFile(QProcess::nullDevice());
  systemBus_.setStandardErrorFile(QProcess::nullDevice());
  systemBus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork")});
  if (!systemBus_.waitForStarted(5000) || !waitUntil([&] { return QFile::exists(systemSocket); })) {
    failure_ = QStringLiteral("no private system bus for GNOME Shell");
    return;
  }

  const QString data = dir_.filePath(QStringLiteral("data"));
  const QString configHome = dir_.filePath(QStringLiteral("config"));
  copyTree(extensionDir,
           data + QStringLiteral("/gnome-shell/extensions/halvane-keyboard@halvane.com"));
  writeFile(configHome + QStringLiteral("/glib-2.0/settings/keyfile"),
            "[org/gnome/shell]\nenabled-extensions=['halvane-keyboard@halvane.com']\n");
  for (const QString& id : desktopIds) {
    writeFile(
        data + QStringLiteral("/applications/%1.desktop").arg(id),
        QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\n").arg(id).toUtf8());
  }

  display_ = QStringLiteral("halvane-gnome-%1").arg(QCoreApplication::applicationPid());
  QProcessEnvironment env;
  for (const char* keep : {"PATH", "LANG"}) {
    if (qEnvironmentVariableIsSet(keep))
      env.insert(QLatin1String(keep), qEnvironmentVariable(keep));
  }
  env.insert(QStringLiteral("HOME"), dir_.path());
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  env.insert(QStringLiteral("XDG_DATA_HOME"), data);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
  env.insert(QStringLiteral("HALVANE_SHELL_TEST"), QStringLiteral("1"));
  env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
  env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
             QStringLiteral("unix:path=") + systemSocket);
  shell_.setProcessEnvironment(env);
  shell_.setStandardOutputFile(QProcess::nullDevice());
  shell_.setStandardErrorFile(dir_.filePath(QStringLiteral("shell.log")));
  shell_.start(QStringLiteral("gnome-shell"),
               {QStringLiteral("--headless"), QStringLiteral("--virtual-monitor"),
                QStringLiteral("1024x768"), QStringLiteral("--wayland"), QStringLiteral("--no-x11"),
                QStringLiteral("--wayland-display"), display_});
  if (!shell_.waitForStarted(5000)) {
    failure_ = QStringLiteral("gnome-shell did not start: %1").arg(shell_.errorString());
    return;
  }
  const bool ready = waitUntil(
      [this] {
        if (shell_.state() != QProcess::Running) return true;
        QDBusMessage get = QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get.setArguments({QStringLiteral("org.gnome.Shell"), QStringLiteral("ShellVersion")});
        return bus_.call(get, QDBus::Block, 500).type() == QDBusMessage::ReplyMessage;
      },
      20000ms);
  if (!ready || shell_.state() != QProcess::Running) {
    failure_ = QStringLiteral("headless gnome-shell did not come up (log in %1)")
                   .arg(dir_.filePath(QStringLiteral("shell.log")));
    dir_.setAutoRemove(false);
  }
}

HeadlessGnomeShell::~HeadlessGnomeShell() {
  stopProcess(shell_, 3000);
  stopProcess(systemBus_);
}

QProcessEnvironment HeadlessGnomeShell::clientEnvironment() const {
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  env.insert(QStringLiteral("WAYLAND_DISPLAY"), display_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
  return env;
}

bool HeadlessGnomeShell::activate(const QString& wmClass) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.gnome.Shell"), QStringLiteral("/com/halvane/keyboard/ShellTest"),
      QStringLiteral("com.halvane.keyboard.ShellTest"), QStringLiteral("Activate"));
  call.setArguments({wmClass});
  const QDBusReply<bool> found = bus_.call(call);
  return found.isValid() && found.value();
}

}  // namespace halvane::test

namespace halvane::test {

QString HeadlessGnomeShell::focused() {
  const QDBusReply<QString> reply = bus_.call(QDBusMessage::createMethodCall(
      QStringLiteral("org.gnome.Shell"), QStringLiteral("/com/halvane/keyboard/ShellTest"),
      QStringLiteral("com.halvane.keyboard.ShellTest"), QStringLiteral("Focused")));
  return reply.isValid() ? reply.value() : QString();
}

namespace {

QDBusMessage extensionsCall(const QString& method) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
      QStringLiteral("org.gnome.Shell.Extensions"), method);
  call.setArguments({QStringLiteral("halvane-keyboard@halvane.com")});
  return call;
}

}  // namespace

void HeadlessGnomeShell::hideOverview() {
  QDBusMessage set = QDBusMessage::createMethodCall(
      QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
  set.setArguments({QStringLiteral("org.gnome.Shell"), QStringLiteral("OverviewActive"),
                    QVariant::fromValue(QDBusVariant(false))});
  bus_.call(set);
}

bool HeadlessGnomeShell::setExtensionEnabled(bool enabled) {
  const QDBusReply<bool> done = bus_.call(extensionsCall(
      enabled ? QStringLiteral("EnableExtension") : QStringLiteral("DisableExtension")));
  return done.isValid() && done.value();
}

int HeadlessGnomeShell::extensionState() {
  const QDBusReply<QVariantMap> info =
      bus_.call(extensionsCall(QStringLiteral("GetExtensionInfo")));
  const QVariant state = info.isValid() ? info.value().value(QStringLiteral("state")) : QVariant();
  return state.isValid() ? int(state.toDouble()) : -1;
}

}  // namespace halvane::test

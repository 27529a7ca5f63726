#include "tools/halvanectl/facts/SessionDesktopFacts.h"

#include "shared/control/DBusTimeouts.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace halvane {

namespace {

// Output of a program that ended well within the time; nothing otherwise.
std::optional<QString> output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(dbus::kDesktopCallTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
  QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
  message.setArguments(arguments);
  message.setAutoStartService(false);
  return message;
}

}  // namespace

SessionDesktopFacts::SessionDesktopFacts(const QDBusConnection& bus) : bus_(bus) {}

QStringList SessionDesktopFacts::parseStringArray(const QString& text) {
  static const QRegularExpression item(
      QStringLiteral(R"re('((?:[^'\\]|\\.)*)'|"((?:[^"\\]|\\.)*)")re"));
  static const QRegularExpression escape(QStringLiteral(R"re(\\(.))re"));
  QStringList strings;
  for (auto match = item.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch m = match.next();
    QString value = m.captured(1).isNull() ? m.captured(2) : m.captured(1);
    strings << value.replace(escape, QStringLiteral("\\1"));
  }
  return strings;
}

std::optional<QString> SessionDesktopFacts::gsettings(const QString& schema, const QString& key) {
  return output(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key});
}

std::optional<QStringList> SessionDesktopFacts::gsettingsStrings(const QString& schema,
                                                                 const QString& key) {
  const std::optional<QString> value = gsettings(schema, key);
  if (!value) return std::nullopt;
  return parseStringArray(*value);
}

std::optional<bool> SessionDesktopFacts::gsettingsBool(const QString& schema, const QString& key) {
  const std::optional<QString> value = gsettings(schema, key);
  if (!value || (*value != QLatin1String("true") && *value != QLatin1String("false")))
    return std::nullopt;
  return *value == QLatin1String("true");
}

QString SessionDesktopFacts::gnomeShellVersion() {
  if (bus_.isConnected()) {
    const QDBusReply<QDBusVariant> running =
        bus_.call(call(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                       {QStringLiteral("org.gnome.Shell"), QStringLiteral("ShellVersion")}),
                  QDBus::Block, dbus::kDesktopCallTimeoutMs);
    if (running.isValid() && !running.value().variant().toString().isEmpty())
      return running.value().variant().toString();
  }
  // "GNOME Shell 43.9"
  const std::optional<QString> installed =
      output(QStringLiteral("gnome-shell"), {QStringLiteral("--version")});
  if (!installed) return QString();
  static const QRegularExpression version(QStringLiteral("([0-9]+(\\.[0-9A-Za-z]+)*)\\s*$"));
  return version.match(*installed).captured(1);
}

std::optional<int> SessionDesktopFacts::gnomeExtensionState(const QString& uuid) {
  if (!bus_.isConnected()) return std::nullopt;
  const QDBusReply<QVariantMap> info =
      bus_.call(call(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                     QStringLiteral("org.gnome.Shell.Extensions"),
                     QStringLiteral("GetExtensionInfo"), {uuid}),
                QDBus::Block, dbus::kDesktopCallTimeoutMs);
  if (!info.isValid() || !info.value().contains(QStringLiteral("state"))) return std::nullopt;
  return int(info.value().value(QStringLiteral("state")).toDouble());
}

std::optional<bool> SessionDesktopFacts::kwinScriptLoaded(const QString& name) {
  if (!bus_.isConnected()) return std::nullopt;
  const QDBusReply<bool> loaded = bus_.call(
      call(QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
           QStringLiteral("org.kde.kwin.Scripting"), QStringLiteral("isScriptLoaded"), {name}),
      QDBus::Block, dbus::kDesktopCallTimeoutMs);
  if (!loaded.isValid()) return std::nullopt;
  return loaded.value();
}

QString SessionDesktopFacts::busNameOwnerExecutable(const QString& name) {
  if (!bus_.isConnected() || !bus_.interface()) return QString();
  const QDBusReply<uint> pid = bus_.interface()->servicePid(name);
  if (!pid.isValid() || pid.value() == 0) return QString();
  return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid.value())).symLinkTarget();
}

}  // namespace halvane

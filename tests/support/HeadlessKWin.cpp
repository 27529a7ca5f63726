#include "tests/support/HeadlessKWin.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QStandardPaths>

namespace halvane::test {

namespace {

QDBusMessage scripting(const QString& method, const QVariantList& arguments) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
                                     QStringLiteral("org.kde.kwin.Scripting"), method);
  call.setArguments(arguments);
  return call;
}

}  // namespace

HeadlessKWin::HeadlessKWin(PrivateBus& bus) : bus_(bus.connect(QStringLiteral("kwin-driver"))) {
  const QString installed = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
  if (installed.isEmpty()) {
    failure_ = QStringLiteral("kwin_wayland is not installed");
    return;
  }
  if (bus.address().isEmpty()) {
    failure_ = QStringLiteral("no private D-Bus for KWin");
    return;
  }
  const QString copy = dir_.filePath(QStringLiteral("kwin_wayland"));
  if (!QFile::copy(installed, copy)) {
    failure_ = QStringLiteral("cannot copy kwin_wayland");
    return;
  }
  socket_ = QStringLiteral("halvane-kwin-%1").arg(QCoreApplication::applicationPid());
  QProcessEnvironment env;
  for (const char* keep : {"PATH", "HOME", "LANG"}) {
    if (qEnvironmentVariableIsSet(keep))
      env.insert(QLatin1String(keep), qEnvironmentVariable(keep));
  }
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
  kwin_.setProcessEnvironment(env);
  kwin_.setStandardOutputFile(QProcess::nullDevice());
  kwin_.setStandardErrorFile(dir_.filePath(QStringLiteral("kwin.log")));
  kwin_.start(copy, {QStringLiteral("--virtual"), QStringLiteral("--no-lockscreen"),
                     QStringLiteral("--width"), QStringLiteral("1024"), QStringLiteral("--height"),
                     QStringLiteral("768"), QStringLiteral("--socket"), socket_});
  if (!kwin_.waitForStarted(5000)) {
    failure_ = QStringLiteral("kwin_wayland did not start: %1").arg(kwin_.errorString());
    return;
  }
  const bool ready = waitUntil(
      [this] {
        // The name comes before the scripting object; the latter is what the tests need.
        return kwin_.state() != QProcess::Running ||
               bus_.call(scripting(QStringLiteral("isScriptLoaded"), {QStringLiteral("none")}),
                         QDBus::Block, 500)
                       .type() == QDBusMessage::ReplyMessage;
      },
      15000ms);
  if (!ready || kwin_.state() != QProcess::Running) {
    QFile log(dir_.filePath(QStringLiteral("kwin.log")));
    log.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    failure_ = QStringLiteral("headless kwin_wayland did not come up (%1)")
                   .arg(QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.last()));
  }
}

HeadlessKWin::~HeadlessKWin() {
  stopProcess(kwin_);
}

QProcessEnvironment HeadlessKWin::clientEnvironment() const {
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
  return env;
}

bool HeadlessKWin::isScriptLoaded(const QString& name) {
  const QDBusReply<bool> reply = bus_.call(scripting(QStringLiteral("isScriptLoaded"), {name}));
  return reply.isValid() && reply.value();
}

int HeadlessKWin::loadAndRun(const QString& path, const QString& name) {
  const QDBusReply<int> id = bus_.call(scripting(QStringLiteral("loadScript"), {path, name}));
  if (!id.isValid() || id.value() < 0) return -1;
  for (const QString& object : {QStringLiteral("/Scripting/Script%1"), QStringLiteral("/%1")}) {
    const QDBusMessage reply = bus_.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.KWin"), object.arg(id.value()),
        QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run")));
    if (reply.type() == QDBusMessage::ReplyMessage) return id.value();
  }
  return -1;
}

bool HeadlessKWin::activate(const QString& resourceClass) {
  const QString name = QStringLiteral("halvane-test-focus-%1").arg(++scripts_);
  const QString path = dir_.filePath(name + QStringLiteral(".js"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(
      QStringLiteral(
          "var list = workspace.windowList ? workspace.windowList() : workspace.clientList();\n"
          "for (var i = 0; i < list.length; ++i) {\n"
          "  if (String(list[i].resourceClass) == '%1') {\n"
          "    if (workspace.windowList) workspace.activeWindow = list[i];\n"
          "    else workspace.activeClient = list[i];\n"
          "  }\n"
          "}\n")
          .arg(resourceClass)
          .toUtf8());
  file.close();
  const bool ran = loadAndRun(path, name) >= 0;
  bus_.call(scripting(QStringLiteral("unloadScript"), {name}));
  return ran;
}

}  // namespace halvane::test

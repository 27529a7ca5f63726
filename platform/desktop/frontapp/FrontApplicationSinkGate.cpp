#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"

#include "shared/control/KeyboardServerRoot.h"

#include "platform/desktop/probe/SessionProbe.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFileInfo>

namespace halvane {

namespace {

const QString kShell = QString::fromLatin1(kGnomeShellBusName);
const QString kKWin = QString::fromLatin1(kKWinBusName);

}  // namespace

FrontApplicationSinkGate::FrontApplicationSinkGate(const QDBusConnection& bus,
                                                   WindowActivationRelay& relay)
    : bus_(bus), relay_(relay) {
  // The owners are followed from NameOwnerChanged, so a call costs no round trip to the bus.
  watcher_.setConnection(bus_);
  watcher_.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
  watcher_.setWatchedServices({kShell, kKWin});
  QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &watcher_,
                   [this](const QString& name, const QString&, const QString& newOwner) {
                     owners_.insert(name, newOwner);
                   });
}

QString FrontApplicationSinkGate::ownerOf(const QString& name) {
  auto it = owners_.find(name);
  if (it == owners_.end()) {
    // Not seen change hands since start: ask the bus once.
    const QDBusReply<QString> reply = bus_.interface()->serviceOwner(name);
    it = owners_.insert(name, reply.isValid() ? reply.value() : QString());
  }
  return it.value();
}

// The file name of the program behind a connection, from the pid the bus daemon itself saw.
QString FrontApplicationSinkGate::programOf(const QString& sender) {
  auto it = programs_.find(sender);
  if (it != programs_.end()) return it.value();
  const QDBusReply<uint> pid = bus_.interface()->servicePid(sender);
  QString program;
  if (pid.isValid() && pid.value() > 0) {
    // The executable's link cannot be renamed by the process as its comm line can.
    program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid.value())).symLinkTarget();
    program = QFileInfo(program.remove(QStringLiteral(" (deleted)"))).fileName();
  }
  programs_.insert(sender, program);
  return program;
}

QString FrontApplicationSinkGate::refusal(const QString& sender) {
  const std::optional<TrustedDesktop> desktop = relay_.trusted();
  if (!desktop) return QStringLiteral("WindowActivated is accepted only on a GNOME or KDE session");
  if (sender.isEmpty() || ownerOf(desktop->busName) != sender)
    return QStringLiteral("WindowActivated is accepted only from the owner of %1")
        .arg(desktop->busName);
  if (!desktop->programs.contains(programOf(sender)))
    return QStringLiteral("WindowActivated is accepted only from %1")
        .arg(desktop->programs.join(QStringLiteral(" or ")));
  return {};
}

void FrontApplicationSinkGate::windowActivated(const QMap<QString, QString>& facts) {
  relay_.deliver(windowFactsFromMap(facts));
}

DBusServerObject::InterfaceMaker frontApplicationSink(WindowActivationRelay& relay) {
  return [&relay](KeyboardServerRoot& root, const QDBusConnection& bus) {
    root.serveFrontApplicationSink(std::make_unique<FrontApplicationSinkGate>(bus, relay));
  };
}

}  // namespace halvane

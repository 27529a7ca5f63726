#include "platform/desktop/frontapp/KWinActiveWindowSource.h"

#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/log/SystemLog.h"
#include "shared/control/DBusTimeouts.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace halvane {

namespace {

const QString kKWin = QString::fromLatin1(kKWinBusName);
const QString kScriptingPath = QStringLiteral("/Scripting");
const QString kScripting = QStringLiteral("org.kde.kwin.Scripting");
const QString kScript = QStringLiteral("org.kde.kwin.Script");

QDBusMessage scriptingCall(const QString& method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(kKWin, kScriptingPath, kScripting, method);
  call.setArguments(arguments);
  return call;
}

}  // namespace

KWinActiveWindowSource::KWinActiveWindowSource(const FrontSourceServices& services,
                                               const QString& scriptPath,
                                               const QDBusConnection& bus)
    : services_(services), scriptPath_(scriptPath), bus_(bus) {
  // Only the desktop's compositor may tell us what is in front.
  services_.relay.setListener({kKWin, {QStringLiteral("kwin_wayland"), QStringLiteral("kwin_x11")}},
                              [this](const std::optional<WindowFacts>& facts) {
                                active_ = facts;
                                if (handler_) handler_(active_);
                              });
  kwin_.setConnection(bus_);
  kwin_.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
  kwin_.addWatchedService(kKWin);
  QObject::connect(&kwin_, &QDBusServiceWatcher::serviceRegistered, this, [this] {
    running_ = false;
    load();
  });
  load();
}

KWinActiveWindowSource::~KWinActiveWindowSource() {
  services_.relay.clearListener();
  unload();
}

void KWinActiveWindowSource::load() {
  // A script of our name still loaded belongs to a helper that did not get to unload it.
  auto* watcher = new QDBusPendingCallWatcher(
      bus_.asyncCall(
          scriptingCall(QStringLiteral("isScriptLoaded"), {QString::fromLatin1(kScriptName)}),
          dbus::kDesktopCallTimeoutMs),
      this);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<bool> loaded = *w;
        if (loaded.isError()) {
          services_.tell(
              QCoreApplication::translate("KWinActiveWindowSource",
                                          "KWin script: KWin's scripting does not answer (%1)")
                  .arg(loaded.error().message()));
          return;
        }
        if (!loaded.value()) {
          loadScript();
          return;
        }
        auto* unloading = new QDBusPendingCallWatcher(
            bus_.asyncCall(
                scriptingCall(QStringLiteral("unloadScript"), {QString::fromLatin1(kScriptName)}),
                dbus::kDesktopCallTimeoutMs),
            this);
        QObject::connect(unloading, &QDBusPendingCallWatcher::finished, this,
                         [this](QDBusPendingCallWatcher* u) {
                           u->deleteLater();
                           services_.tell(QCoreApplication::translate(
                               "KWinActiveWindowSource",
                               "KWin script: replaced the one a previous helper left loaded"));
                           loadScript();
                         });
      });
}

void KWinActiveWindowSource::loadScript() {
  auto* watcher = new QDBusPendingCallWatcher(
      bus_.asyncCall(scriptingCall(QStringLiteral("loadScript"),
                                   {scriptPath_, QString::fromLatin1(kScriptName)}),
                     dbus::kDesktopCallTimeoutMs),
      this);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<int> id = *w;
        if (id.isError() || id.value() < 0) {
          services_.tell(QCoreApplication::translate("KWinActiveWindowSource",
                                                     "KWin script: KWin did not load %1 (%2)")
                             .arg(scriptPath_, id.isError()
                                                   ? id.error().message()
                                                   : QCoreApplication::translate(
                                                         "KWinActiveWindowSource", "refused")));
          return;
        }
        run(id.value(), true);
      });
}

void KWinActiveWindowSource::run(int id, bool plasma6Path) {
  // Plasma 6 puts the script object at /Scripting/Script<id>, Plasma 5.27 at /<id>.
  const QString path =
      plasma6Path ? QStringLiteral("/Scripting/Script%1").arg(id) : QStringLiteral("/%1").arg(id);
  auto* watcher = new QDBusPendingCallWatcher(
      bus_.asyncCall(QDBusMessage::createMethodCall(kKWin, path, kScript, QStringLiteral("run")),
                     dbus::kDesktopCallTimeoutMs),
      this);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, this,
      [this, id, plasma6Path](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<> reply = *w;
        if (reply.isError() && plasma6Path) {
          run(id, false);
          return;
        }
        if (reply.isError()) {
          services_.tell(QCoreApplication::translate("KWinActiveWindowSource",
                                                     "KWin script: loaded but not run (%1)")
                             .arg(reply.error().message()));
          return;
        }
        running_ = true;
        emit scriptStarted();
      });
}

void KWinActiveWindowSource::unload() {
  // At quit nothing else waits on the loop, and an answer tells the script is gone for good.
  bus_.call(scriptingCall(QStringLiteral("unloadScript"), {QString::fromLatin1(kScriptName)}),
            QDBus::Block, dbus::kDesktopCallTimeoutMs);
  running_ = false;
}

}  // namespace halvane

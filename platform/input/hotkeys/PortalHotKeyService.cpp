#include "platform/input/hotkeys/PortalHotKeyService.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/system/log/SystemLog.h"
#include "shared/control/DBusTimeouts.h"
#include "shared/settings/MacModifiers.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTimer>

#include <xkbcommon/xkbcommon.h>

namespace halvane {

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcut {
  QString id;
  QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
  argument.beginStructure();
  argument << shortcut.id << shortcut.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
  argument.beginStructure();
  argument >> shortcut.id >> shortcut.properties;
  argument.endStructure();
  return argument;
}

}  // namespace halvane

Q_DECLARE_METATYPE(halvane::PortalShortcut)

namespace halvane {
namespace {

constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";
constexpr const char* kShortcutPrefix = "hotkey-";

QString service() {
  return QString::fromLatin1(PortalHotKeyService::kService);
}
QString path() {
  return QString::fromLatin1(PortalHotKeyService::kPath);
}
QString interface() {
  return QString::fromLatin1(PortalHotKeyService::kInterface);
}

// A US keyboard's keymap names the keys in triggers: the portal matches keysyms, and a hot key
// is a physical key, whatever the user's layout puts on it.
xkb_keymap* usKeymap() {
  static xkb_keymap* const keymap = [] {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context) return static_cast<xkb_keymap*>(nullptr);
    const xkb_rule_names names{nullptr, "pc105", "us", nullptr, nullptr};
    xkb_keymap* made = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    return made;
  }();
  return keymap;
}

}  // namespace

void PortalHotKeyService::askPortalVersion(const QDBusConnection& bus, QObject* context,
                                           VersionHandler done) {
  if (!bus.isConnected()) {
    QTimer::singleShot(0, context, [done] {
      done(0, QCoreApplication::translate("PortalHotKeyService", "no session bus"));
    });
    return;
  }
  QDBusMessage get = QDBusMessage::createMethodCall(
      service(), path(), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << interface() << QStringLiteral("version");
  auto* watcher =
      new QDBusPendingCallWatcher(bus.asyncCall(get, dbus::kServiceStartTimeoutMs), context);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, context,
      [done](QDBusPendingCallWatcher* answered) {
        answered->deleteLater();
        const QDBusMessage reply = answered->reply();
        // A name that is neither taken nor can be started by the bus.
        if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
          return done(0, QCoreApplication::translate("PortalHotKeyService", "no desktop portal"));
        const uint version =
            reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                ? reply.arguments().first().value<QDBusVariant>().variant().toUInt()
                : 0;
        done(version,
             version ? QString()
                     : QCoreApplication::translate("PortalHotKeyService",
                                                   "the desktop portal has no GlobalShortcuts"));
      });
}

PortalHotKeyService::PortalHotKeyService(const QDBusConnection& bus, SystemLog& log,
                                         QObject* parent)
    : QObject(parent), bus_(bus), log_(log) {
  qDBusRegisterMetaType<PortalShortcut>();
  qDBusRegisterMetaType<QList<PortalShortcut>>();
  bus_.connect(service(), path(), interface(), QStringLiteral("Activated"), this,
               SLOT(activated(QDBusMessage)));
  bus_.connect(service(), path(), interface(), QStringLiteral("Deactivated"), this,
               SLOT(deactivated(QDBusMessage)));
  createSession();
}

PortalHotKeyService::~PortalHotKeyService() {
  // The portal forgets the session's shortcuts with the session.
  if (!session_.isEmpty())
    bus_.send(QDBusMessage::createMethodCall(service(), session_,
                                             QStringLiteral("org.freedesktop.portal.Session"),
                                             QStringLiteral("Close")));
}

QString PortalHotKeyService::trigger(int keyCode, int modifiers) {
  const std::optional<int> evdev = evdevForMacKeyCode(keyCode);
  xkb_keymap* keymap = usKeymap();
  if (!evdev || !keymap) return {};
  const xkb_keysym_t* syms = nullptr;
  if (xkb_keymap_key_get_syms_by_level(keymap, xkb_keycode_t(*evdev + kX11KeyCodeOffset), 0, 0,
                                       &syms) < 1)
    return {};
  char name[64] = {};
  if (xkb_keysym_get_name(syms[0], name, sizeof name) <= 0) return {};
  QStringList parts;
  if (modifiers & kCarbonControl) parts << QStringLiteral("CTRL");
  if (modifiers & kCarbonOption) parts << QStringLiteral("ALT");
  if (modifiers & kCarbonShift) parts << QStringLiteral("SHIFT");
  if (modifiers & kCarbonCommand) parts << QStringLiteral("LOGO");
  parts << QString::fromLatin1(name);
  return parts.join(u'+');
}

int PortalHotKeyService::registerHotKey(int keyCode, int modifiers, HotKeyId id,
                                        Reference* reference) {
  const QString combination = trigger(keyCode, modifiers);
  if (combination.isEmpty()) return kHotKeyInvalid;
  *reference = nextReference_++;
  shortcuts_[*reference] = {combination, id};
  bindSoon();
  return kHotKeyNoErr;
}

void PortalHotKeyService::unregisterHotKey(Reference reference) {
  if (shortcuts_.erase(reference)) bindSoon();
}

QString PortalHotKeyService::requestPath(const QString& token) const {
  QString sender = bus_.baseService().mid(1);
  sender.replace(u'.', u'_');
  return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QString PortalHotKeyService::expectResponse(const QString& token) {
  const QString request = requestPath(token);
  bus_.connect(service(), request, QString::fromLatin1(kRequestInterface),
               QStringLiteral("Response"), this, SLOT(responded(QDBusMessage)));
  return request;
}

void PortalHotKeyService::call(const QDBusMessage& message) {
  // The answer that matters comes as a Response signal; only a refused call is of interest here.
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, member = message.member()](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            if (w->isError())
              log_.log(QStringLiteral("Hot keys: the desktop portal refused %1: %2")
                           .arg(member, w->error().message()));
          });
}

void PortalHotKeyService::createSession() {
  const QString token = QStringLiteral("halvane%1").arg(++nextToken_);
  sessionRequest_ = expectResponse(token);
  QDBusMessage call = QDBusMessage::createMethodCall(service(), path(), interface(),
                                                     QStringLiteral("CreateSession"));
  call << QVariantMap{{QStringLiteral("handle_token"), token},
                      {QStringLiteral("session_handle_token"), QStringLiteral("halvane_hotkeys")}};
  this->call(call);
}

void PortalHotKeyService::bindSoon() {
  if (bindScheduled_) return;
  bindScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    bindScheduled_ = false;
    bind();
  });
}

void PortalHotKeyService::bind() {
  // Before the session exists, or while the portal is busy with the last set: later.
  if (session_.isEmpty() || !bindRequest_.isEmpty()) {
    rebindAfterAnswer_ = true;
    return;
  }
  rebindAfterAnswer_ = false;
  QList<PortalShortcut> shortcuts;
  for (const auto& [reference, shortcut] : shortcuts_)
    shortcuts.append({QString::fromLatin1(kShortcutPrefix) + QString::number(reference),
                      {{QStringLiteral("description"),
                        QStringLiteral("Halvane hot key %1").arg(shortcut.trigger)},
                       {QStringLiteral("preferred_trigger"), shortcut.trigger}}});
  const QString token = QStringLiteral("halvane%1").arg(++nextToken_);
  bindRequest_ = expectResponse(token);
  QDBusMessage call = QDBusMessage::createMethodCall(service(), path(), interface(),
                                                     QStringLiteral("BindShortcuts"));
  call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(shortcuts)
       << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
  this->call(call);
}

void PortalHotKeyService::responded(const QDBusMessage& message) {
  const QList<QVariant> args = message.arguments();
  const uint response = args.value(0).toUInt();
  QVariantMap results;
  if (args.size() > 1) args[1].value<QDBusArgument>() >> results;
  bus_.disconnect(service(), message.path(), QString::fromLatin1(kRequestInterface),
                  QStringLiteral("Response"), this, SLOT(responded(QDBusMessage)));
  if (message.path() == sessionRequest_) {
    sessionRequest_.clear();
    session_ = results.value(QStringLiteral("session_handle")).toString();
    if (response != 0 || session_.isEmpty()) {
      log_.log(QStringLiteral(
                   "Hot keys: the desktop portal refused a GlobalShortcuts session (response %1)")
                   .arg(response));
      session_.clear();
      return;
    }
  } else if (message.path() == bindRequest_) {
    bindRequest_.clear();
    if (response != 0)
      log_.log(QStringLiteral("Hot keys: the desktop did not bind the hot keys (response %1)")
                   .arg(response));
  } else {
    return;
  }
  if (rebindAfterAnswer_) bind();
}

void PortalHotKeyService::deliver(const QDBusMessage& message, HotKeyEventKind kind) {
  const QList<QVariant> args = message.arguments();
  if (session_.isEmpty() || args.size() < 2 || args[0].value<QDBusObjectPath>().path() != session_)
    return;
  const QString id = args[1].toString();
  if (!id.startsWith(QLatin1String(kShortcutPrefix))) return;
  bool ok = false;
  const Reference reference = id.mid(int(qstrlen(kShortcutPrefix))).toULongLong(&ok);
  const auto shortcut = shortcuts_.find(reference);
  if (!ok || shortcut == shortcuts_.end() || !handler_) return;
  HotKeyEvent event;
  event.kind = kind;
  event.hotKeyId = shortcut->second.id;
  handler_(event);
}

void PortalHotKeyService::activated(const QDBusMessage& message) {
  deliver(message, kHotKeyPressed);
}
void PortalHotKeyService::deactivated(const QDBusMessage& message) {
  deliver(message, kHotKeyReleased);
}

}  // namespace halvane

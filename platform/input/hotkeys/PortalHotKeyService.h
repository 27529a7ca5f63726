#pragma once

#include "platform/input/hotkeys/HotKeyService.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QDBusMessage;

namespace halvane {

class SystemLog;

// Hot keys through the desktop portal's GlobalShortcuts (KDE Plasma 5.27+, GNOME 48+, Hyprland):
// the one way a Wayland desktop lets a program see keys while another has the focus.
//
// The portal binds a session's whole set of shortcuts at once and asynchronously, and the desktop
// (or the user, in its dialog) decides the final trigger. So a registration is accepted at once
// and the set is bound again on the next turn of the event loop; the portal's answer only goes to
// the log. Each shortcut's id names its registration, so Activated and Deactivated come back as
// presses and releases with the id it was registered with.
class PortalHotKeyService : public QObject, public HotKeyService {
  Q_OBJECT

 public:
  static constexpr const char* kService = "org.freedesktop.portal.Desktop";
  static constexpr const char* kPath = "/org/freedesktop/portal/desktop";
  static constexpr const char* kInterface = "org.freedesktop.portal.GlobalShortcuts";

  // Asks bus for the portal's GlobalShortcuts version without waiting for the answer (the portal
  // may first have to be started). done runs later on context's thread with the version, or
  // with 0 and why there is none; never once context is gone.
  using VersionHandler = std::function<void(uint version, const QString& whyNot)>;
  static void askPortalVersion(const QDBusConnection& bus, QObject* context, VersionHandler done);

  PortalHotKeyService(const QDBusConnection& bus, SystemLog& log, QObject* parent = nullptr);
  ~PortalHotKeyService() override;

  int registerHotKey(int keyCode, int modifiers, HotKeyId id, Reference* reference) override;
  void unregisterHotKey(Reference reference) override;
  void setEventHandler(Handler handler) override { handler_ = std::move(handler); }

  // The trigger in the portal's shortcut format ("CTRL+SHIFT+a": modifiers, then the key's
  // keysym name on a US keyboard); empty for a key code no keyboard has.
  static QString trigger(int keyCode, int modifiers);
  // The portal's session once it has answered; empty before.
  QString sessionHandle() const { return session_; }

 private slots:
  void responded(const QDBusMessage& message);
  void activated(const QDBusMessage& message);
  void deactivated(const QDBusMessage& message);

 private:
  struct Shortcut {
    QString trigger;
    HotKeyId id;
  };
  QString requestPath(const QString& token) const;
  // Listens for the answer at the request's path before the call is made, so that no answer
  // can come before the listener.
  QString expectResponse(const QString& token);
  void call(const QDBusMessage& message);
  void createSession();
  void bindSoon();
  void bind();
  void deliver(const QDBusMessage& message, HotKeyEventKind kind);

  QDBusConnection bus_;
  SystemLog& log_;
  QString session_;
  QString sessionRequest_, bindRequest_;
  bool bindScheduled_ = false;
  // Changes made while a bind is on its way: bound again once it has been answered.
  bool rebindAfterAnswer_ = false;
  std::map<Reference, Shortcut> shortcuts_;
  Reference nextReference_ = 1;
  unsigned nextToken_ = 0;
  Handler handler_;
};

}  // namespace halvane

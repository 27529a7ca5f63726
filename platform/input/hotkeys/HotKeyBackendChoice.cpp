#include "platform/input/hotkeys/HotKeyBackendChoice.h"

namespace halvane {

namespace {

HotKeyBackendChoice chosen(HotKeyBackend backend, const QString& text,
                           const QList<std::pair<HotKeyBackend, QString>>& notTaken) {
  HotKeyBackendChoice choice;
  choice.backend = backend;
  choice.subject = QStringLiteral("Hot keys");
  choice.why = text;
  choice.notTaken = notTaken;
  choice.text = text;
  return choice;
}

}  // namespace

QString hotKeyBackendName(HotKeyBackend backend) {
  switch (backend) {
    case HotKeyBackend::Portal:
      return QStringLiteral("portal");
    case HotKeyBackend::XGrab:
      return QStringLiteral("x-grab");
    case HotKeyBackend::None:
      break;
  }
  return QStringLiteral("none");
}

HotKeyBackendChoice chooseHotKeyBackend(const HotKeySession& session) {
  const QString noPortal =
      session.wayland ? session.noPortal : QStringLiteral("not a Wayland session");
  const QString noX = QStringLiteral("no X display");
  if (session.wayland && session.portalVersion > 0)
    return chosen(
        HotKeyBackend::Portal,
        QStringLiteral("desktop portal GlobalShortcuts (version %1)").arg(session.portalVersion),
        {{HotKeyBackend::XGrab, QStringLiteral("ranks lower")}});
  if (session.wayland && session.xDisplay)
    return chosen(HotKeyBackend::XGrab,
                  QStringLiteral("key grabs through XWayland, seen only while an X application "
                                 "has the focus (%1)")
                      .arg(session.noPortal),
                  {{HotKeyBackend::Portal, noPortal}});
  if (session.xDisplay)
    return chosen(HotKeyBackend::XGrab, QStringLiteral("key grabs on the X server"),
                  {{HotKeyBackend::Portal, noPortal}});
  QString text = QStringLiteral("none, every registration is refused (no X display");
  if (session.wayland) text += QStringLiteral("; ") + session.noPortal;
  return chosen(HotKeyBackend::None, text + u')',
                {{HotKeyBackend::Portal, noPortal}, {HotKeyBackend::XGrab, noX}});
}

}  // namespace halvane

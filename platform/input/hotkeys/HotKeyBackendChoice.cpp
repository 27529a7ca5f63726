#include "platform/input/hotkeys/HotKeyBackendChoice.h"

#include <QCoreApplication>

namespace halvane {

namespace {

HotKeyBackendChoice chosen(HotKeyBackend backend, const QString& text,
                           const QList<std::pair<HotKeyBackend, QString>>& notTaken) {
  HotKeyBackendChoice choice;
  choice.backend = backend;
  choice.subject = QCoreApplication::translate("HotKeyBackendChoice", "Hot keys");
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
      session.wayland ? session.noPortal
                      : QCoreApplication::translate("HotKeyBackendChoice", "not a Wayland session");
  const QString noX = QCoreApplication::translate("HotKeyBackendChoice", "no X display");
  if (session.wayland && session.portalVersion > 0)
    return chosen(HotKeyBackend::Portal,
                  QCoreApplication::translate("HotKeyBackendChoice",
                                              "desktop portal GlobalShortcuts (version %1)")
                      .arg(session.portalVersion),
                  {{HotKeyBackend::XGrab,
                    QCoreApplication::translate("HotKeyBackendChoice", "ranks lower")}});
  if (session.wayland && session.xDisplay)
    return chosen(HotKeyBackend::XGrab,
                  QCoreApplication::translate("HotKeyBackendChoice",
                                              "key grabs through XWayland, seen only while an X "
                                              "application has the focus (%1)")
                      .arg(session.noPortal),
                  {{HotKeyBackend::Portal, noPortal}});
  if (session.xDisplay)
    return chosen(HotKeyBackend::XGrab,
                  QCoreApplication::translate("HotKeyBackendChoice", "key grabs on the X server"),
                  {{HotKeyBackend::Portal, noPortal}});
  const QString why = session.wayland
                          ? QCoreApplication::translate("HotKeyBackendChoice", "no X display; %1")
                                .arg(session.noPortal)
                          : QCoreApplication::translate("HotKeyBackendChoice", "no X display");
  const QString text = QStringLiteral("%1, %2").arg(
      hotKeyBackendName(HotKeyBackend::None),
      QCoreApplication::translate("HotKeyBackendChoice", "every registration is refused (%1)")
          .arg(why));
  return chosen(HotKeyBackend::None, text,
                {{HotKeyBackend::Portal, noPortal}, {HotKeyBackend::XGrab, noX}});
}

}  // namespace halvane

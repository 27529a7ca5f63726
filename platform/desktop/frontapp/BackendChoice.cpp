#include "platform/desktop/frontapp/BackendChoice.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace halvane {

namespace {

constexpr char kForeignToplevel[] = "zwlr_foreign_toplevel_manager_v1";

bool desktopIs(const SessionProbe& facts, const QString& name) {
  const QStringList desktops = facts.currentDesktop.split(u':', Qt::SkipEmptyParts);
  for (const QString& d : desktops) {
    if (d.compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

bool isWayland(const SessionProbe& facts) {
  if (!facts.sessionType.isEmpty()) {
    return facts.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
  }
  return !facts.waylandDisplay.isEmpty();
}

// Why a backend cannot serve this session; nothing when it can.
using Verdict = std::optional<QString>;

Verdict desktopBackend(const SessionProbe& facts, const QString& desktop, const char* busName) {
  if (!facts.currentDesktop.isEmpty() && !desktopIs(facts, desktop)) {
    return QCoreApplication::translate("FrontBackendChoice", "XDG_CURRENT_DESKTOP is %1")
        .arg(facts.currentDesktop);
  }
  if (!facts.busNames.contains(QLatin1String(busName))) {
    return QCoreApplication::translate("FrontBackendChoice", "%1 is not on the session bus")
        .arg(QLatin1String(busName));
  }
  return std::nullopt;
}

Verdict foreignToplevel(const SessionProbe& facts) {
  if (!facts.waylandConnected) {
    return QCoreApplication::translate("FrontBackendChoice", "no Wayland connection");
  }
  if (!facts.waylandGlobals.contains(QLatin1String(kForeignToplevel))) {
    return QCoreApplication::translate("FrontBackendChoice", "the compositor has no %1")
        .arg(QLatin1String(kForeignToplevel));
  }
  return std::nullopt;
}

Verdict verdictOnWayland(FrontBackend backend, const SessionProbe& facts) {
  switch (backend) {
    case FrontBackend::GnomeShell:
      return desktopBackend(facts, QStringLiteral("GNOME"), kGnomeShellBusName);
    case FrontBackend::KWin:
      return desktopBackend(facts, QStringLiteral("KDE"), kKWinBusName);
    case FrontBackend::Hyprland:
      if (facts.hyprlandSignature.isEmpty())
        return QCoreApplication::translate("FrontBackendChoice", "no HYPRLAND_INSTANCE_SIGNATURE");
      return std::nullopt;
    case FrontBackend::Niri:
      if (facts.niriSocket.isEmpty())
        return QCoreApplication::translate("FrontBackendChoice", "no NIRI_SOCKET");
      return std::nullopt;
    case FrontBackend::Sway:
      if (facts.swaySocket.isEmpty())
        return QCoreApplication::translate("FrontBackendChoice", "no SWAYSOCK");
      return foreignToplevel(facts);
    case FrontBackend::Wlroots:
      return foreignToplevel(facts);
    case FrontBackend::X11:
      if (facts.x11Display.isEmpty())
        return QCoreApplication::translate("FrontBackendChoice", "DISPLAY is not set");
      return std::nullopt;
    case FrontBackend::None:
      break;
  }
  return std::nullopt;
}

}  // namespace

QString frontBackendName(FrontBackend backend) {
  switch (backend) {
    case FrontBackend::GnomeShell:
      return QStringLiteral("gnome-shell");
    case FrontBackend::KWin:
      return QStringLiteral("kwin");
    case FrontBackend::Hyprland:
      return QStringLiteral("hyprland");
    case FrontBackend::Niri:
      return QStringLiteral("niri");
    case FrontBackend::Sway:
      return QStringLiteral("sway");
    case FrontBackend::Wlroots:
      return QStringLiteral("wlroots");
    case FrontBackend::X11:
      return QStringLiteral("x11");
    case FrontBackend::None:
      break;
  }
  return QStringLiteral("none");
}

FrontBackendChoice chooseFrontBackend(const SessionProbe& facts) {
  const std::vector<FrontBackend> order = {
      FrontBackend::GnomeShell, FrontBackend::KWin,    FrontBackend::Hyprland, FrontBackend::Niri,
      FrontBackend::Sway,       FrontBackend::Wlroots, FrontBackend::X11};
  const bool wayland = isWayland(facts);

  FrontBackendChoice choice;
  choice.backend = FrontBackend::None;
  choice.subject = QCoreApplication::translate("FrontBackendChoice", "Front application");
  QString& why = choice.why;
  QStringList others;
  bool chosen = false;
  for (FrontBackend backend : order) {
    Verdict verdict;
    if (!wayland && backend != FrontBackend::X11) {
      verdict = QCoreApplication::translate("FrontBackendChoice", "not a Wayland session");
    } else {
      verdict = verdictOnWayland(backend, facts);
    }
    if (!verdict && !chosen) {
      choice.backend = backend;
      chosen = true;
      continue;
    }
    const QString whyNot =
        verdict ? *verdict : QCoreApplication::translate("FrontBackendChoice", "ranks lower");
    choice.notTaken.append({backend, whyNot});
    others << QCoreApplication::translate("FrontBackendChoice", "not %1: %2")
                  .arg(frontBackendName(backend), whyNot);
  }

  switch (choice.backend) {
    case FrontBackend::GnomeShell:
      why = QCoreApplication::translate("FrontBackendChoice", "through our GNOME Shell extension");
      break;
    case FrontBackend::KWin:
      why = QCoreApplication::translate("FrontBackendChoice", "through our KWin script");
      break;
    case FrontBackend::Hyprland:
      why = QCoreApplication::translate("FrontBackendChoice", "Hyprland's event socket");
      break;
    case FrontBackend::Niri:
      why = QCoreApplication::translate("FrontBackendChoice", "niri's event stream");
      break;
    case FrontBackend::Sway:
      why = QCoreApplication::translate("FrontBackendChoice", "%1 with the pid from sway's IPC")
                .arg(QLatin1String(kForeignToplevel));
      break;
    case FrontBackend::Wlroots:
      why = QString::fromLatin1(kForeignToplevel);
      break;
    case FrontBackend::X11:
      why = wayland ? QCoreApplication::translate(kFrontBackendContext, kXApplicationsOnly)
                    : QStringLiteral("_NET_ACTIVE_WINDOW");
      break;
    case FrontBackend::None:
      why = QCoreApplication::translate(kFrontBackendContext, kSwitchingOff);
      break;
  }
  choice.text = QStringLiteral("%1, %2; %3")
                    .arg(frontBackendName(choice.backend), why, others.join(QStringLiteral("; ")));
  return choice;
}

}  // namespace halvane

#include "platform/input/posters/KeyEventBackendChoice.h"

#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"

namespace halvane {

namespace {

KeyEventBackendChoice chosen(KeyEventBackend backend, const QString& why, const QString& text) {
  KeyEventBackendChoice choice;
  choice.backend = backend;
  choice.subject = QStringLiteral("Synthetic keys");
  choice.why = why;
  choice.text = text;
  return choice;
}

}  // namespace

QString keyEventBackendName(KeyEventBackend backend) {
  switch (backend) {
    case KeyEventBackend::Uinput:
      return QStringLiteral("uinput");
    case KeyEventBackend::WaylandVirtualKeyboard:
      return QStringLiteral("wayland-virtual-keyboard");
    case KeyEventBackend::XTest:
      return QStringLiteral("xtest");
    case KeyEventBackend::TraceOnly:
      break;
  }
  return QStringLiteral("none");
}

KeyEventBackendChoice chooseKeyEventBackend(const SessionProbe& probe,
                                            const KeyEventFailures& failed) {
  const bool wayland = probe.hasWaylandDisplay();
  const QString noUinput = failed.value(KeyEventBackend::Uinput, probe.uinputUnusable);
  const QString noXTest = failed.value(KeyEventBackend::XTest, probe.noXDisplay());
  const QString noVirtualKeyboard =
      failed.value(KeyEventBackend::WaylandVirtualKeyboard,
                   WaylandVirtualKeyboardEventPoster::unavailableReason(probe));

  KeyEventBackendChoice choice;
  QList<std::pair<KeyEventBackend, QString>> notTaken;
  QString uinputReason = noUinput;
  if (wayland) {
    if (noUinput.isEmpty())
      return chosen(KeyEventBackend::Uinput, QStringLiteral("Wayland session"),
                    QStringLiteral("uinput virtual keyboard (Wayland session)"));
    notTaken.append({KeyEventBackend::Uinput, noUinput});
    if (noVirtualKeyboard.isEmpty()) {
      choice = chosen(KeyEventBackend::WaylandVirtualKeyboard, QStringLiteral("no uinput"),
                      QStringLiteral("the Wayland compositor's virtual keyboard (no uinput: %1)")
                          .arg(noUinput));
      choice.notTaken = notTaken;
      return choice;
    }
    notTaken.append({KeyEventBackend::WaylandVirtualKeyboard, noVirtualKeyboard});
    uinputReason += QStringLiteral("; no Wayland virtual keyboard: ") + noVirtualKeyboard;
  }
  if (noXTest.isEmpty()) {
    QString text = QStringLiteral("XTest on X display %1").arg(probe.x11Display);
    if (wayland)
      text += QStringLiteral(", reaching X clients only (no uinput: %1)").arg(uinputReason);
    choice =
        chosen(KeyEventBackend::XTest,
               wayland ? QStringLiteral("X clients only") : QStringLiteral("X11 session"), text);
    choice.notTaken = notTaken;
    return choice;
  }
  notTaken.append({KeyEventBackend::XTest, noXTest});
  if (!wayland) {
    if (noUinput.isEmpty()) {
      choice = chosen(KeyEventBackend::Uinput, QStringLiteral("no XTest"),
                      QStringLiteral("uinput virtual keyboard (no XTest: %1)").arg(noXTest));
      choice.notTaken = notTaken;
      return choice;
    }
    notTaken.append({KeyEventBackend::Uinput, noUinput});
  }
  choice = chosen(KeyEventBackend::TraceOnly, QStringLiteral("no backend can post"),
                  QStringLiteral("none, macros are only traced (no XTest: %1; no uinput: %2)")
                      .arg(noXTest, uinputReason));
  choice.notTaken = notTaken;
  return choice;
}

}  // namespace halvane

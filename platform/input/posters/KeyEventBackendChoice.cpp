#include "platform/input/posters/KeyEventBackendChoice.h"

#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"

#include <QCoreApplication>

namespace halvane {

namespace {

KeyEventBackendChoice chosen(KeyEventBackend backend, const QString& why, const QString& text) {
  KeyEventBackendChoice choice;
  choice.backend = backend;
  choice.subject = QCoreApplication::translate("KeyEventBackendChoice", "Synthetic keys");
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
      return chosen(KeyEventBackend::Uinput,
                    QCoreApplication::translate("KeyEventBackendChoice", "Wayland session"),
                    QCoreApplication::translate("KeyEventBackendChoice",
                                                "uinput virtual keyboard (Wayland session)"));
    notTaken.append({KeyEventBackend::Uinput, noUinput});
    if (noVirtualKeyboard.isEmpty()) {
      choice = chosen(
          KeyEventBackend::WaylandVirtualKeyboard,
          QCoreApplication::translate("KeyEventBackendChoice", "no uinput"),
          QCoreApplication::translate("KeyEventBackendChoice",
                                      "the Wayland compositor's virtual keyboard (no uinput: %1)")
              .arg(noUinput));
      choice.notTaken = notTaken;
      return choice;
    }
    notTaken.append({KeyEventBackend::WaylandVirtualKeyboard, noVirtualKeyboard});
    uinputReason =
        QCoreApplication::translate("KeyEventBackendChoice", "%1; no Wayland virtual keyboard: %2")
            .arg(uinputReason, noVirtualKeyboard);
  }
  if (noXTest.isEmpty()) {
    const QString text =
        wayland ? QCoreApplication::translate(
                      "KeyEventBackendChoice",
                      "XTest on X display %1, reaching X clients only (no uinput: %2)")
                      .arg(probe.x11Display, uinputReason)
                : QCoreApplication::translate("KeyEventBackendChoice", "XTest on X display %1")
                      .arg(probe.x11Display);
    choice = chosen(KeyEventBackend::XTest,
                    wayland ? QCoreApplication::translate("KeyEventBackendChoice", "X clients only")
                            : QCoreApplication::translate("KeyEventBackendChoice", "X11 session"),
                    text);
    choice.notTaken = notTaken;
    return choice;
  }
  notTaken.append({KeyEventBackend::XTest, noXTest});
  if (!wayland) {
    if (noUinput.isEmpty()) {
      choice = chosen(KeyEventBackend::Uinput,
                      QCoreApplication::translate("KeyEventBackendChoice", "no XTest"),
                      QCoreApplication::translate("KeyEventBackendChoice",
                                                  "uinput virtual keyboard (no XTest: %1)")
                          .arg(noXTest));
      choice.notTaken = notTaken;
      return choice;
    }
    notTaken.append({KeyEventBackend::Uinput, noUinput});
  }
  // The line starts with the backend's name, untranslated: doctor knows it by that.
  choice =
      chosen(KeyEventBackend::TraceOnly,
             QCoreApplication::translate("KeyEventBackendChoice", "no backend can post"),
             QStringLiteral("%1, %2").arg(
                 keyEventBackendName(KeyEventBackend::TraceOnly),
                 QCoreApplication::translate("KeyEventBackendChoice",
                                             "macros are only traced (no XTest: %1; no uinput: %2)")
                     .arg(noXTest, uinputReason)));
  choice.notTaken = notTaken;
  return choice;
}

}  // namespace halvane

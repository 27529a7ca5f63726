#include "platform/input/pointer/PointerBackendChoice.h"

#include <QCoreApplication>

namespace halvane {

namespace {

PointerBackendChoice chosen(PointerBackend backend, const QString& why, const QString& text,
                            const QList<std::pair<PointerBackend, QString>>& notTaken) {
  PointerBackendChoice choice;
  choice.backend = backend;
  choice.subject = QCoreApplication::translate("PointerBackendChoice", "Mouse buttons and wheel");
  choice.why = why;
  choice.text = text;
  choice.notTaken = notTaken;
  return choice;
}

}  // namespace

QString pointerBackendName(PointerBackend backend) {
  switch (backend) {
    case PointerBackend::Uinput:
      return QStringLiteral("uinput");
    case PointerBackend::XTest:
      return QStringLiteral("xtest");
    case PointerBackend::TraceOnly:
      break;
  }
  return QStringLiteral("none");
}

PointerBackendChoice choosePointerBackend(const SessionProbe& probe,
                                          const PointerFailures& failed) {
  const bool wayland = probe.hasWaylandDisplay();
  const QString noUinput = failed.value(PointerBackend::Uinput, probe.uinputUnusable);
  const QString noXTest = failed.value(PointerBackend::XTest, probe.noXDisplay());
  QList<std::pair<PointerBackend, QString>> notTaken;
  if (wayland) {
    if (noUinput.isEmpty())
      return chosen(PointerBackend::Uinput,
                    QCoreApplication::translate("PointerBackendChoice", "Wayland session"),
                    QCoreApplication::translate("PointerBackendChoice",
                                                "uinput virtual pointer (Wayland session)"),
                    notTaken);
    notTaken.append({PointerBackend::Uinput, noUinput});
  }
  if (noXTest.isEmpty())
    return chosen(PointerBackend::XTest,
                  wayland ? QCoreApplication::translate("PointerBackendChoice", "X clients only")
                          : QCoreApplication::translate("PointerBackendChoice", "X11 session"),
                  wayland
                      ? QCoreApplication::translate(
                            "PointerBackendChoice",
                            "XTest on X display %1, reaching X clients only (no uinput: %2)")
                            .arg(probe.x11Display, noUinput)
                      : QCoreApplication::translate("PointerBackendChoice", "XTest on X display %1")
                            .arg(probe.x11Display),
                  notTaken);
  notTaken.append({PointerBackend::XTest, noXTest});
  if (!wayland) {
    if (noUinput.isEmpty())
      return chosen(PointerBackend::Uinput,
                    QCoreApplication::translate("PointerBackendChoice", "no XTest"),
                    QCoreApplication::translate("PointerBackendChoice",
                                                "uinput virtual pointer (no XTest: %1)")
                        .arg(noXTest),
                    notTaken);
    notTaken.append({PointerBackend::Uinput, noUinput});
  }
  // The line starts with the backend's name, untranslated, as the key events' line does.
  return chosen(
      PointerBackend::TraceOnly,
      QCoreApplication::translate("PointerBackendChoice", "no backend can post"),
      QStringLiteral("%1, %2").arg(
          pointerBackendName(PointerBackend::TraceOnly),
          QCoreApplication::translate("PointerBackendChoice",
                                      "mouse steps are only traced (no XTest: %1; no uinput: %2)")
              .arg(noXTest, noUinput)),
      notTaken);
}

}  // namespace halvane

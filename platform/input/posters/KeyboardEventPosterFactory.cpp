#include "platform/input/posters/KeyboardEventPosterFactory.h"

#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/posters/TraceOnlyKeyboardEventPoster.h"
#include "platform/input/posters/UinputKeyboardEventPoster.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {
namespace {

std::unique_ptr<KeyboardEventPoster> createUinput(SystemLog& log, QString* whyNot) {
  UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane virtual keyboard"),
                                                   UinputKeyboardEventPoster::capabilities());
  if (!made.device) {
    *whyNot = UinputDevice::reasonForError(made.error, UinputDevice::defaultPath());
    return nullptr;
  }
  return std::make_unique<UinputKeyboardEventPoster>(std::move(made.device), log);
}

}  // namespace

std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(SystemLog& log) {
  QString noXTest;
  QString noUinput;
  QString noVirtualKeyboard;
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (wayland) {
    if (std::unique_ptr<KeyboardEventPoster> uinput = createUinput(log, &noUinput)) {
      log.log(QStringLiteral("Synthetic keys: uinput virtual keyboard (Wayland session)"));
      return uinput;
    }
    if (auto virtualKeyboard = WaylandVirtualKeyboardEventPoster::create(
            WaylandConnection::shared(), &noVirtualKeyboard)) {
      log.log(QStringLiteral(
                  "Synthetic keys: the Wayland compositor's virtual keyboard (no uinput: %1)")
                  .arg(noUinput));
      return virtualKeyboard;
    }
    noUinput += QStringLiteral("; no Wayland virtual keyboard: ") + noVirtualKeyboard;
  }
  if (std::unique_ptr<XTestKeyboardEventPoster> xtest =
          XTestKeyboardEventPoster::connect(&noXTest)) {
    QString line =
        QStringLiteral("Synthetic keys: XTest on X display %1").arg(xtest->displayName());
    if (wayland) line += QStringLiteral(", reaching X clients only (no uinput: %1)").arg(noUinput);
    log.log(line);
    return xtest;
  }
  if (!wayland) {
    if (std::unique_ptr<KeyboardEventPoster> uinput = createUinput(log, &noUinput)) {
      log.log(
          QStringLiteral("Synthetic keys: uinput virtual keyboard (no XTest: %1)").arg(noXTest));
      return uinput;
    }
  }
  log.log(
      QStringLiteral("Synthetic keys: none, macros are only traced (no XTest: %1; no uinput: %2)")
          .arg(noXTest, noUinput));
  return std::make_unique<TraceOnlyKeyboardEventPoster>();
}

}  // namespace halvane

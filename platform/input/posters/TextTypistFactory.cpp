#include "platform/input/posters/TextTypistFactory.h"

#include "platform/input/keyboardlayout/LazyKeyboardLayoutServices.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/posters/UinputTextTypist.h"
#include "platform/input/posters/VirtualKeyboardTextTypist.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/input/posters/XTestTextTypist.h"
#include "platform/system/log/SystemLog.h"

#include <QCoreApplication>

namespace halvane {

std::unique_ptr<TextTypist> createTextTypist(const KeyEventBackendChoice& choice,
                                             KeyboardEventPoster& backend,
                                             KeyboardEventPoster& keys, const SessionProbe& probe,
                                             SystemLog& log, BackendRecord* record) {
  const QString name = keyEventBackendName(choice.backend);
  // The layout is read when the first text is typed; the probe is copied, since the callers'
  // may be gone by then.
  const auto layouts = [probe] {
    return std::make_unique<LazyKeyboardLayoutServices>(
        [probe] { return XkbKeyboardLayoutServices::forSystem(probe); });
  };
  // The line starts with the backend's name, untranslated, as the key events' line does.
  const auto say = [&](const QString& what) {
    const QString text = QStringLiteral("%1, %2").arg(name, what);
    log.log(QCoreApplication::translate("TextTypist", "Text typing") + QStringLiteral(": ") + text);
    if (record) *record = BackendRecord{BackendService::Text, name, {}, {}, text};
  };
  switch (choice.backend) {
    case KeyEventBackend::XTest:
      if (auto* server = dynamic_cast<XTestKeyboardEventPoster*>(&backend)) {
        say(QCoreApplication::translate("TextTypist",
                                        "characters outside the layout through spare key codes"));
        return std::make_unique<XTestTextTypist>(keys, *server, layouts());
      }
      break;
    case KeyEventBackend::WaylandVirtualKeyboard:
      if (auto* keyboard = dynamic_cast<WaylandVirtualKeyboardEventPoster*>(&backend)) {
        say(QCoreApplication::translate(
            "TextTypist", "characters outside the layout through a keymap that holds them"));
        return std::make_unique<VirtualKeyboardTextTypist>(keys, *keyboard, layouts());
      }
      break;
    case KeyEventBackend::Uinput:
      say(QCoreApplication::translate(
          "TextTypist",
          "only the characters of the keyboard layout; the others need X11 or a desktop with "
          "the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)"));
      return std::make_unique<UinputTextTypist>(keys, layouts());
    case KeyEventBackend::TraceOnly:
      break;
  }
  say(QCoreApplication::translate("TextTypist", "text steps are only traced"));
  return nullptr;
}

}  // namespace halvane

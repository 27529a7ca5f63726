#include "platform/input/posters/TextTypistFactory.h"

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
                                             SystemLog& log) {
  const QString name = keyEventBackendName(choice.backend);
  switch (choice.backend) {
    case KeyEventBackend::XTest:
      if (auto* server = dynamic_cast<XTestKeyboardEventPoster*>(&backend)) {
        log.log(QStringLiteral("Text typing: %1, characters outside the layout through spare key "
                               "codes")
                    .arg(name));
        return std::make_unique<XTestTextTypist>(keys, *server,
                                                 XkbKeyboardLayoutServices::forSystem(probe));
      }
      break;
    case KeyEventBackend::WaylandVirtualKeyboard:
      if (auto* keyboard = dynamic_cast<WaylandVirtualKeyboardEventPoster*>(&backend)) {
        log.log(QStringLiteral("Text typing: %1, characters outside the layout through a keymap "
                               "that holds them")
                    .arg(name));
        return std::make_unique<VirtualKeyboardTextTypist>(
            keys, *keyboard, XkbKeyboardLayoutServices::forSystem(probe));
      }
      break;
    case KeyEventBackend::Uinput:
      log.log(QCoreApplication::translate(
                  "TextTypist",
                  "Text steps can type only the characters of the keyboard layout on this "
                  "desktop (%1)")
                  .arg(name));
      return std::make_unique<UinputTextTypist>(keys, XkbKeyboardLayoutServices::forSystem(probe));
    case KeyEventBackend::TraceOnly:
      break;
  }
  return nullptr;
}

}  // namespace halvane

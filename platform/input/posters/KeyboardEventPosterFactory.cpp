#include "platform/input/posters/KeyboardEventPosterFactory.h"

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

std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(const KeyEventBackendChoice& choice,
                                                               const SessionProbe& probe,
                                                               SystemLog& log, QString* whyNot) {
  switch (choice.backend) {
    case KeyEventBackend::Uinput:
      return createUinput(log, whyNot);
    case KeyEventBackend::WaylandVirtualKeyboard:
      return WaylandVirtualKeyboardEventPoster::create(probe.wayland, whyNot);
    case KeyEventBackend::XTest: {
      const QByteArray display = probe.x11Display.toLocal8Bit();
      return XTestKeyboardEventPoster::connect(whyNot, display.constData());
    }
    case KeyEventBackend::TraceOnly:
      break;
  }
  return std::make_unique<TraceOnlyKeyboardEventPoster>();
}

std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(const SessionProbe& probe,
                                                               SystemLog& log,
                                                               KeyEventBackendChoice* made) {
  KeyEventFailures failed;
  for (;;) {
    const KeyEventBackendChoice choice = chooseKeyEventBackend(probe, failed);
    QString whyNot;
    if (std::unique_ptr<KeyboardEventPoster> poster =
            createKeyboardEventPoster(choice, probe, log, &whyNot)) {
      log.log(choice.logLine());
      if (made) *made = choice;
      return poster;
    }
    failed.insert(choice.backend, whyNot);
  }
}

}  // namespace halvane

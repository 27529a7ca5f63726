#include "platform/input/pointer/PointerEventPosterFactory.h"

#include "platform/input/pointer/TraceOnlyPointerEventPoster.h"
#include "platform/input/pointer/UinputPointerEventPoster.h"
#include "platform/input/pointer/XTestPointerEventPoster.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {

std::unique_ptr<PointerEventPoster> createPointerEventPoster(const PointerBackendChoice& choice,
                                                             const SessionProbe& probe,
                                                             SystemLog& log, QString* whyNot) {
  switch (choice.backend) {
    case PointerBackend::Uinput: {
      UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane virtual pointer"),
                                                       UinputPointerEventPoster::capabilities());
      if (!made.device) {
        *whyNot = UinputDevice::reasonForError(made.error, UinputDevice::defaultPath());
        return nullptr;
      }
      return std::make_unique<UinputPointerEventPoster>(std::move(made.device), log);
    }
    case PointerBackend::XTest: {
      const QByteArray display = probe.x11Display.toLocal8Bit();
      return XTestPointerEventPoster::connect(whyNot, display.constData());
    }
    case PointerBackend::TraceOnly:
      break;
  }
  return std::make_unique<TraceOnlyPointerEventPoster>();
}

std::unique_ptr<PointerEventPoster> createPointerEventPoster(const SessionProbe& probe,
                                                             SystemLog& log,
                                                             PointerBackendChoice* made) {
  PointerFailures failed;
  for (;;) {
    const PointerBackendChoice choice = choosePointerBackend(probe, failed);
    QString whyNot;
    if (std::unique_ptr<PointerEventPoster> poster =
            createPointerEventPoster(choice, probe, log, &whyNot)) {
      log.log(choice.logLine());
      if (made) *made = choice;
      return poster;
    }
    failed.insert(choice.backend, whyNot);
  }
}

}  // namespace halvane

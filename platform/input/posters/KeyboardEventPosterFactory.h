#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"

#include <memory>

namespace halvane {

class SystemLog;

// The keyboard event backend for this session, with one log line saying which was chosen and,
// for each one passed over, why: XTest when an X display can be reached, else a uinput virtual
// keyboard, else one that posts nothing (the platform trace still shows every event). In a
// Wayland session uinput comes first when it can be used, then the compositor's own virtual
// keyboard where it offers one, since XTest reaches only X clients.
std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(SystemLog& log);

}  // namespace halvane

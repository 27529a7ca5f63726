#pragma once

#include "platform/system/instance/InstanceLock.h"

namespace halvane {

// Takes the session's one-helper lock before anything else is opened, and says in the log what
// came of it when it is not simply taken. A second helper would take the keyboard too, play
// every macro twice and, quitting last, store a stale current profile.
InstanceLock claimHelperInstance();

}  // namespace halvane

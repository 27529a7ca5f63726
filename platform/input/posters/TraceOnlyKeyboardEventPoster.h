#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"

namespace halvane {

// Posts nothing: where no backend can type, the trace decorator around it still records every
// event, so the helper's work stays visible.
class TraceOnlyKeyboardEventPoster : public KeyboardEventPoster {
 public:
  void setLocalEventsSuppressionInterval(double) override {}
  void enableEventStateCombining(bool) override {}
  bool postKeyboardEvent(quint16, bool) override { return true; }
};

}  // namespace halvane

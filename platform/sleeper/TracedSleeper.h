#pragma once

#include "platform/sleeper/Sleeper.h"
#include "platform/trace/Trace.h"

namespace halvane {

class TracedSleeper : public Sleeper {
 public:
  TracedSleeper(Sleeper& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  void sleep(double seconds) override {
    trace_.write(TraceEvent("sleep").add("seconds", seconds));
    inner_.sleep(seconds);
  }

 private:
  Sleeper& inner_;
  Trace& trace_;
};

}  // namespace halvane

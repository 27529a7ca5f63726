#pragma once

#include "platform/system/sleeper/Sleeper.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedSleeper : public Sleeper {
 public:
  TracedSleeper(Sleeper& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  void after(double seconds, std::function<void()> resume) override {
    trace_.write(TraceEvent("sleep").add("seconds", seconds));
    inner_.after(seconds, std::move(resume));
  }
  void cancel() override { inner_.cancel(); }

 private:
  Sleeper& inner_;
  Trace& trace_;
};

}  // namespace halvane

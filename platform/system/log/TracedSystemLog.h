#pragma once

#include "platform/system/log/SystemLog.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedSystemLog : public SystemLog {
 public:
  TracedSystemLog(SystemLog& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  void log(const QString& message) override {
    trace_.write(TraceEvent("log").add("message", message));
    inner_.log(message);
  }

 private:
  SystemLog& inner_;
  Trace& trace_;
};

}  // namespace halvane

#pragma once

#include "platform/system/script/ScriptRunner.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedScriptRunner : public ScriptRunner {
 public:
  TracedScriptRunner(ScriptRunner& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  void run(const QString& scriptPath, const QString& handler, const QString& key,
           const QString& param) override {
    trace_.write(TraceEvent("script").add("handler", handler).add("key", key).add("param", param));
    inner_.run(scriptPath, handler, key, param);
  }
  // The combinations themselves are traced as the key events they become.
  void setKeyCombinationHandler(KeyCombinationHandler handler) override {
    inner_.setKeyCombinationHandler(std::move(handler));
  }

 private:
  ScriptRunner& inner_;
  Trace& trace_;
};

}  // namespace halvane

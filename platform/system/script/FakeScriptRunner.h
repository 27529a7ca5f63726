#pragma once

#include "platform/system/script/ScriptRunner.h"

#include <vector>

namespace halvane {

class FakeScriptRunner : public ScriptRunner {
 public:
  struct Call {
    QString scriptPath, handler, key, param;
  };
  void run(const QString& scriptPath, const QString& handler, const QString& key,
           const QString& param) override {
    calls.push_back({scriptPath, handler, key, param});
  }
  void setKeyCombinationHandler(KeyCombinationHandler handler) override {
    keyCombinationHandler = std::move(handler);
  }

  std::vector<Call> calls;
  // A test plays the script asking for a combination through it.
  KeyCombinationHandler keyCombinationHandler;
};

}  // namespace halvane

#pragma once

#include "platform/script/ScriptRunner.h"

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
  std::vector<Call> calls;
};

}  // namespace halvane

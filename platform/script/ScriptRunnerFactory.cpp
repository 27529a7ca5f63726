#include "platform/script/ScriptRunnerFactory.h"

#include "platform/script/ProcessScriptRunner.h"

namespace halvane {

std::unique_ptr<ScriptRunner> createScriptRunner(std::function<std::optional<QString>()> frontPath) {
  ProcessScriptRunner::FrontApplicationSource front;
  if (frontPath)
    front = [frontPath = std::move(frontPath)] { return ScriptFrontApplication::fromPath(frontPath()); };
  return std::make_unique<ProcessScriptRunner>(ProcessScriptRunner::kDefaultTimeoutMs, std::move(front));
}

}  // namespace halvane

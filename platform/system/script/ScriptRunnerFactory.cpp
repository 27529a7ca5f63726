#include "platform/system/script/ScriptRunnerFactory.h"

#include "platform/system/script/ProcessScriptRunner.h"

namespace halvane {

namespace {

// HALVANE_SCRIPT_TIMEOUT_MS, a positive number of milliseconds, replaces the default time limit
// of a script run: on a slow machine (an emulated one, say) a script that talks to a media player
// can need longer than a desktop does. Anything else keeps the default.
int scriptTimeoutMs() {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue("HALVANE_SCRIPT_TIMEOUT_MS", &ok);
  return ok && value > 0 ? value : ProcessScriptRunner::kDefaultTimeoutMs;
}

}  // namespace

std::unique_ptr<ScriptRunner> createScriptRunner(
    std::function<std::optional<QString>()> frontPath) {
  ProcessScriptRunner::FrontApplicationSource front;
  if (frontPath)
    front = [frontPath = std::move(frontPath)] {
      return ScriptFrontApplication::fromPath(frontPath());
    };
  return std::make_unique<ProcessScriptRunner>(scriptTimeoutMs(), std::move(front));
}

}  // namespace halvane

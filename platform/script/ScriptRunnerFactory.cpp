#include "platform/script/ScriptRunnerFactory.h"

#include "platform/script/ProcessScriptRunner.h"

namespace halvane {

std::unique_ptr<ScriptRunner> createScriptRunner() { return std::make_unique<ProcessScriptRunner>(); }

}  // namespace halvane

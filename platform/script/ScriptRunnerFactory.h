#pragma once

#include "platform/script/ScriptRunner.h"

#include <memory>

namespace halvane {

// The runner of the helper's script resource (a program, stopped when it hangs).
std::unique_ptr<ScriptRunner> createScriptRunner();

}  // namespace halvane

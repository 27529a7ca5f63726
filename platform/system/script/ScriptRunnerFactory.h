#pragma once

#include "platform/system/script/ScriptRunner.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace halvane {

// The runner of the helper's script resource (a program, stopped when it hangs), which tells the
// script the front application: frontPath gives its path, as the front application watcher does.
std::unique_ptr<ScriptRunner> createScriptRunner(
    std::function<std::optional<QString>()> frontPath = {});

}  // namespace halvane

#pragma once

#include <QString>

#include <functional>

namespace halvane {

// Calls one handler of a script resource with two text arguments and waits for it; the result
// and any error are of no interest to the caller.
class ScriptRunner {
 public:
  // Types one key combination (virtual key code, modifier mask) as the helper's macros do.
  using KeyCombinationHandler = std::function<void(int key, int modifiers)>;

  virtual ~ScriptRunner() = default;
  virtual void run(const QString& scriptPath, const QString& handler, const QString& key,
                   const QString& param) = 0;
  // Where the combinations go that a script asks the helper to type (an application's own
  // shortcut for an imaging key): the helper's key poster reaches every application, where a
  // tool run by the script would reach X clients only. None: they are dropped.
  virtual void setKeyCombinationHandler(KeyCombinationHandler handler) = 0;
};

}  // namespace halvane

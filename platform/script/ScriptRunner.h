#pragma once

#include <QString>

namespace halvane {

// Calls one handler of a script resource with two text arguments and waits for it; the result
// and any error are of no interest to the caller.
class ScriptRunner {
 public:
  virtual ~ScriptRunner() = default;
  virtual void run(const QString& scriptPath, const QString& handler, const QString& key,
                   const QString& param) = 0;
};

}  // namespace halvane

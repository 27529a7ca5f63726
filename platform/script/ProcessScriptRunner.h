#pragma once

#include "platform/script/ScriptRunner.h"

namespace halvane {

// Runs the script resource as a program: `<script> <handler> <key> <param>`, and waits for it
// on the calling thread, as the helper's synchronous script requests need. A script that has not
// ended within the time limit is stopped with everything it started (terminated, then killed),
// so a hanging player or bus call never freezes the helper for long.
class ProcessScriptRunner : public ScriptRunner {
 public:
  static constexpr int kDefaultTimeoutMs = 3000;
  // How long a terminated script may take to end before it is killed.
  static constexpr int kTerminateGraceMs = 500;

  explicit ProcessScriptRunner(int timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}

  // A script that is missing or cannot be started is ignored, like its exit status and output.
  void run(const QString& scriptPath, const QString& handler, const QString& key,
           const QString& param) override;

 private:
  int timeoutMs_;
};

}  // namespace halvane

#pragma once

#include "platform/system/script/ScriptRunner.h"

#include <QProcessEnvironment>

#include <functional>
#include <optional>

namespace halvane {

// The application in front when a script runs, as the script gets it in its environment:
// HALVANE_FRONT_DESKTOP_ID (the desktop entry's ID, "org.gnome.eog") and
// HALVANE_FRONT_EXECUTABLE (its executable's path); either may be empty.
struct ScriptFrontApplication {
  QString desktopId;
  QString executable;

  // From a front application's path: a desktop entry (its ID) or an executable.
  static ScriptFrontApplication fromPath(const std::optional<QString>& path);
  void addTo(QProcessEnvironment& environment) const;
};

// Runs the script resource as a program: `<script> <handler> <key> <param>`, and waits for it
// on the calling thread, as the helper's synchronous script requests need. A script that has not
// ended within the time limit is stopped with everything it started (terminated, then killed),
// so a hanging player or bus call never freezes the helper for long.
//
// A line `combo <virtual key code> <modifier mask>` on the script's standard output asks the
// helper to type that combination; the runner performs these once the script has ended. Other
// output goes to the helper's standard output, and standard error to the helper's.
class ProcessScriptRunner : public ScriptRunner {
 public:
  static constexpr int kDefaultTimeoutMs = 3000;
  // How long a terminated script may take to end before it is killed.
  static constexpr int kTerminateGraceMs = 500;

  using FrontApplicationSource = std::function<ScriptFrontApplication()>;

  explicit ProcessScriptRunner(int timeoutMs = kDefaultTimeoutMs, FrontApplicationSource front = {})
      : timeoutMs_(timeoutMs), front_(std::move(front)) {}

  // A script that is missing or cannot be started is ignored, like its exit status and output.
  void run(const QString& scriptPath, const QString& handler, const QString& key,
           const QString& param) override;
  void setKeyCombinationHandler(KeyCombinationHandler handler) override {
    combinations_ = std::move(handler);
  }

 private:
  void perform(const QByteArray& output);

  int timeoutMs_;
  FrontApplicationSource front_;
  KeyCombinationHandler combinations_;
};

}  // namespace halvane

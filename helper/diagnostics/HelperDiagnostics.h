#pragma once

#include "shared/control/DiagnosticsServer.h"

namespace halvane {

class BackendRegistry;
class Controller;
class FrontApplicationWatcher;

// The helper's read-only reports: what the front-application watcher sees, which profile that
// selects through the Controller's own matching (or why none), and the backends chosen.
class HelperDiagnostics : public DiagnosticsServer {
 public:
  // All three must outlive this.
  HelperDiagnostics(Controller& controller, FrontApplicationWatcher& watcher,
                    const BackendRegistry& backends);
  ~HelperDiagnostics() override;
  HelperDiagnostics(const HelperDiagnostics&) = delete;
  HelperDiagnostics& operator=(const HelperDiagnostics&) = delete;

  Report frontApplication() override;
  Report backends() override;
  Report settingsLoad() override;
  void setFrontApplicationChangedHandler(std::function<void(const Report&)> handler) override;

 private:
  Controller& controller_;
  FrontApplicationWatcher& watcher_;
  const BackendRegistry& backends_;
  std::function<void(const Report&)> changed_;
};

}  // namespace halvane

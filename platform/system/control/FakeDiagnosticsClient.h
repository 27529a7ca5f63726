#pragma once

#include "platform/system/control/DiagnosticsClient.h"

namespace halvane {

// The helper's reports as set by a test; a report left empty is one the helper did not give.
class FakeDiagnosticsClient : public DiagnosticsClient {
 public:
  std::optional<Report> frontApplication() override { return front; }
  std::optional<Report> backends() override { return backendReport; }
  std::optional<Report> settingsLoad() override { return load; }
  bool watchFrontApplication(std::function<void(const Report&)>) override { return false; }

  std::optional<Report> front, backendReport, load;
};

}  // namespace halvane

#pragma once

#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace halvane {

// The helper's read-only reports (com.halvane.keyboard.Diagnostics) as a client reaches them.
// Calls give nothing when the helper does not answer within a short timeout.
class DiagnosticsClient {
 public:
  using Report = QMap<QString, QString>;
  virtual ~DiagnosticsClient() = default;
  virtual std::optional<Report> frontApplication() = 0;
  virtual std::optional<Report> backends() = 0;
  virtual std::optional<Report> settingsLoad() = 0;
  // handler runs on the main loop with each report the helper sends after an application
  // switch. False when the subscription could not be made.
  virtual bool watchFrontApplication(std::function<void(const Report&)> handler) = 0;
};

}  // namespace halvane

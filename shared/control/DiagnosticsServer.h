#pragma once

#include <QMap>
#include <QString>

#include <functional>

namespace halvane {

// What the helper reports about itself on its server object, read-only; the keys are listed in
// com.halvane.keyboard.Diagnostics.xml.
class DiagnosticsServer {
 public:
  using Report = QMap<QString, QString>;
  virtual ~DiagnosticsServer() = default;
  virtual Report frontApplication() = 0;
  virtual Report backends() = 0;
  // The helper's last reading of the settings file: "loads" (how many so far, decimal), "path",
  // and "problems" (its messages, one a line) when it did not read cleanly.
  virtual Report settingsLoad() = 0;
  // handler runs with the new report after each application switch.
  virtual void setFrontApplicationChangedHandler(std::function<void(const Report&)> handler) = 0;
};

}  // namespace halvane

#pragma once

#include <QString>

#include <functional>

namespace halvane {

// The system log: settings-level diagnostics and trace lines, with no levels.
class SystemLog {
 public:
  virtual ~SystemLog() = default;
  virtual void log(const QString& message) = 0;
  // Shared code (the settings store) reports through a plain function; this one logs here.
  std::function<void(const QString&)> reporter() {
    return [this](const QString& message) { log(message); };
  }
};

}  // namespace halvane

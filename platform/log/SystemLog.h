#pragma once

#include <QString>

namespace halvane {

// The system log: settings-level diagnostics and trace lines, with no levels.
class SystemLog {
 public:
  virtual ~SystemLog() = default;
  virtual void log(const QString& message) = 0;
};

}  // namespace halvane

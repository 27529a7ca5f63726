#pragma once

#include "platform/system/log/SystemLog.h"

#include <QStringList>

namespace halvane {

// Keeps every logged line for a test to read.
class FakeSystemLog : public SystemLog {
 public:
  void log(const QString& message) override { lines.append(message); }
  QStringList lines;
};

}  // namespace halvane

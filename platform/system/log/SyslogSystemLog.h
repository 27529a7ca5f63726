#pragma once

#include "platform/system/log/SystemLog.h"

namespace halvane {

// Writes each message to syslog(3) and, with the program name and pid in front, to standard
// error, as a desktop user expects of a background program.
class SyslogSystemLog : public SystemLog {
 public:
  explicit SyslogSystemLog(const QString& programName);
  ~SyslogSystemLog() override;
  void log(const QString& message) override;

 private:
  QByteArray ident_;
};

}  // namespace halvane

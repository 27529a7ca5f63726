#include "platform/system/log/SyslogSystemLog.h"

#include <QDateTime>

#include <syslog.h>
#include <unistd.h>

#include <cstdio>

namespace halvane {

SyslogSystemLog::SyslogSystemLog(const QString& programName) : ident_(programName.toUtf8()) {
  openlog(ident_.constData(), LOG_PID, LOG_USER);
}

SyslogSystemLog::~SyslogSystemLog() {
  closelog();
}

void SyslogSystemLog::log(const QString& message) {
  const QByteArray text = message.toUtf8();
  syslog(LOG_NOTICE, "%s", text.constData());
  const QByteArray stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8();
  std::fprintf(stderr, "%s %s[%d] %s\n", stamp.constData(), ident_.constData(), int(getpid()),
               text.constData());
  std::fflush(stderr);
}

}  // namespace halvane

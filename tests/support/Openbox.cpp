#include "tests/support/Openbox.h"

#include "tests/support/PrivateBus.h"

#include <QStandardPaths>

namespace halvane::test {
namespace {

QString executable(const char* name) {
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

}  // namespace

QString openboxMissing() {
  if (qEnvironmentVariableIsEmpty("DISPLAY"))
    return QStringLiteral("no X display: run through scripts/with-session");
  if (executable("openbox").isEmpty() || executable("xdotool").isEmpty())
    return QStringLiteral("openbox and xdotool are needed (scripts/setup --tests)");
  return {};
}

bool startOpenbox(QProcess& openbox) {
  openbox.start(executable("openbox"), {QStringLiteral("--sm-disable")});
  if (!openbox.waitForStarted(5000)) return false;
  return waitUntil([] {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    xprop.waitForFinished(5000);
    return xprop.readAll().contains("window id");
  });
}

}  // namespace halvane::test

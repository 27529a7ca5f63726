#include "platform/bundle/Bundle.h"
#include "platform/log/SyslogSystemLog.h"
#include "shared/settings/SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  halvane::SyslogSystemLog log(QStringLiteral("HalvaneHelper"));
  const halvane::Bundle bundle = halvane::Bundle::mainBundle();
  halvane::settings::loadOrCreate(halvane::settings::Reader::Helper,
                                  bundle.resourcePath(QStringLiteral("defaults"), QStringLiteral("plist")), log);
  return app.exec();
}

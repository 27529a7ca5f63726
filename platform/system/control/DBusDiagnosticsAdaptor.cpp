#include "platform/system/control/DBusDiagnosticsAdaptor.h"

#include "shared/control/DiagnosticsServer.h"

#include <QDBusMetaType>

namespace halvane {

DBusDiagnosticsAdaptor::DBusDiagnosticsAdaptor(QObject* exported, DiagnosticsServer& server)
    : QDBusAbstractAdaptor(exported), server_(server) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
  server_.setFrontApplicationChangedHandler(
      [this](const QMap<QString, QString>& report) { emit FrontApplicationChanged(report); });
}

DBusDiagnosticsAdaptor::~DBusDiagnosticsAdaptor() {
  server_.setFrontApplicationChangedHandler({});
}

QMap<QString, QString> DBusDiagnosticsAdaptor::FrontApplication() {
  return server_.frontApplication();
}

QMap<QString, QString> DBusDiagnosticsAdaptor::Backends() {
  return server_.backends();
}

QMap<QString, QString> DBusDiagnosticsAdaptor::SettingsLoad() {
  return server_.settingsLoad();
}

}  // namespace halvane

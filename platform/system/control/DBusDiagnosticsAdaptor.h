#pragma once

#include <QDBusAbstractAdaptor>
#include <QMap>
#include <QString>

namespace halvane {

class DiagnosticsServer;

// com.halvane.keyboard.Diagnostics on the server object: forwards to the helper's
// DiagnosticsServer and relays its front-application reports as a signal. A child of the
// exported object, beside the control channel's own adaptor.
class DBusDiagnosticsAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.halvane.keyboard.Diagnostics")

 public:
  DBusDiagnosticsAdaptor(QObject* exported, DiagnosticsServer& server);
  ~DBusDiagnosticsAdaptor() override;

 public slots:
  QMap<QString, QString> FrontApplication();
  QMap<QString, QString> Backends();
  QMap<QString, QString> SettingsLoad();

 signals:
  void FrontApplicationChanged(const QMap<QString, QString>& report);

 private:
  DiagnosticsServer& server_;
};

}  // namespace halvane

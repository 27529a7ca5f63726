#pragma once

#include "platform/system/control/DiagnosticsClient.h"

#include <QDBusConnection>
#include <QObject>

#include <memory>

namespace halvane {

// DiagnosticsClient on D-Bus, calling the helper's well-known name.
class DBusDiagnosticsClient : public QObject, public DiagnosticsClient {
  Q_OBJECT

 public:
  static constexpr int kCallTimeoutMs = 1000;

  // Nothing when no process holds the server name (the helper is not running).
  static std::unique_ptr<DBusDiagnosticsClient> connect(
      const QDBusConnection& bus = QDBusConnection::sessionBus(), int timeoutMs = kCallTimeoutMs);

  std::optional<Report> frontApplication() override;
  std::optional<Report> backends() override;
  std::optional<Report> settingsLoad() override;
  bool watchFrontApplication(std::function<void(const Report&)> handler) override;

 private slots:
  void frontApplicationChanged(const QMap<QString, QString>& report);

 private:
  DBusDiagnosticsClient(const QDBusConnection& bus, int timeoutMs);
  std::optional<Report> call(const QString& method);

  QDBusConnection bus_;
  int timeoutMs_;
  std::function<void(const Report&)> handler_;
};

}  // namespace halvane

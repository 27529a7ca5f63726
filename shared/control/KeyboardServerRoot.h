#pragma once

#include "shared/control/KeyboardServer.h"

#include <QDBusContext>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace halvane {

class DiagnosticsServer;
class FrontApplicationSink;

// The object exported at the server path. The D-Bus adaptors generated from the interface
// descriptions are its children and call the methods below, named as on the bus; these forward
// to the helper's services. Every interface but HVKeyboardServer is served only once given.
class KeyboardServerRoot : public QObject, protected QDBusContext {
  Q_OBJECT

 public:
  explicit KeyboardServerRoot(KeyboardServer& server);
  ~KeyboardServerRoot() override;

  // com.halvane.keyboard.Diagnostics from diagnostics, which must outlive this object.
  void serveDiagnostics(DiagnosticsServer& diagnostics);
  // com.halvane.keyboard.FrontApplicationSink into sink.
  void serveFrontApplicationSink(std::unique_ptr<FrontApplicationSink> sink);

  // com.halvane.keyboard.HVKeyboardServer
  int getCurrentProfile() { return server_.getCurrentProfile(); }
  void setCurrentProfile(int index) { server_.setCurrentProfile(index); }
  void reloadPrefs() { server_.reloadPrefs(); }

  // com.halvane.keyboard.Diagnostics
  QMap<QString, QString> FrontApplication();
  QMap<QString, QString> Backends();
  QMap<QString, QString> SettingsLoad();

  // com.halvane.keyboard.FrontApplicationSink; the a{sv} form's values are read as text.
  void WindowActivated(const QMap<QString, QString>& facts);
  void WindowActivated(const QVariantMap& facts);

 signals:
  void FrontApplicationChanged(const QMap<QString, QString>& report);

 private:
  KeyboardServer& server_;
  DiagnosticsServer* diagnostics_ = nullptr;
  std::unique_ptr<FrontApplicationSink> sink_;
};

}  // namespace halvane

#include "shared/control/KeyboardServerRoot.h"

#include "DiagnosticsAdaptor.h"
#include "FrontApplicationSinkAdaptor.h"
#include "HVKeyboardServerAdaptor.h"
#include "shared/control/DiagnosticsServer.h"
#include "shared/control/FrontApplicationSink.h"

#include <QDBusMetaType>

namespace halvane {

KeyboardServerRoot::KeyboardServerRoot(KeyboardServer& server) : server_(server) {
  qDBusRegisterMetaType<QMap<QString, QString>>();
  new HVKeyboardServerAdaptor(this);  // owned by this object, like the adaptors below
}

KeyboardServerRoot::~KeyboardServerRoot() {
  if (diagnostics_) diagnostics_->setFrontApplicationChangedHandler({});
}

void KeyboardServerRoot::serveDiagnostics(DiagnosticsServer& diagnostics) {
  diagnostics_ = &diagnostics;
  // The adaptor relays the signal onto the bus.
  diagnostics_->setFrontApplicationChangedHandler(
      [this](const QMap<QString, QString>& report) { emit FrontApplicationChanged(report); });
  new DiagnosticsAdaptor(this);
}

void KeyboardServerRoot::serveFrontApplicationSink(std::unique_ptr<FrontApplicationSink> sink) {
  sink_ = std::move(sink);
  new FrontApplicationSinkAdaptor(this);
}

QMap<QString, QString> KeyboardServerRoot::FrontApplication() {
  return diagnostics_->frontApplication();
}

QMap<QString, QString> KeyboardServerRoot::Backends() {
  return diagnostics_->backends();
}

QMap<QString, QString> KeyboardServerRoot::SettingsLoad() {
  return diagnostics_->settingsLoad();
}

void KeyboardServerRoot::WindowActivated(const QMap<QString, QString>& facts) {
  const QString why = sink_->refusal(message().service());
  if (!why.isEmpty()) return sendErrorReply(QDBusError::AccessDenied, why);
  sink_->windowActivated(facts);
}

void KeyboardServerRoot::WindowActivated(const QVariantMap& facts) {
  QMap<QString, QString> text;
  for (auto it = facts.begin(); it != facts.end(); ++it)
    text.insert(it.key(), it.value().toString());
  WindowActivated(text);
}

}  // namespace halvane

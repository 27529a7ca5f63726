#pragma once

#include "platform/log/SystemLog.h"

#include <QMap>
#include <QString>

#include <utility>
#include <vector>

namespace halvane {

// Which backend each platform service chose and why the others were not: the key ("keyEvents",
// "hidEvents", "frontApplication", "overlay", ...) and one line of text. Services that log
// their choice are entered by BackendRecordingLog; others call set.
class BackendRegistry {
 public:
  void set(const QString& key, const QString& description) { entries_.insert(key, description); }
  QMap<QString, QString> entries() const { return entries_; }

 private:
  QMap<QString, QString> entries_;
};

// A log that also enters the backend choices that the services' factories log, known by the
// start of their line, into a registry.
class BackendRecordingLog : public SystemLog {
 public:
  BackendRecordingLog(SystemLog& log, BackendRegistry& registry) : log_(log), registry_(registry) {}

  void log(const QString& message) override {
    static const std::vector<std::pair<QString, QString>> kChoiceLines = {
        {QStringLiteral("Synthetic keys:"), QStringLiteral("keyEvents")},
        {QStringLiteral("HID events"), QStringLiteral("hidEvents")},
        {QStringLiteral("Front application:"), QStringLiteral("frontApplication")},
        {QStringLiteral("Overlay:"), QStringLiteral("overlay")},
    };
    for (const auto& [start, key] : kChoiceLines)
      if (message.startsWith(start)) registry_.set(key, message.mid(message.indexOf(u':') + 1).trimmed());
    log_.log(message);
  }

 private:
  SystemLog& log_;
  BackendRegistry& registry_;
};

}  // namespace halvane

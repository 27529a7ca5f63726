#pragma once

#include "platform/system/log/SystemLog.h"

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
// start of their line, into a registry. What the chosen backend logs afterwards on how it fares
// (its desktop's extension or script missing, its connection refused) is added to that choice,
// so the entry names the backend, why the others were not used, and whether it works.
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
    static const std::vector<std::pair<QString, QString>> kOutcomeLines = {
        {QStringLiteral("GNOME Shell extension"), QStringLiteral("frontApplication")},
        {QStringLiteral("KWin script:"), QStringLiteral("frontApplication")},
    };
    for (const auto& [start, key] : kChoiceLines) {
      if (!message.startsWith(start)) continue;
      const QString text = message.mid(message.indexOf(u':') + 1).trimmed();
      // The first line of a service is its choice; a later one says how the choice fared.
      if (chosen_.contains(key))
        add(key, text);
      else
        registry_.set(key, text);
      chosen_.insert(key, true);
    }
    for (const auto& [start, key] : kOutcomeLines)
      if (message.startsWith(start)) add(key, message);
    log_.log(message);
  }

 private:
  void add(const QString& key, const QString& text) {
    const QString before = registry_.entries().value(key);
    registry_.set(key, before.isEmpty() ? text : before + QStringLiteral("; then: ") + text);
  }

  SystemLog& log_;
  BackendRegistry& registry_;
  QMap<QString, bool> chosen_;
};

}  // namespace halvane

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>

class QFile;

namespace halvane {

// One line of the platform trace: a JSON object whose first member is "op", the other members
// in the order they were added. The op and the keys are literal names of letters and digits;
// only values are escaped.
class TraceEvent {
 public:
  explicit TraceEvent(const char* op);
  TraceEvent& add(const char* key, qint64 value);
  TraceEvent& add(const char* key, int value) { return add(key, qint64(value)); }
  TraceEvent& add(const char* key, unsigned value) { return add(key, qint64(value)); }
  TraceEvent& add(const char* key, double value);
  TraceEvent& add(const char* key, bool value);
  TraceEvent& add(const char* key, const QString& value);
  TraceEvent& add(const char* key, const char* value) { return add(key, QString::fromUtf8(value)); }
  TraceEvent& add(const char* key, const QJsonObject& value);
  QByteArray line() const { return line_ + "}\n"; }

 private:
  TraceEvent& addRaw(const char* key, const QByteArray& json);
  QByteArray line_;
};

// The platform trace: when HALVANE_TRACE names a file, every platform action is appended to it
// as one JSON line, flushed at once. It only observes; the action still happens.
class Trace {
 public:
  // A trace writing to path; an empty path makes a trace that writes nothing.
  explicit Trace(const QString& path);
  ~Trace();
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  // The process's trace, opened from HALVANE_TRACE on first use.
  static Trace& instance();

  bool enabled() const { return file_ != nullptr; }
  void write(const TraceEvent& event);

 private:
  std::unique_ptr<QFile> file_;
};

}  // namespace halvane

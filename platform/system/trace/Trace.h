#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVarLengthArray>

#include <string_view>

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
  QByteArray line() const;

 private:
  friend class Trace;
  TraceEvent& addRaw(const char* key, std::string_view json);
  // Without the closing "}\n". Most lines fit inside: a line made on a key's way to the desktop
  // allocates nothing.
  QVarLengthArray<char, 128> text_;
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

  bool enabled() const { return fd_ >= 0; }
  void write(const TraceEvent& event);

 private:
  int fd_ = -1;
};

}  // namespace halvane

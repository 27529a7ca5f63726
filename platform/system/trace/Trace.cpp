#include "platform/system/trace/Trace.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace halvane {

namespace {

QByteArray jsonString(const QString& s) {
  const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);  // strip the brackets around the one element
}

}  // namespace

// An op or a key is a literal name (see the header), which JSON takes as it is. Escaping it
// through QJsonDocument cost more than the rest of a macro key's road, and a decorator builds its
// event whether or not the trace writes it.
TraceEvent::TraceEvent(const char* op) {
  line_.reserve(96);
  line_.append("{\"op\":\"").append(op).append('"');
}

TraceEvent& TraceEvent::addRaw(const char* key, const QByteArray& json) {
  line_.append(",\"").append(key).append("\":").append(json);
  return *this;
}

TraceEvent& TraceEvent::add(const char* key, qint64 value) {
  return addRaw(key, QByteArray::number(value));
}

TraceEvent& TraceEvent::add(const char* key, double value) {
  if (!std::isfinite(value)) return addRaw(key, "null");
  // Shortest text that reads back as the same double: 0.25 stays 0.25.
  return addRaw(key, QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

TraceEvent& TraceEvent::add(const char* key, bool value) {
  return addRaw(key, value ? "true" : "false");
}

TraceEvent& TraceEvent::add(const char* key, const QString& value) {
  return addRaw(key, jsonString(value));
}

TraceEvent& TraceEvent::add(const char* key, const QJsonObject& value) {
  return addRaw(key, QJsonDocument(value).toJson(QJsonDocument::Compact));
}

Trace::Trace(const QString& path) {
  if (path.isEmpty()) return;
  auto file = std::make_unique<QFile>(path);
  if (file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
    file_ = std::move(file);
}

Trace::~Trace() = default;

Trace& Trace::instance() {
  static Trace trace(qEnvironmentVariable("HALVANE_TRACE"));
  return trace;
}

void Trace::write(const TraceEvent& event) {
  if (!file_) return;
  file_->write(event.line());
  file_->flush();
}

}  // namespace halvane

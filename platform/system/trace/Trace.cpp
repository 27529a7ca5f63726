#include "platform/system/trace/Trace.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace halvane {

namespace {

QByteArray jsonString(const QString& s) {
  const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);  // strip the brackets around the one element
}

std::string_view view(const QByteArray& bytes) {
  return {bytes.constData(), size_t(bytes.size())};
}

constexpr std::string_view kLineEnd = "}\n";

}  // namespace

// An op or a key is a literal name (see the header), which JSON takes as it is. Escaping it
// through QJsonDocument cost more than the rest of a macro key's road, and a decorator builds its
// event whether or not the trace writes it.
TraceEvent::TraceEvent(const char* op) {
  text_.append("{\"op\":\"", 7);
  text_.append(op, qsizetype(std::strlen(op)));
  text_.append('"');
}

TraceEvent& TraceEvent::addRaw(const char* key, std::string_view json) {
  text_.append(",\"", 2);
  text_.append(key, qsizetype(std::strlen(key)));
  text_.append("\":", 2);
  text_.append(json.data(), qsizetype(json.size()));
  return *this;
}

TraceEvent& TraceEvent::add(const char* key, qint64 value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return addRaw(key, {digits, size_t(end - digits)});
}

TraceEvent& TraceEvent::add(const char* key, double value) {
  if (!std::isfinite(value)) return addRaw(key, "null");
  // Shortest text that reads back as the same double: 0.25 stays 0.25.
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return addRaw(key, {digits, size_t(end - digits)});
}

TraceEvent& TraceEvent::add(const char* key, bool value) {
  return addRaw(key, value ? "true" : "false");
}

TraceEvent& TraceEvent::add(const char* key, const QString& value) {
  return addRaw(key, view(jsonString(value)));
}

TraceEvent& TraceEvent::add(const char* key, const QJsonObject& value) {
  return addRaw(key, view(QJsonDocument(value).toJson(QJsonDocument::Compact)));
}

QByteArray TraceEvent::line() const {
  return QByteArray(text_.constData(), text_.size()) + kLineEnd.data();
}

Trace::Trace(const QString& path) {
  if (path.isEmpty()) return;
  fd_ =
      ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
}

Trace::~Trace() {
  if (fd_ >= 0) ::close(fd_);
}

Trace& Trace::instance() {
  static Trace trace(qEnvironmentVariable("HALVANE_TRACE"));
  return trace;
}

void Trace::write(const TraceEvent& event) {
  if (fd_ < 0) return;
  // One call, so that a line is never interleaved with another writer's in the appended file.
  iovec parts[2] = {{const_cast<char*>(event.text_.constData()), size_t(event.text_.size())},
                    {const_cast<char*>(kLineEnd.data()), kLineEnd.size()}};
  while (::writev(fd_, parts, 2) < 0 && errno == EINTR) {
  }
}

}  // namespace halvane

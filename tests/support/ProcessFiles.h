#pragma once

// Files that tests hand to launched programs and read back from them.
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

namespace halvane::test {

inline bool writeFile(const QString& path, const QByteArray& content, bool executable = false) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(content) != content.size())
    return false;
  file.close();
  if (executable)
    file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
  return true;
}

// The file's lines once a detached program has written it, after a bounded wait; nothing when
// it did not appear.
inline std::optional<QStringList> waitForLines(const QString& path, int timeoutMs = 5000) {
  if (!QTest::qWaitFor([&] { return QFile::exists(path); }, timeoutMs)) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// A stand-in program that records its arguments, one a line, into `record`, and makes the
// file appear only once it is whole.
inline QByteArray recorderScript(const QString& record) {
  const QByteArray to = record.toUtf8();
  return "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + to + ".part'\nmv '" +
         to + ".part' '" + to + "'\n";
}

}  // namespace halvane::test

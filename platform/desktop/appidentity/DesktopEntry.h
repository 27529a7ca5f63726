#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace halvane {

// The [Desktop Entry] group of a freedesktop .desktop file: values unescaped, names localised,
// and the Exec line turned into a program and its arguments. The one reader of the format: the
// application index scans files with scan() for the few keys it keeps, everything else reads
// them whole with read().
class DesktopEntry {
 public:
  // Nothing when the file cannot be read or has no [Desktop Entry] group.
  static std::optional<DesktopEntry> read(const QString& path);
  static std::optional<DesktopEntry> parse(const QByteArray& text);

  // Calls visit(key, value) for each key line of the [Desktop Entry] group (the groups after it
  // are actions), in file order, key and value trimmed and the value still escaped. A key given
  // twice is visited twice; the first one counts. False when the file has no such group.
  using Visitor = std::function<void(QByteArrayView key, QByteArrayView value)>;
  static bool scan(const QByteArray& text, const Visitor& visit);
  // A value with its escapes \s \n \t \r \\ resolved; other backslashes stay for the Exec
  // line's quoting rules.
  static QString unescape(const QByteArray& raw);

  // The value, unescaped; empty when absent.
  QString value(const QString& key) const;
  // key[lang_COUNTRY], else key[lang], else key.
  QString localizedValue(const QString& key, const QLocale& locale = QLocale()) const;
  bool boolValue(const QString& key) const { return value(key) == QStringLiteral("true"); }

  // The Exec line launched with no files (splitExecLine): %c is the localised Name, %i the
  // Icon, %k filePath. Nothing when the line is empty or its quotes do not close.
  std::optional<QStringList> execArguments(const QString& filePath) const;

 private:
  QHash<QString, QByteArray> values_;
};

}  // namespace halvane

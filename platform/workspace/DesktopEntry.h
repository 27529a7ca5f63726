#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvane {

// The [Desktop Entry] group of a freedesktop .desktop file: values unescaped, names localised,
// and the Exec line turned into a program and its arguments.
class DesktopEntry {
 public:
  // Nothing when the file cannot be read or has no [Desktop Entry] group.
  static std::optional<DesktopEntry> read(const QString& path);
  static std::optional<DesktopEntry> parse(const QByteArray& text);

  // The value with its escapes (\s \n \t \r \\) resolved; empty when absent.
  QString value(const QString& key) const;
  // key[lang_COUNTRY], else key[lang], else key.
  QString localizedValue(const QString& key, const QLocale& locale = QLocale()) const;
  bool boolValue(const QString& key) const { return value(key) == QStringLiteral("true"); }

  // The Exec line launched with no files: the program, then its arguments. Field codes for files
  // and URLs (%f %F %u %U and the old %d %D %n %N %v %m) go away, %i becomes "--icon <Icon>",
  // %c the name, %k filePath, %% a percent sign. Nothing when the line is empty or its quotes
  // do not close.
  std::optional<QStringList> execArguments(const QString& filePath) const;

 private:
  QHash<QString, QString> values_;
};

}  // namespace halvane

#include "platform/desktop/appidentity/DesktopEntry.h"

#include "platform/desktop/appidentity/ExecLine.h"

#include <QFile>

namespace halvane {

std::optional<DesktopEntry> DesktopEntry::read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return parse(file.readAll());
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& text) {
  DesktopEntry entry;
  const bool found = scan(text, [&entry](QByteArrayView key, QByteArrayView value) {
    const QString name = QString::fromUtf8(key);
    if (!entry.values_.contains(name)) entry.values_.insert(name, value.toByteArray());
  });
  if (!found) return std::nullopt;
  return entry;
}

bool DesktopEntry::scan(const QByteArray& text, const Visitor& visit) {
  bool inGroup = false;
  bool found = false;
  qsizetype start = 0;
  // Views into the text: an entry of a hundred translated lines costs no copy per line.
  const QByteArrayView all(text);
  while (start < all.size()) {
    qsizetype end = all.indexOf('\n', start);
    if (end < 0) end = all.size();
    const QByteArrayView line = all.sliced(start, end - start).trimmed();
    start = end + 1;
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (line.startsWith('[')) {
      if (inGroup) break;
      inGroup = line == QByteArrayView("[Desktop Entry]");
      found = found || inGroup;
      continue;
    }
    if (!inGroup) continue;
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0) continue;
    visit(line.first(eq).trimmed(), line.sliced(eq + 1).trimmed());
  }
  return found;
}

QString DesktopEntry::unescape(const QByteArray& raw) {
  const QString value = QString::fromUtf8(raw);
  if (!value.contains(u'\\')) return value;
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != u'\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const QChar next = value[++i];
    switch (next.unicode()) {
      case 's':
        out += u' ';
        break;
      case 'n':
        out += u'\n';
        break;
      case 't':
        out += u'\t';
        break;
      case 'r':
        out += u'\r';
        break;
      case '\\':
        out += u'\\';
        break;
      default:
        out += u'\\';
        out += next;
        break;
    }
  }
  return out;
}

QString DesktopEntry::value(const QString& key) const {
  return unescape(values_.value(key));
}

QString DesktopEntry::localizedValue(const QString& key, const QLocale& locale) const {
  const QString name = locale.name();  // lang_COUNTRY
  for (const QString& suffix : {name, name.section(u'_', 0, 0)}) {
    const QString localized = key + u'[' + suffix + u']';
    if (values_.contains(localized)) return value(localized);
  }
  return value(key);
}

std::optional<QStringList> DesktopEntry::execArguments(const QString& filePath) const {
  return splitExecLine(value(QStringLiteral("Exec")), {localizedValue(QStringLiteral("Name")),
                                                       value(QStringLiteral("Icon")), filePath});
}

}  // namespace halvane

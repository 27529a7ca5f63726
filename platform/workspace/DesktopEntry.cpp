#include "platform/workspace/DesktopEntry.h"

#include <QFile>

namespace halvane {
namespace {

QString unescape(const QString& raw) {
  QString out;
  out.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw[i];
    if (c != u'\\' || i + 1 == raw.size()) {
      out += c;
      continue;
    }
    const QChar next = raw[++i];
    switch (next.unicode()) {
      case 's': out += u' '; break;
      case 'n': out += u'\n'; break;
      case 't': out += u'\t'; break;
      case 'r': out += u'\r'; break;
      case '\\': out += u'\\'; break;
      default: out += c; out += next; break;  // kept for the Exec quoting rules
    }
  }
  return out;
}

bool isSpace(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<DesktopEntry> DesktopEntry::read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return parse(file.readAll());
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& text) {
  DesktopEntry entry;
  bool inGroup = false;
  bool found = false;
  for (const QByteArray& rawLine : text.split('\n')) {
    const QString line = QString::fromUtf8(rawLine).trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[')) {
      inGroup = line == QStringLiteral("[Desktop Entry]");
      found = found || inGroup;
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (!inGroup || eq <= 0) continue;
    const QString key = line.left(eq).trimmed();
    if (!entry.values_.contains(key)) entry.values_.insert(key, line.mid(eq + 1).trimmed());
  }
  if (!found) return std::nullopt;
  return entry;
}

QString DesktopEntry::value(const QString& key) const { return unescape(values_.value(key)); }

QString DesktopEntry::localizedValue(const QString& key, const QLocale& locale) const {
  const QString name = locale.name();  // lang_COUNTRY
  for (const QString& suffix : {name, name.section(u'_', 0, 0)}) {
    const QString localized = key + u'[' + suffix + u']';
    if (values_.contains(localized)) return value(localized);
  }
  return value(key);
}

std::optional<QStringList> DesktopEntry::execArguments(const QString& filePath) const {
  const QString exec = value(QStringLiteral("Exec"));
  const QString icon = value(QStringLiteral("Icon"));
  QStringList args;
  QString current;
  bool inToken = false;  // a quoted "" is an argument too
  bool quoted = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    if (quoted) {
      if (c == u'"') {
        quoted = false;
      } else if (c == u'\\' && i + 1 < exec.size() && QStringLiteral("\"`$\\").contains(exec[i + 1])) {
        current += exec[++i];
      } else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%') {
        current += exec[++i];
      } else {
        current += c;
      }
      continue;
    }
    if (isSpace(c)) {
      if (inToken) args.append(current);
      current.clear();
      inToken = false;
      continue;
    }
    if (c == u'"') {
      quoted = true;
      inToken = true;
      continue;
    }
    if (c == u'\\' && i + 1 < exec.size()) {
      current += exec[++i];
      inToken = true;
      continue;
    }
    if (c != u'%' || i + 1 == exec.size()) {
      current += c;
      inToken = true;
      continue;
    }
    const char16_t code = exec[++i].unicode();
    const bool alone = !inToken && (i + 1 == exec.size() || isSpace(exec[i + 1]));
    switch (code) {
      case '%': current += u'%'; inToken = true; break;
      case 'c': current += localizedValue(QStringLiteral("Name")); inToken = true; break;
      case 'k': current += filePath; inToken = true; break;
      case 'i':
        // Only a field code standing alone may become two arguments.
        if (alone && !icon.isEmpty()) args << QStringLiteral("--icon") << icon;
        break;
      default: break;  // the file and URL codes, with no files to give
    }
  }
  if (quoted) return std::nullopt;
  if (inToken) args.append(current);
  if (args.isEmpty() || args.first().isEmpty()) return std::nullopt;
  return args;
}

}  // namespace halvane

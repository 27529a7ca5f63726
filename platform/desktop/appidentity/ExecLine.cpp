#include "platform/desktop/appidentity/ExecLine.h"

namespace halvane {
namespace {

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

std::optional<QStringList> splitExecLine(const QString& exec, const ExecFields& fields) {
  QStringList args;
  QString current;
  bool inToken = false;  // a quoted "" is an argument too
  bool quoted = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    const bool hasNext = i + 1 < exec.size();
    if (quoted) {
      if (c == u'"') {
        quoted = false;
      } else if (c == u'\\' && hasNext && QStringLiteral("\"`$\\").contains(exec[i + 1])) {
        current += exec[++i];
      } else if (c == u'%' && hasNext && exec[i + 1] == u'%') {
        current += exec[++i];
      } else {
        current += c;
      }
      continue;
    }
    if (isBlank(c)) {
      if (inToken) args.append(current);
      current.clear();
      inToken = false;
      continue;
    }
    if (c == u'"') {
      quoted = inToken = true;
      continue;
    }
    if (c == u'\\' && hasNext) {
      current += exec[++i];
      inToken = true;
      continue;
    }
    if (c != u'%' || !hasNext) {
      current += c;
      inToken = true;
      continue;
    }
    const char16_t code = exec[++i].unicode();
    const bool alone = !inToken && (i + 1 == exec.size() || isBlank(exec[i + 1]));
    switch (code) {
      case '%':
        current += u'%';
        inToken = true;
        break;
      case 'c':
        current += fields.name;
        inToken = true;
        break;
      case 'k':
        current += fields.filePath;
        inToken = true;
        break;
      case 'i':
        // Only a field code standing alone may become two arguments.
        if (alone && !fields.icon.isEmpty()) args << QStringLiteral("--icon") << fields.icon;
        break;
      default:
        break;  // the file and URL codes, with no files to give
    }
  }
  if (quoted) return std::nullopt;
  if (inToken) args.append(current);
  if (args.isEmpty() || args.first().isEmpty()) return std::nullopt;
  return args;
}

}  // namespace halvane

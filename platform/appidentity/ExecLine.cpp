#include "platform/appidentity/ExecLine.h"

namespace halvane {

QStringList execLineWords(const QString& exec) {
  QStringList words;
  QString current;
  bool inWord = false;
  bool quoted = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    const bool hasNext = i + 1 < exec.size();
    if (quoted) {
      if (c == u'"') quoted = false;
      else if (c == u'\\' && hasNext) current += exec[++i];
      else current += c;
      continue;
    }
    if (c == u' ' || c == u'\t') {
      if (inWord) words.append(current);
      current.clear();
      inWord = false;
    } else if (c == u'"') {
      quoted = inWord = true;
    } else if (c == u'%' && hasNext) {
      if (exec[++i] == u'%') {
        current += u'%';
        inWord = true;
      }
    } else {
      current += c;
      inWord = true;
    }
  }
  if (inWord) words.append(current);
  return words;
}

}  // namespace halvane

#include "shared/ApplicationNames.h"

#include <QFile>

namespace halvane {
namespace {

// "-" keeps a column visibly empty in the file.
QString column(const QList<QByteArray>& columns, int n) {
  const QString text = QString::fromUtf8(columns.value(n)).trimmed();
  return text == QLatin1String("-") ? QString() : text;
}

}  // namespace

ApplicationNames ApplicationNames::read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return parse(file.readAll());
}

ApplicationNames ApplicationNames::parse(const QByteArray& text) {
  ApplicationNames names;
  for (const QByteArray& line : text.split('\n')) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    const QList<QByteArray> columns = line.split('\t');
    if (columns.size() < 5) continue;
    ApplicationName entry{column(columns, 0), column(columns, 1),
                          column(columns, 2), column(columns, 3).split(u',', Qt::SkipEmptyParts),
                          column(columns, 4), column(columns, 5)};
    if (entry.storedValue.isEmpty() || entry.title.isEmpty()) continue;
    names.entries_.push_back(std::move(entry));
  }
  return names;
}

const ApplicationName* ApplicationNames::find(const QString& storedValue) const {
  for (const ApplicationName& entry : entries_)
    if (entry.storedValue == storedValue) return &entry;
  return nullptr;
}

QString ApplicationNames::titleFor(const QString& storedValue) const {
  const ApplicationName* entry = find(storedValue);
  return entry ? entry->title : storedValue;
}

}  // namespace halvane

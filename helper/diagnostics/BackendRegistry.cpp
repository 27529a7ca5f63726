#include "helper/diagnostics/BackendRegistry.h"

namespace halvane {

void BackendRegistry::record(const BackendRecord& record) {
  entries_[record.service].record = record;
}

void BackendRegistry::outcome(BackendService service, const QString& text) {
  auto it = entries_.find(service);
  if (it == entries_.end())
    entries_.insert(service, Entry{BackendRecord{service, {}, {}, {}, text}, {}});
  else
    it->outcomes.append(text);
}

const BackendRecord* BackendRegistry::recordOf(BackendService service) const {
  auto it = entries_.find(service);
  return it == entries_.end() ? nullptr : &it->record;
}

QMap<QString, QString> BackendRegistry::entries() const {
  QMap<QString, QString> answer;
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    QStringList parts{it->record.text};
    parts << it->outcomes;
    answer.insert(backendServiceKey(it.key()), parts.join(QStringLiteral("; then: ")));
  }
  return answer;
}

}  // namespace halvane

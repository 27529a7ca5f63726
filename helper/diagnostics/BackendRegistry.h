#pragma once

#include "platform/system/backends/BackendRecord.h"

#include <QMap>
#include <QString>

namespace halvane {

// Which backend each platform service chose and why the others were not, as the services'
// typed choices; then what each chosen backend reported on how it fares. entries() is the
// Backends() answer: per service key one line, its later outcomes joined by "; then: ".
class BackendRegistry : public BackendOutcomes {
 public:
  // A service's choice; the outcomes heard so far stay.
  void record(const BackendRecord& record);
  void outcome(BackendService service, const QString& text) override;

  const BackendRecord* recordOf(BackendService service) const;
  QMap<QString, QString> entries() const;

 private:
  struct Entry {
    BackendRecord record;
    QStringList outcomes;
  };
  QMap<BackendService, Entry> entries_;
};

}  // namespace halvane

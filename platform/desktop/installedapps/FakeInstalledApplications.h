#pragma once

#include "platform/desktop/installedapps/InstalledApplications.h"

#include <QMap>

namespace halvane {

// Installed are the applications one of whose desktop IDs the test lists.
class FakeInstalledApplications : public InstalledApplications {
 public:
  std::optional<InstalledApplication> find(const QStringList& desktopIds, const QString&) override {
    for (const QString& id : desktopIds)
      if (installed.contains(id)) return installed.value(id);
    return std::nullopt;
  }

  QMap<QString, InstalledApplication> installed;  // by desktop ID
};

}  // namespace halvane

#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvane {

// What the session has installed of an application.
struct InstalledApplication {
  QString path;  // its desktop entry, or its executable when it has no entry
  QIcon icon;    // null when the entry names none the icon theme has
};

// Tells whether an application is installed, by its desktop IDs (without ".desktop") or, when
// none of them is, by its executable on the PATH.
class InstalledApplications {
 public:
  virtual ~InstalledApplications() = default;
  virtual std::optional<InstalledApplication> find(const QStringList& desktopIds,
                                                   const QString& executable) = 0;
};

}  // namespace halvane

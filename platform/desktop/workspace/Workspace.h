#pragma once

#include <QString>
#include <QUrl>

namespace halvane {

// Opens applications, documents and web addresses in the user's session.
// An application is a .desktop file or an executable.
class Workspace {
 public:
  virtual ~Workspace() = default;
  // Opens the file at a POSIX path as if double-clicked, without waiting for it. False when it
  // could not even be started.
  virtual bool open(const QString& path) = 0;
  // The name a user knows the file by: a .desktop file's Name, else the file name without
  // its extension. Empty when the file does not exist.
  virtual QString displayName(const QString& path) = 0;
  virtual bool openURL(const QUrl& url) = 0;
};

}  // namespace halvane

#pragma once

#include "platform/desktop/workspace/Workspace.h"

namespace halvane {

// Opens things the way the desktop does: a .desktop file by its Exec line, an executable by
// starting it, anything else (documents, folders, web addresses) with the opener program
// (xdg-open). Everything starts detached in the user's session; nothing waits for it.
class DesktopWorkspace : public Workspace {
 public:
  explicit DesktopWorkspace(QString opener = QStringLiteral("xdg-open"))
      : opener_(std::move(opener)) {}

  bool open(const QString& path) override;
  QString displayName(const QString& path) override;
  bool openURL(const QUrl& url) override;

 private:
  bool launchDesktopFile(const QString& path);
  bool startOpener(const QString& argument);

  QString opener_;
};

}  // namespace halvane

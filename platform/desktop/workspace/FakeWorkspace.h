#pragma once

#include "platform/desktop/workspace/Workspace.h"

#include <QMap>
#include <QStringList>

namespace halvane {

// Records what was opened; display names come from a table the test fills.
class FakeWorkspace : public Workspace {
 public:
  bool open(const QString& path) override {
    opened.append(path);
    return openSucceeds;
  }
  QString displayName(const QString& path) override { return displayNames.value(path); }
  bool openURL(const QUrl& url) override {
    openedURLs.append(url);
    return true;
  }

  bool openSucceeds = true;
  QStringList opened;
  QList<QUrl> openedURLs;
  QMap<QString, QString> displayNames;
};

}  // namespace halvane

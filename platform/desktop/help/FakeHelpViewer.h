#pragma once

#include "platform/desktop/help/HelpViewer.h"

#include <QStringList>

namespace halvane {

// Records each call, e.g. "register /x/Pane.prefPane", "goto Book/index.htm".
class FakeHelpViewer : public HelpViewer {
 public:
  int registerHelpBook(const QString& bundlePath) override {
    calls.append(QStringLiteral("register ") + bundlePath);
    return registerStatus;
  }
  int gotoPage(const QString& bookTitle, const QString& page) override {
    calls.append(QStringLiteral("goto ") + bookTitle + u'/' + page);
    return 0;
  }
  int registerStatus = 0;
  QStringList calls;
};

}  // namespace halvane

#pragma once

#include "platform/desktop/help/HelpViewer.h"

#include <QMap>
#include <QUrl>

#include <functional>

namespace halvane {

// Help pages open in the user's web browser (QDesktopServices).
class DesktopHelpViewer : public HelpViewer {
 public:
  static constexpr int kNoHelpBook = -1;
  static constexpr int kNoSuchPage = -2;

  // openUrl defaults to QDesktopServices::openUrl.
  explicit DesktopHelpViewer(std::function<bool(const QUrl&)> openUrl = {});

  int registerHelpBook(const QString& bundlePath) override;
  int gotoPage(const QString& bookTitle, const QString& page) override;

 private:
  std::function<bool(const QUrl&)> openUrl_;
  QMap<QString, QString> books_;  // title -> folder
};

}  // namespace halvane

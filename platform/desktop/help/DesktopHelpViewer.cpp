#include "platform/desktop/help/DesktopHelpViewer.h"

#include "platform/system/bundle/Bundle.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace halvane {

DesktopHelpViewer::DesktopHelpViewer(std::function<bool(const QUrl&)> openUrl)
    : openUrl_(openUrl ? std::move(openUrl)
                       : [](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

int DesktopHelpViewer::registerHelpBook(const QString& bundlePath) {
  const Bundle bundle(bundlePath);
  const QString title = bundle.infoDictionary()[QStringLiteral("CFBundleHelpBookName")].toString();
  const QString folder = bundle.resourcePath(title, QString());
  if (title.isEmpty() || !QFileInfo(folder).isDir()) return kNoHelpBook;
  books_.insert(title, folder);
  return 0;
}

int DesktopHelpViewer::gotoPage(const QString& bookTitle, const QString& page) {
  if (!books_.contains(bookTitle)) return kNoHelpBook;
  const QString file = QDir(books_.value(bookTitle)).filePath(page);
  // A page path may not leave its book.
  if (!QFileInfo(file).canonicalFilePath().startsWith(
          QFileInfo(books_.value(bookTitle)).canonicalFilePath() + u'/'))
    return kNoSuchPage;
  return openUrl_(QUrl::fromLocalFile(file)) ? 0 : kNoSuchPage;
}

}  // namespace halvane

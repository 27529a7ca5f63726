#pragma once

#include <QString>

namespace halvane {

// Help books: a folder of HTML pages in a bundle's Resources, named by the bundle's
// CFBundleHelpBookName.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Registers the help book of the bundle at bundlePath. 0 on success, else an error status.
  virtual int registerHelpBook(const QString& bundlePath) = 0;
  // Opens page (a path inside the book) of the registered book titled bookTitle. 0 on success.
  virtual int gotoPage(const QString& bookTitle, const QString& page) = 0;
};

}  // namespace halvane

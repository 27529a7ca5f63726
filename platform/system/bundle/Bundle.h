#pragma once

#include "shared/plist/PlistValue.h"

#include <QString>

namespace halvane {

// A bundle folder (Name.app, Name.prefPane): Contents/Info.plist, Contents/MacOS/<executable>,
// Contents/Resources/<name>.<type>. Tests build bundle folders of their own.
class Bundle {
 public:
  Bundle() = default;
  explicit Bundle(const QString& bundlePath);

  // The bundle whose Contents/MacOS folder holds the file at path (an executable or plug-in);
  // an invalid bundle when the file does not sit in one.
  static Bundle containing(const QString& path);
  // The bundle of the running program.
  static Bundle mainBundle();
  // The bundle of the loaded file (program or plug-in) that holds the given code address.
  static Bundle holding(const void* address);

  bool isValid() const { return !path_.isEmpty(); }
  QString bundlePath() const { return path_; }
  QString identifier() const;
  PlistValue infoDictionary() const;
  QString resourcesPath() const;
  // The path of Resources/<name>.<type> (or <name> when type is empty); empty when absent.
  QString resourcePath(const QString& name, const QString& type) const;

 private:
  QString path_;
};

}  // namespace halvane

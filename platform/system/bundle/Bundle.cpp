#include "platform/system/bundle/Bundle.h"

#include "shared/plist/PlistFile.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace halvane {

Bundle::Bundle(const QString& bundlePath) {
  const QFileInfo info(bundlePath);
  if (info.isDir()) path_ = info.absoluteFilePath();
}

Bundle Bundle::containing(const QString& path) {
  const QFileInfo file(QFileInfo(path).canonicalFilePath());
  QDir dir = file.absoluteDir();  // .../Name.app/Contents/MacOS
  if (dir.dirName() != QLatin1String("MacOS") || !dir.cdUp()) return {};
  if (dir.dirName() != QLatin1String("Contents") || !dir.cdUp()) return {};
  return Bundle(dir.absolutePath());
}

Bundle Bundle::mainBundle() {
  return containing(QStringLiteral("/proc/self/exe"));
}

Bundle Bundle::holding(const void* address) {
  Dl_info info{};
  if (!dladdr(address, &info) || !info.dli_fname) return {};
  const QString file = QString::fromLocal8Bit(info.dli_fname);
  // The main program's own name comes back as it was started; /proc knows its full path.
  if (!file.contains(u'/')) return mainBundle();
  return containing(file);
}

QString Bundle::identifier() const {
  return infoDictionary()[QStringLiteral("CFBundleIdentifier")].toString();
}

PlistValue Bundle::infoDictionary() const {
  if (!isValid()) return {};
  return readPlistFile(path_ + QStringLiteral("/Contents/Info.plist"));
}

QString Bundle::resourcesPath() const {
  return isValid() ? path_ + QStringLiteral("/Contents/Resources") : QString();
}

QString Bundle::resourcePath(const QString& name, const QString& type) const {
  if (!isValid() || name.isEmpty() || name.contains(u'/')) return {};
  QString file = resourcesPath() + u'/' + name;
  if (!type.isEmpty()) file += u'.' + type;
  return QFileInfo::exists(file) ? file : QString();
}

}  // namespace halvane

#include "shared/settings/SettingsStore.h"

#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsBackups.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvane::settings {

namespace {

struct SettingsStore {
  Q_DECLARE_TR_FUNCTIONS(SettingsStore)
};

// Keeps a file that exists but does not read as settings, instead of overwriting it. A link is
// left in place and its target moved aside in the target's folder: the defaults written next
// then go where the link points.
void moveUnreadableAside(const QString& path, const QString& why, const Report& report) {
  const QFileInfo info(path);
  const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
  if (target.isEmpty() || !QFileInfo::exists(target)) return;
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString aside = target + QStringLiteral(".unreadable-") + stamp;
  for (int n = 2; QFileInfo::exists(aside); ++n)
    aside = target + QStringLiteral(".unreadable-") + stamp + u'-' + QString::number(n);
  QFile file(target);
  if (file.rename(aside))
    //: %1: why it could not be read; %2: the path it was renamed to.
    report(SettingsStore::tr("The settings file could not be read (%1); kept it as %2")
               .arg(why, aside));
  else
    //: %1: why it could not be read; %2: the path it should have been renamed to; %3: why not.
    report(SettingsStore::tr("The settings file could not be read (%1), nor moved aside to %2 (%3)")
               .arg(why, aside, file.errorString()));
}

}  // namespace

ReadResult<PlistValue> readSettings(const QString& path) {
  ReadResult<PlistValue> result = readPlist(path);
  if (result.ok() && !result.value.isDictionary())
    return {PlistValue(), FileFault::Malformed, SettingsStore::tr("its root is not a dictionary")};
  return result;
}

PlistValue read(const QString& path) {
  return readSettings(path).value;
}

bool replaceSettingsFile(const QString& path, const QByteArray& bytes, QString* error,
                         const Report& report) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  keepBackup(
      path, bytes, report ? report : [](const QString&) {});
  return replaceFileAtomically(path, bytes, error);
}

bool write(const PlistValue& tree, const QString& path, QString* error, const Report& report) {
  if (!tree.isDictionary()) {
    if (error) *error = SettingsStore::tr("the settings are not a dictionary");
    return false;
  }
  const QByteArray xml = toXmlPlist(tree);
  if (xml.isEmpty()) {
    if (error) *error = SettingsStore::tr("nothing to write");
    return false;
  }
  return replaceSettingsFile(path, xml, error, report);
}

QString defaultProfileName(int index) {
  return QCoreApplication::translate("Settings", "Profile %1").arg(index + 1);
}

namespace {

// The defaults name their profiles in English; a new file names them in the desktop's language.
// A defaults file with names of its own keeps them.
void nameProfilesInDesktopLanguage(PlistValue& tree) {
  const PlistValue profiles = tree[QStringLiteral("Profiles")];
  for (int index = 0; index < profiles.count(); ++index) {
    PlistValue profile = profiles.at(index);
    if (profile[QStringLiteral("Name")].toString() == QStringLiteral("Profile %1").arg(index + 1))
      profile.set(QStringLiteral("Name"), defaultProfileName(index));
  }
}

}  // namespace

PlistValue loadOrCreate(Reader reader, const QString& defaultsPath, const Report& report,
                        const QString& path) {
  const ReadResult<PlistValue> stored = readSettings(path);
  if (stored.ok()) return stored.value;
  ReadResult<PlistValue> defaults = readSettings(defaultsPath);
  if (defaults.ok()) nameProfilesInDesktopLanguage(defaults.value);

  // A FIFO, device or folder is the user's doing: moving it aside or writing through it could
  // hang or destroy something, so the defaults serve from memory and the path stays as it is.
  if (stored.fault == FileFault::NotRegular && defaults.ok()) {
    //: %1: a path; %2: what it is instead of a file, e.g. "a folder, not a regular file".
    report(SettingsStore::tr(
               "The settings file %1 is %2; using the default settings without saving them")
               .arg(displayPath(path), stored.error));
    return defaults.value;
  }

  // "Creating", "Couln't create" and "No Prefs File!" are fixed log lines that the pane and the
  // trace match word for word: not translated. The last line says why, in the desktop's language.
  if (reader == Reader::Pane) report(QStringLiteral("Creating ") + displayPath(path));
  QString why;
  if (!defaults.ok()) {
    why = defaultsPath.isEmpty()
              ? SettingsStore::tr("the program's bundle holds no default settings")
              //: %1: the path of the default settings file; %2: why it cannot be read.
              : SettingsStore::tr("the defaults %1 cannot be read (%2)")
                    .arg(defaultsPath, defaults.error);
  } else {
    if (stored.fault != FileFault::Missing) moveUnreadableAside(path, stored.error, report);
    if (write(defaults.value, path, &why, report)) {
      const ReadResult<PlistValue> created = readSettings(path);
      if (created.ok()) return created.value;
      why = created.error;
    }
  }

  if (reader == Reader::Pane)
    report(QStringLiteral("Couln't create ") + displayPath(path));
  else
    report(QStringLiteral("No Prefs File!"));
  //: %1: the settings file's path; %2: why it could not be created.
  report(SettingsStore::tr("Could not create %1: %2").arg(displayPath(path), why));
  return {};
}

}  // namespace halvane::settings

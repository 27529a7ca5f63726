#include "shared/settings/ProfileTransfer.h"

#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvane::settings {

namespace {

TransferResult failed(const QString& message) {
  return {TransferResult::Status::Failed, message, {}};
}

bool sameFile(const QString& a, const QString& b) {
  const QFileInfo fa(a), fb(b);
  if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

QString numberRange() {
  return QStringLiteral("profile numbers are 1 to %1").arg(kProfileCount);
}

// The profiles array of a settings tree, when it holds profile number.
PlistValue profilesHolding(const PlistValue& settings, int number, QString* why) {
  const PlistValue profiles = settings[QStringLiteral("Profiles")];
  if (!profiles.isArray()) {
    *why = QStringLiteral("the settings file has no profiles");
    return {};
  }
  if (profiles.count() < number) {
    *why = QStringLiteral("the settings file has no profile %1 (it holds %2)")
               .arg(number)
               .arg(profiles.count());
    return {};
  }
  return profiles;
}

}  // namespace

bool isProfileNumber(int number) {
  return number >= 1 && number <= kProfileCount;
}

PlistValue profileDocument(const PlistValue& profile) {
  PlistValue document = PlistValue::dictionary();
  document.set(QString::fromLatin1(kFormatKey), kProfileFileFormat);
  document.set(QString::fromLatin1(kProfileKey), profile.deepCopy());
  return document;
}

SettingsProblems validateProfileDocument(const PlistValue& document) {
  const QString formatKey = QString::fromLatin1(kFormatKey);
  const QString profileKey = QString::fromLatin1(kProfileKey);
  SettingsProblems problems;
  if (!document.isDictionary()) {
    problems.append({SettingsProblem::Severity::Error, QString(),
                     QStringLiteral("not a profile file (its root is not a dictionary)")});
    return problems;
  }

  const PlistValue format = document[formatKey];
  if (format.isNone()) {
    problems.append({SettingsProblem::Severity::Error, formatKey,
                     QStringLiteral("missing (not a profile file)")});
  } else if (format.type() != PlistValue::Type::Integer) {
    problems.append({SettingsProblem::Severity::Error, formatKey,
                     QStringLiteral("is not an integer (not a profile file)")});
  } else if (format.toInteger() != kProfileFileFormat) {
    problems.append({SettingsProblem::Severity::Error, formatKey,
                     QStringLiteral("%1 is not a format this version reads (it reads %2)")
                         .arg(format.toInteger())
                         .arg(kProfileFileFormat)});
  }

  // A profile from elsewhere brings no name that could drive a terminal or flood a menu.
  problems += SettingsValidator::validateProfile(document[profileKey], profileKey,
                                                 SettingsValidator::OddNames::Refuse);

  for (const QString& key : document.keys())
    if (key != formatKey && key != profileKey)
      problems.append({SettingsProblem::Severity::Warning, key,
                       QStringLiteral("not a profile file key (ignored)")});
  return problems;
}

PlistValue readPropertyList(const QString& path, QString* why) {
  ReadResult<PlistValue> result = readPlist(path);
  switch (result.fault) {
    case FileFault::None:
      return result.value;
    case FileFault::Missing:
      *why = QStringLiteral("no such file");
      break;
    case FileFault::Malformed:
      *why = QStringLiteral("not a property list (%1)").arg(result.error);
      break;
    case FileFault::NotRegular:
    case FileFault::Unreadable:
      *why = result.error;
      break;
  }
  return {};
}

TransferResult exportProfile(int number, const QString& file, const QString& settingsFile) {
  if (!isProfileNumber(number)) return failed(numberRange());
  // Writing the export over the settings would lose every other profile.
  if (sameFile(file, settingsFile))
    return failed(QStringLiteral("%1 is the settings file itself").arg(file));

  QString why;
  const PlistValue settings = readPropertyList(settingsFile, &why);
  if (settings.isNone())
    return failed(QStringLiteral("cannot read the settings file %1: %2").arg(settingsFile, why));
  const PlistValue profiles = profilesHolding(settings, number, &why);
  if (profiles.isNone()) return failed(why);

  const PlistValue profile = profiles.at(number - 1);
  TransferResult result;
  // What import would refuse is not exported either.
  result.problems = SettingsValidator::validateProfile(profile, QString::fromLatin1(kProfileKey),
                                                       SettingsValidator::OddNames::Refuse);
  if (SettingsValidator::hasErrors(result.problems)) {
    result.status = TransferResult::Status::Invalid;
    return result;
  }
  if (!writePlistFileAtomically(file, profileDocument(profile), &why))
    return failed(QStringLiteral("cannot write %1: %2").arg(file, why));
  result.status = TransferResult::Status::Done;
  return result;
}

TransferResult importProfile(int number, const QString& file, const QString& defaultsPath,
                             const QString& settingsFile) {
  if (!isProfileNumber(number)) return failed(numberRange());

  QString why;
  const PlistValue document = readPropertyList(file, &why);
  if (document.isNone()) return failed(QStringLiteral("cannot read %1: %2").arg(file, why));
  TransferResult result;
  result.problems = validateProfileDocument(document);
  if (SettingsValidator::hasErrors(result.problems)) {
    result.status = TransferResult::Status::Invalid;
    return result;
  }

  // A settings file that exists but does not read is left alone: replacing it with the
  // defaults would throw away the user's other profiles.
  PlistValue settings;
  if (QFileInfo::exists(settingsFile)) {
    settings = readPropertyList(settingsFile, &why);
    if (settings.isNone())
      return failed(QStringLiteral("cannot read the settings file %1: %2").arg(settingsFile, why));
    if (!settings.isDictionary())
      return failed(QStringLiteral("the settings file %1 is not a dictionary").arg(settingsFile));
  } else {
    settings = read(defaultsPath);
    if (settings.isNone())
      return failed(QStringLiteral("there is no settings file, and the defaults %1 cannot be read")
                        .arg(defaultsPath));
  }
  PlistValue profiles = profilesHolding(settings, number, &why);
  if (profiles.isNone()) return failed(why);

  profiles.replace(number - 1, document[QString::fromLatin1(kProfileKey)].deepCopy());
  if (!write(settings, settingsFile, &why))
    return failed(QStringLiteral("cannot write the settings file %1: %2").arg(settingsFile, why));
  result.status = TransferResult::Status::Done;
  return result;
}

}  // namespace halvane::settings

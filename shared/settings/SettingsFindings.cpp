#include "shared/settings/SettingsFindings.h"

namespace halvane::settings {

QString SettingsProblem::text() const {
  return path.isEmpty() ? message : path + QStringLiteral(": ") + message;
}

void SettingsFindings::error(const QString& path, const QString& message) {
  problems_.append({SettingsProblem::Severity::Error, path, message});
}

void SettingsFindings::warning(const QString& path, const QString& message) {
  problems_.append({SettingsProblem::Severity::Warning, path, message});
}

bool SettingsFindings::expect(const PlistValue& value, PlistValue::Type type, const QString& path) {
  if (value.isNone()) return false;
  if (value.type() == type) return true;
  wrongType(value, typeName(type), path);
  return false;
}

bool SettingsFindings::expectNumber(const PlistValue& value, const QString& path) {
  if (value.isNone()) return false;
  if (value.type() == PlistValue::Type::Integer || value.type() == PlistValue::Type::Real)
    return true;
  wrongType(value, tr("a number", "kind of value"), path);
  return false;
}

bool SettingsFindings::expectContainer(const PlistValue& value, PlistValue::Type type,
                                       const QString& path) {
  if (value.type() == type) return true;
  wrongType(value, typeName(type), path);
  return false;
}

void SettingsFindings::wrongType(const PlistValue& value, const QString& expected,
                                 const QString& path) {
  const QString found = typeName(value.type());
  if (path.isEmpty())
    //: %1, %2: kinds of value with their article, e.g. "a string", "an integer".
    error(path, tr("the root is %1, expected %2").arg(found, expected));
  else
    //: Follows a settings entry's name and a colon. %1, %2: kinds of value with their article,
    //: e.g. "a string", "an integer".
    error(path, tr("is %1, expected %2").arg(found, expected));
}

bool SettingsFindings::checkEntry(const PlistValue& value, PlistValue::Type type,
                                  const QString& path, const QString& whenMissing) {
  if (value.isNone()) warning(path, whenMissing);
  return expect(value, type, path);
}

bool SettingsFindings::checkChoice(const PlistValue& container, const QString& key,
                                   const QString& path, const QStringList& choices,
                                   const QString& whenMissing) {
  const QString at = child(path, key);
  const PlistValue value = container[key];
  if (value.isNone()) {
    if (!whenMissing.isEmpty()) error(at, whenMissing);
    return false;
  }
  if (!expect(value, PlistValue::Type::String, at)) return false;
  if (choices.contains(value.toString())) return true;
  //: %1: the value the file holds, in quotes; %2: the values the file may hold there.
  error(at, tr("%1 is not one of %2").arg(shown(value), oneOf(choices, Joined::Or)));
  return false;
}

void SettingsFindings::checkKnownKeys(const PlistValue& dictionary, const QStringList& known,
                                      const QString& path) {
  for (const QString& key : dictionary.keys())
    if (!known.contains(key)) unknownKey(child(path, key));
}

void SettingsFindings::unknownKey(const QString& path) {
  warning(path, tr("not a settings key (ignored)"));
}

QString SettingsFindings::child(const QString& path, const QString& key) {
  return path.isEmpty() ? key : path + u'.' + key;
}

QString SettingsFindings::element(const QString& path, qsizetype index) {
  return path + u'[' + QString::number(index) + u']';
}

QString SettingsFindings::typeName(PlistValue::Type type) {
  switch (type) {
    case PlistValue::Type::None:
      return tr("nothing usable", "kind of value");
    case PlistValue::Type::Boolean:
      return tr("a boolean", "kind of value");
    case PlistValue::Type::Integer:
      return tr("an integer", "kind of value");
    case PlistValue::Type::Real:
      return tr("a real number", "kind of value");
    case PlistValue::Type::String:
      return tr("a string", "kind of value");
    case PlistValue::Type::Data:
      return tr("data", "kind of value");
    case PlistValue::Type::Date:
      return tr("a date", "kind of value");
    case PlistValue::Type::Array:
      return tr("an array", "kind of value");
    case PlistValue::Type::Dictionary:
      return tr("a dictionary", "kind of value");
  }
  return {};
}

QString SettingsFindings::quoted(const QString& s) {
  return u'"' + s + u'"';
}

QString SettingsFindings::shown(const PlistValue& value) {
  switch (value.type()) {
    case PlistValue::Type::Integer:
      return QString::number(value.toInteger());
    case PlistValue::Type::Real:
      return QString::number(value.doubleValue(), 'g', 12);
    case PlistValue::Type::String:
      return quoted(value.toString());
    case PlistValue::Type::Boolean:
      return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
      return typeName(value.type());
  }
}

QString SettingsFindings::oneOf(const QStringList& choices, Joined joined) {
  QStringList q;
  for (const QString& c : choices) q << quoted(c);
  const QString last = q.takeLast();
  if (q.isEmpty()) return last;
  const QString others = q.join(QStringLiteral(", "));
  return joined == Joined::And
             //: %1: all values but the last, quoted and separated by commas; %2: the last value.
             ? tr("%1 and %2").arg(others, last)
             //: %1: all values but the last, quoted and separated by commas; %2: the last value.
             : tr("%1 or %2").arg(others, last);
}

}  // namespace halvane::settings

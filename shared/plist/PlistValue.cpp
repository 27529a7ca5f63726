#include "shared/plist/PlistValue.h"

#include <cmath>
#include <limits>

namespace halvane {

namespace {

qint64 leadingInteger(const QString& s) {
  // Skips leading blanks, takes an optional sign and the decimal digits after it; saturates.
  qsizetype i = 0;
  while (i < s.size() && s[i].isSpace()) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  qint64 value = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    const int digit = s[i].unicode() - u'0';
    if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
      return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

qint64 doubleToInteger(double d) {
  if (std::isnan(d)) return 0;
  if (d >= 9.2e18) return std::numeric_limits<qint64>::max();
  if (d <= -9.2e18) return std::numeric_limits<qint64>::min();
  return qint64(d);
}

}  // namespace

PlistValue PlistValue::array() {
  PlistValue v;
  v.v_ = std::make_shared<PlistArray>();
  return v;
}

PlistValue PlistValue::dictionary() {
  PlistValue v;
  v.v_ = std::make_shared<PlistDictionary>();
  return v;
}

PlistValue PlistValue::array(PlistArray&& items) {
  PlistValue v;
  v.v_ = std::make_shared<PlistArray>(std::move(items));
  return v;
}

PlistValue PlistValue::dictionary(PlistDictionary&& entries) {
  PlistValue v;
  v.v_ = std::make_shared<PlistDictionary>(std::move(entries));
  return v;
}

bool PlistValue::isNumber() const {
  return type() == Type::Integer || type() == Type::Real || type() == Type::Boolean;
}

bool PlistValue::toBool() const {
  switch (type()) {
    case Type::Boolean:
      return std::get<bool>(v_);
    case Type::Integer:
      return std::get<qint64>(v_) != 0;
    case Type::Real:
      return std::get<double>(v_) != 0.0;
    case Type::String:
      return leadingInteger(std::get<QString>(v_)) != 0;
    default:
      return false;
  }
}

qint64 PlistValue::toInteger() const {
  switch (type()) {
    case Type::Boolean:
      return std::get<bool>(v_) ? 1 : 0;
    case Type::Integer:
      return std::get<qint64>(v_);
    case Type::Real:
      return doubleToInteger(std::get<double>(v_));
    case Type::String:
      return leadingInteger(std::get<QString>(v_));
    default:
      return 0;
  }
}

int PlistValue::intValue() const {
  return int(quint32(quint64(toInteger())));
}

double PlistValue::doubleValue() const {
  switch (type()) {
    case Type::Boolean:
      return std::get<bool>(v_) ? 1.0 : 0.0;
    case Type::Integer:
      return double(std::get<qint64>(v_));
    case Type::Real:
      return std::get<double>(v_);
    case Type::String: {
      bool ok = false;
      const double d = std::get<QString>(v_).trimmed().toDouble(&ok);
      return ok ? d : double(leadingInteger(std::get<QString>(v_)));
    }
    default:
      return 0.0;
  }
}

QString PlistValue::toString() const {
  return type() == Type::String ? std::get<QString>(v_) : QString();
}

QByteArray PlistValue::toData() const {
  return type() == Type::Data ? std::get<QByteArray>(v_) : QByteArray();
}

QDateTime PlistValue::toDate() const {
  return type() == Type::Date ? std::get<QDateTime>(v_) : QDateTime();
}

const PlistArray* PlistValue::arrayItems() const {
  return isArray() ? std::get<std::shared_ptr<PlistArray>>(v_).get() : nullptr;
}

const PlistDictionary* PlistValue::dictionaryItems() const {
  return isDictionary() ? std::get<std::shared_ptr<PlistDictionary>>(v_).get() : nullptr;
}

PlistValue PlistValue::operator[](const QString& key) const {
  if (const PlistDictionary* d = dictionaryItems()) {
    auto it = d->find(key);
    if (it != d->end()) return it->second;
  }
  return {};
}

bool PlistValue::contains(const QString& key) const {
  const PlistDictionary* d = dictionaryItems();
  return d && d->count(key);
}

QStringList PlistValue::keys() const {
  QStringList result;
  if (const PlistDictionary* d = dictionaryItems())
    for (const auto& entry : *d) result.append(entry.first);
  return result;
}

void PlistValue::set(const QString& key, const PlistValue& value) {
  if (isDictionary()) (*std::get<std::shared_ptr<PlistDictionary>>(v_))[key] = value;
}

void PlistValue::remove(const QString& key) {
  if (isDictionary()) std::get<std::shared_ptr<PlistDictionary>>(v_)->erase(key);
}

PlistValue PlistValue::at(qsizetype index) const {
  const PlistArray* a = arrayItems();
  if (!a || index < 0 || index >= qsizetype(a->size())) return {};
  return (*a)[size_t(index)];
}

void PlistValue::append(const PlistValue& value) {
  if (isArray()) std::get<std::shared_ptr<PlistArray>>(v_)->push_back(value);
}

void PlistValue::replace(qsizetype index, const PlistValue& value) {
  if (!isArray()) return;
  PlistArray& a = *std::get<std::shared_ptr<PlistArray>>(v_);
  if (index >= 0 && index < qsizetype(a.size())) a[size_t(index)] = value;
}

void PlistValue::removeAt(qsizetype index) {
  if (!isArray()) return;
  PlistArray& a = *std::get<std::shared_ptr<PlistArray>>(v_);
  if (index >= 0 && index < qsizetype(a.size())) a.erase(a.begin() + index);
}

qsizetype PlistValue::count() const {
  if (const PlistArray* a = arrayItems()) return qsizetype(a->size());
  if (const PlistDictionary* d = dictionaryItems()) return qsizetype(d->size());
  return 0;
}

bool PlistValue::isSameObject(const PlistValue& other) const {
  if (isArray() && other.isArray()) return arrayItems() == other.arrayItems();
  if (isDictionary() && other.isDictionary()) return dictionaryItems() == other.dictionaryItems();
  return false;
}

PlistValue PlistValue::deepCopy() const {
  if (const PlistArray* a = arrayItems()) {
    PlistValue copy = array();
    for (const PlistValue& item : *a) copy.append(item.deepCopy());
    return copy;
  }
  if (const PlistDictionary* d = dictionaryItems()) {
    PlistValue copy = dictionary();
    for (const auto& [key, item] : *d) copy.set(key, item.deepCopy());
    return copy;
  }
  return *this;
}

bool operator==(const PlistValue& a, const PlistValue& b) {
  if (a.type() != b.type()) return false;
  if (const PlistArray* x = a.arrayItems()) return x == b.arrayItems() || *x == *b.arrayItems();
  if (const PlistDictionary* x = a.dictionaryItems())
    return x == b.dictionaryItems() || *x == *b.dictionaryItems();
  return a.v_ == b.v_;
}

}  // namespace halvane

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <variant>
#include <vector>

namespace halvane {

class PlistValue;
using PlistArray = std::vector<PlistValue>;
using PlistDictionary = std::map<QString, PlistValue>;

// One node of a property-list tree.
//
// Scalars are values. Arrays and dictionaries are references: copying a PlistValue that holds
// a dictionary yields a second holder of the same dictionary, so an edit through one holder is
// seen by every other (the way two owners of one mutable dictionary behave). Use deepCopy() for
// an independent tree.
//
// Every read is tolerant: looking up a missing key, indexing past the end or asking a value for
// a type it does not hold gives "nothing" (a None value), false, 0 or the empty string. Nothing
// here throws or crashes on a tree of unexpected shape.
class PlistValue {
 public:
  enum class Type { None, Boolean, Integer, Real, String, Data, Date, Array, Dictionary };

  PlistValue() = default;
  PlistValue(bool b) : v_(b) {}
  PlistValue(int i) : v_(qint64(i)) {}
  PlistValue(qint64 i) : v_(i) {}
  PlistValue(double d) : v_(d) {}
  PlistValue(const QString& s) : v_(s) {}
  PlistValue(const char* s) : v_(QString::fromUtf8(s)) {}
  PlistValue(const QByteArray& d) : v_(d) {}
  PlistValue(const QDateTime& t) : v_(t) {}

  static PlistValue array();
  static PlistValue dictionary();
  // A container holding what a reader built.
  static PlistValue array(PlistArray&& items);
  static PlistValue dictionary(PlistDictionary&& entries);

  Type type() const { return Type(v_.index()); }
  bool isNone() const { return type() == Type::None; }
  bool isArray() const { return type() == Type::Array; }
  bool isDictionary() const { return type() == Type::Dictionary; }
  bool isNumber() const;

  // Tolerant conversions. Numbers and booleans convert into each other; a string converts to a
  // number by its leading decimal digits ("12abc" is 12), like a text's integer value.
  bool toBool() const;
  qint64 toInteger() const;
  int intValue() const;  // toInteger() truncated to 32 bits
  double doubleValue() const;
  QString toString() const;  // strings only; anything else is the empty string
  QByteArray toData() const;
  QDateTime toDate() const;

  // Dictionary access: a None value when this is not a dictionary or the key is absent.
  PlistValue operator[](const QString& key) const;
  PlistValue operator[](const char* key) const { return (*this)[QString::fromLatin1(key)]; }
  bool contains(const QString& key) const;
  QStringList keys() const;
  // Sets key to value; does nothing when this is not a dictionary.
  void set(const QString& key, const PlistValue& value);
  void remove(const QString& key);

  // Array access: a None value when this is not an array or the index is out of range.
  PlistValue at(qsizetype index) const;
  void append(const PlistValue& value);
  // Replaces element index; does nothing when out of range or not an array.
  void replace(qsizetype index, const PlistValue& value);
  void removeAt(qsizetype index);

  // Number of elements of an array or entries of a dictionary; 0 for everything else.
  qsizetype count() const;

  // Direct access for code that walks a whole tree (file writers, validators).
  const PlistArray* arrayItems() const;
  const PlistDictionary* dictionaryItems() const;

  // True when both hold the very same array or dictionary (not merely equal ones).
  bool isSameObject(const PlistValue& other) const;

  PlistValue deepCopy() const;

  // Deep, type-exact equality (an integer 1 is not equal to a boolean true).
  friend bool operator==(const PlistValue& a, const PlistValue& b);
  friend bool operator!=(const PlistValue& a, const PlistValue& b) { return !(a == b); }

 private:
  using Storage = std::variant<std::monostate, bool, qint64, double, QString, QByteArray, QDateTime,
                               std::shared_ptr<PlistArray>, std::shared_ptr<PlistDictionary>>;
  Storage v_;
};

}  // namespace halvane

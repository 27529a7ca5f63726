// The XML writer lays files out exactly as libplist's writer did: files written before and after
// compare equal byte for byte (backups are told apart by their bytes), and macOS reads both.
#include "shared/plist/PlistXmlWriter.h"

#include "shared/plist/PlistFile.h"

#include <QTimeZone>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

namespace halvane {
namespace {

constexpr qint64 kPlistEpochOffset = 978307200;

// The tree handed to libplist, node by node: what the settings store wrote with until now.
plist_t libplistNode(const PlistValue& value) {
  switch (value.type()) {
    case PlistValue::Type::Boolean:
      return plist_new_bool(value.toBool());
    case PlistValue::Type::Integer:
#if HALVANE_LIBPLIST_SIGNED
      // libplist 2.3 and later keep the sign apart: a negative integer needs plist_new_int.
      return plist_new_int(value.toInteger());
#else
      return plist_new_uint(uint64_t(value.toInteger()));
#endif
    case PlistValue::Type::Real:
      return plist_new_real(value.doubleValue());
    case PlistValue::Type::String:
      return plist_new_string(value.toString().toUtf8().constData());
    case PlistValue::Type::Data: {
      const QByteArray d = value.toData();
      return plist_new_data(d.constData(), uint64_t(d.size()));
    }
    case PlistValue::Type::Date: {
      const qint64 ms = value.toDate().toMSecsSinceEpoch() - kPlistEpochOffset * 1000;
      return plist_new_date(int32_t(ms / 1000), int32_t((ms % 1000) * 1000));
    }
    case PlistValue::Type::Array: {
      plist_t array = plist_new_array();
      for (const PlistValue& item : *value.arrayItems())
        if (plist_t child = libplistNode(item)) plist_array_append_item(array, child);
      return array;
    }
    case PlistValue::Type::Dictionary: {
      plist_t dict = plist_new_dict();
      for (const auto& [key, item] : *value.dictionaryItems())
        if (plist_t child = libplistNode(item))
          plist_dict_set_item(dict, key.toUtf8().constData(), child);
      return dict;
    }
    case PlistValue::Type::None:
      break;
  }
  return nullptr;
}

QByteArray libplistXml(const PlistValue& root) {
  std::unique_ptr<void, void (*)(void*)> node(libplistNode(root),
                                              [](void* n) { plist_free(static_cast<plist_t>(n)); });
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(static_cast<plist_t>(node.get()), &xml, &length);
  QByteArray result(xml, qsizetype(length));
  // Plain free(): plist_to_xml_free() is gone from newer libplist releases.
  std::free(xml);
  return result;
}

PlistValue everyKind() {
  PlistValue root = PlistValue::dictionary();
  root.set("escapes", "a & b < c > d \" ' \t\n end");
  root.set("a&b<c>", "key with markup");
  root.set("", "empty key");
  root.set("empty", "");
  root.set(QString::fromUtf8("Grüße ⌘"), QString::fromUtf8("naïve — 日本語 😀"));
  root.set("nul", QString(QStringLiteral("before")) + QChar(0) + QStringLiteral("after"));
  root.set("true", true);
  root.set("false", false);
  root.set("gone", PlistValue());
  PlistValue ints = PlistValue::array();
  for (qint64 i : {qint64(0), qint64(-1), qint64(6350), std::numeric_limits<qint64>::min(),
                   std::numeric_limits<qint64>::max()})
    ints.append(i);
  root.set("ints", ints);
  PlistValue reals = PlistValue::array();
  for (double d :
       {0.0, -0.0, 0.25, -2.0, 0.1, 1.0 / 3, 1e300, 1e-300, 123456789012345678.0,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()})
    reals.append(d);
  root.set("reals", reals);
  PlistValue dates = PlistValue::array();
  dates.append(QDateTime(QDate(2026, 12, 7), QTime(10, 30, 15, 750), QTimeZone::utc()));
  dates.append(QDateTime(QDate(1999, 1, 2), QTime(3, 4, 5, 600), QTimeZone::utc()));
  dates.append(QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()));
  root.set("dates", dates);
  PlistValue empties = PlistValue::array();
  empties.append(PlistValue::array());
  empties.append(PlistValue::dictionary());
  PlistValue onlyNone = PlistValue::array();
  onlyNone.append(PlistValue());
  empties.append(onlyNone);
  empties.append(QByteArray());
  root.set("empties", empties);
  // Data at every depth: its lines get shorter as the indentation grows, down to a floor.
  QByteArray bytes;
  for (int i = 0; i < 300; ++i) bytes.append(char(i * 7));
  PlistValue nest = root;
  for (int depth = 1; depth <= 12; ++depth) {
    PlistValue inner = PlistValue::array();
    inner.append(bytes.left(depth * 23));
    nest.isArray() ? nest.append(inner) : nest.set("nest", inner);
    nest = inner;
  }
  return root;
}

TEST(PlistXmlWriter, WritesWhatLibplistWrote) {
  const QString data = QStringLiteral(HALVANE_SOURCE_DIR "/tests/shared/plist/data/");
  const std::vector<std::pair<const char*, PlistValue>> trees = {
      {"defaults", readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"))},
      {"sample", readPlistFile(data + "sample.plist")},
      {"every kind", everyKind()},
      {"empty dictionary", PlistValue::dictionary()},
      {"array root", PlistValue::array()},
      {"string root", PlistValue("just text")},
  };
  for (const auto& [name, tree] : trees) {
    ASSERT_FALSE(tree.isNone()) << name;
    const QByteArray ours = writeXmlPlist(tree);
    const QByteArray theirs = libplistXml(tree);
    EXPECT_EQ(ours, theirs) << name;
    if (ours != theirs) {  // where they part, for whoever has to fix it
      qsizetype i = 0;
      while (i < ours.size() && i < theirs.size() && ours[i] == theirs[i]) ++i;
      ADD_FAILURE() << name << " differs at " << i << ": ours \"" << ours.mid(i - 40, 80).data()
                    << "\" libplist \"" << theirs.mid(i - 40, 80).data() << "\"";
    }
  }
  EXPECT_TRUE(writeXmlPlist(PlistValue()).isEmpty());
}

TEST(PlistXmlWriter, WrittenFilesReadBackEqual) {
  PlistValue tree = everyKind();
  tree.remove("reals");  // NaN equals nothing, itself included
  tree.remove("dates");  // whole seconds only
  tree.remove("nul");    // cut at the NUL
  tree.remove("gone");   // left out
  const PlistValue back = parsePlist(writeXmlPlist(tree));
  PlistValue expected = tree.deepCopy();
  expected["empties"].replace(2, PlistValue::array());  // the None inside is left out
  EXPECT_EQ(back, expected);

  const PlistValue reals = parsePlist(writeXmlPlist(everyKind()))["reals"];
  EXPECT_EQ(reals.at(6).doubleValue(), 1e300);
  EXPECT_EQ(reals.at(5).doubleValue(), 1.0 / 3) << "17 digits keep every double";
  EXPECT_TRUE(std::isnan(reals.at(9).doubleValue()));
  EXPECT_EQ(parsePlist(writeXmlPlist(everyKind()))["nul"].toString(), "before");
}

}  // namespace
}  // namespace halvane

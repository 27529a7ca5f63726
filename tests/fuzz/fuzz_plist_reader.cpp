// Feeds arbitrary bytes to the property-list reader and walks whatever it returns.
#include "shared/plist/PlistFile.h"

#include <cstddef>
#include <cstdint>

namespace {

void walk(const halvane::PlistValue& v, int depth) {
  if (depth > 200) return;
  v.toBool();
  v.intValue();
  v.doubleValue();
  v.toString();
  if (const auto* items = v.arrayItems())
    for (const auto& item : *items) walk(item, depth + 1);
  if (const auto* entries = v.dictionaryItems())
    for (const auto& [key, item] : *entries) walk(item, depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const halvane::PlistValue v =
      halvane::parsePlist(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  walk(v, 0);
  if (v.isDictionary()) {
    // What every reader of the settings does first.
    v["Profiles"].at(0)["MacroKeys"].at(0)["KeyCombo"]["keyCode0"].intValue();
    halvane::toXmlPlist(v);
  }
  return 0;
}

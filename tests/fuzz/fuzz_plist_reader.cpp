// Feeds arbitrary bytes to the property-list reader, walks whatever it returns, and hands a
// dictionary to what reads settings trees: the macro step reader and the validator.
#include "shared/plist/PlistFile.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsValidator.h"

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
    const halvane::PlistValue profiles = v["Profiles"];
    for (qsizetype p = 0; p < profiles.count(); ++p) {
      const halvane::PlistValue keys = profiles.at(p)["MacroKeys"];
      for (qsizetype k = 0; k < keys.count(); ++k)
        halvane::settings::readMacroSteps(keys.at(k)["KeyCombo"]);
    }
    halvane::settings::SettingsValidator::validateSettings(v);
  }
  return 0;
}

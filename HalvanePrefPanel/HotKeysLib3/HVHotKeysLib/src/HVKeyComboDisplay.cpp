// The user-facing text of a key combination.
#include "HVKeyCodeTranslator.h"
#include "HVKeyCombo.h"

#include "platform/system/bundle/Bundle.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/MacModifiers.h"

#include <QCoreApplication>

namespace halvane {
namespace {

struct ModifierGlyph {
  int mask;
  char16_t glyph;
};

// The order of the rows is the order of the glyphs in the text.
constexpr ModifierGlyph kModifierGlyphs[] = {
    {kCarbonCommand, u'\u2318'},
    {kCarbonOption, u'\u2325'},
    {kCarbonControl, u'\u2303'},
    {kCarbonShift, u'\u21E7'},
};

PlistValue loadFromPaneBundle();

struct KeyCodesTable {
  std::function<PlistValue()> loader = loadFromPaneBundle;
  PlistValue table;  // None until a load yields something
};

KeyCodesTable& keyCodesTable() {
  static KeyCodesTable instance;
  return instance;
}

// The pane's own bundle, not the host program's: the one that holds this code.
PlistValue loadFromPaneBundle() {
  const Bundle bundle = Bundle::holding(reinterpret_cast<const void*>(&loadFromPaneBundle));
  const QString path = bundle.resourcePath(QStringLiteral("HVKeyCodes"), QStringLiteral("plist"));
  return path.isEmpty() ? PlistValue() : readPlistFile(path);
}

QString hexadecimalName(qint16 keyCode) {
  return QString::number(quint16(keyCode), 16).toUpper();
}

bool listsKeyCode(const PlistValue& padKeys, const QString& keyCodeText) {
  const PlistArray* items = padKeys.arrayItems();
  if (!items) return false;
  for (const PlistValue& item : *items) {
    if (item.type() == PlistValue::Type::String && item.toString() == keyCodeText) return true;
  }
  return false;
}

}  // namespace

PlistValue HVKeyCombo::keyCodesDictionary() {
  KeyCodesTable& t = keyCodesTable();
  if (t.table.isNone()) t.table = t.loader();
  return t.table;
}

void HVKeyCombo::setKeyCodesDictionaryLoader(std::function<PlistValue()> loader) {
  keyCodesTable() = KeyCodesTable{};
  if (loader) keyCodesTable().loader = std::move(loader);
}

QString HVKeyCombo::stringForModifiers(int modifiers) {
  QString glyphs;
  for (const ModifierGlyph& row : kModifierGlyphs) {
    if (modifiers & row.mask) glyphs += QChar(row.glyph);
  }
  return glyphs;
}

QString HVKeyCombo::stringForKeyCode(qint16 keyCode) {
  const PlistValue table = keyCodesDictionary();
  if (table[QStringLiteral("version")].toInteger() > 0) {
    return stringForKeyCodeInNewMap(keyCode, table);
  }
  return stringForKeyCodeInLegacyMap(keyCode, table);
}

QString HVKeyCombo::stringForKeyCodeInLegacyMap(qint16 keyCode,
                                                const PlistValue& legacyKeyCodeMap) {
  const PlistValue name = legacyKeyCodeMap[QString::number(keyCode)];
  if (name.type() == PlistValue::Type::String) return name.toString();
  return hexadecimalName(keyCode);
}

QString HVKeyCombo::stringForKeyCodeInNewMap(qint16 keyCode, const PlistValue& newKeyCodeMap) {
  const QString keyCodeText = QString::number(keyCode);
  const PlistValue unmapped = newKeyCodeMap[QStringLiteral("unmappedKeys")][keyCodeText];
  if (unmapped.type() == PlistValue::Type::String) return unmapped.toString();

  const std::shared_ptr<HVKeyCodeTranslator> translator = HVKeyCodeTranslator::currentTranslator();
  const QString character =
      translator ? translator->translateKeyCode(keyCode).toUpper() : QString();
  // No layout to ask, or a key that prints nothing: name the key by its code, as a legacy table
  // without an entry for it would.
  if (character.isEmpty()) return hexadecimalName(keyCode);

  // A table without "padKeys" has no keypad keys; one without "padKeyString" shows keypad keys
  // by their character alone.
  if (!listsKeyCode(newKeyCodeMap[QStringLiteral("padKeys")], keyCodeText)) return character;
  const QString padWord = newKeyCodeMap[QStringLiteral("padKeyString")].toString();
  return padWord.isEmpty() ? character : padWord + u' ' + character;
}

QString HVKeyCombo::description() const {
  if (!isValidHotKeyCombo()) return QCoreApplication::translate("HVKeyCombo", "(None)");
  QString text = stringForModifiers(modifiers()) + stringForKeyCode(qint16(keyCode()));
  if (delay() > 0) text += QStringLiteral("+%1ms").arg(delay());
  return text;
}

}  // namespace halvane

#pragma once

#include "HVKeyCodeTranslator.h"
#include "HVKeyCombo.h"

#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "shared/plist/PlistFile.h"

#include <QApplication>

namespace halvane::test {

// Points the translator at the given layout services for the life of this object.
class ScopedLayoutServices {
 public:
  explicit ScopedLayoutServices(KeyboardLayoutServices& services) {
    HVKeyCodeTranslator::setKeyboardLayoutServices(&services);
  }
  ~ScopedLayoutServices() { HVKeyCodeTranslator::setKeyboardLayoutServices(nullptr); }
};

// An xkb layout by name ("us", "fr", "de"), independent of the machine's settings.
inline std::unique_ptr<XkbKeyboardLayoutServices> xkbLayout(const char* layout) {
  XkbLayoutNames names;
  names.layout = QString::fromLatin1(layout);
  return XkbKeyboardLayoutServices::forNames(names);
}

// Gives the key-name table for the life of this object.
class ScopedKeyCodesTable {
 public:
  explicit ScopedKeyCodesTable(PlistValue table) {
    HVKeyCombo::setKeyCodesDictionaryLoader([table] { return table; });
  }
  ~ScopedKeyCodesTable() { HVKeyCombo::setKeyCodesDictionaryLoader({}); }
};

inline QString shippedKeyCodesPath() {
  return QStringLiteral(HALVANE_SOURCE_DIR "/HalvanePrefPanel/resources/HVKeyCodes.plist");
}

inline PlistValue shippedKeyCodes() {
  return readPlistFile(shippedKeyCodesPath());
}

// Widgets need an application object; one for the whole test program.
inline void ensureApplication() {
  static int argc = 1;
  static char name[] = "keycombo_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
  (void)app;
}

// As the first member of a fixture, makes the application before any widget member.
struct WithApplication {
  WithApplication() { ensureApplication(); }
};

}  // namespace halvane::test

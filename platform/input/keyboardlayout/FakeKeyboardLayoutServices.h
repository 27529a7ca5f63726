#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"

#include <map>

namespace halvane {

// Named layouts given as tables of evdev key code to character; the test picks the current one.
class FakeKeyboardLayoutServices : public KeyboardLayoutServices {
 public:
  // Adds a layout; a layout added as unusable names itself but makes no translation.
  void addLayout(const QString& name, std::map<int, QString> characters, bool usable = true);
  // The layout that currentLayout() names; an unknown or empty name means none.
  void setCurrentLayout(const QString& name) { current_ = name; }
  std::shared_ptr<const KeyboardLayout> layout(const QString& name) const;

  std::shared_ptr<const KeyboardLayout> currentLayout() override { return layout(current_); }

 private:
  std::map<QString, std::shared_ptr<const KeyboardLayout>> layouts_;
  QString current_;
};

}  // namespace halvane

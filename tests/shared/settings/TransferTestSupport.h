#pragma once

// Settings files in a temporary folder, for the tests of export, import and halvanectl.
#include "shared/plist/PlistFile.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsStore.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace halvane::test {

inline QString defaultsFile() {
  return QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
}

inline PlistValue defaultsTree() {
  return settings::read(defaultsFile()).deepCopy();
}

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The defaults with recognisable content in profile 4 (index 3): a named profile with a macro,
// a launch key and a profile selection.
inline PlistValue customisedSettings() {
  PlistValue root = defaultsTree();
  root.set(QStringLiteral("CurrentProfile"), 3);
  PlistValue profile = root["Profiles"].at(3);
  profile.set(QStringLiteral("Name"), QStringLiteral("Games"));
  profile.set(QStringLiteral("MediaPlayer"), QStringLiteral("VLC"));
  profile.set(QStringLiteral("SwapCmdAlt"), false);
  PlistValue macro = profile["MacroKeys"].at(0);
  macro.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  PlistValue combo = macro["KeyCombo"];
  combo.set(QStringLiteral("keyCode0"), 0);
  combo.set(QStringLiteral("modifiers0"), 0x0300);
  combo.set(QStringLiteral("delay0"), 250);
  combo.set(QStringLiteral("description"), QStringLiteral("(⌘⇧A+250ms)"));
  PlistValue launch = profile["MacroKeys"].at(6);
  launch.set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
  launch.set(QStringLiteral("LaunchAppURL"), QStringLiteral("/usr/bin/xterm"));
  PlistValue select = profile["MacroKeys"].at(9);
  select.set(QStringLiteral("ActionType"), QStringLiteral("SelectProfile"));
  select.set(QStringLiteral("SelectProfile"), 7);
  return root;
}

// The macros of settingsWithEveryStepKind(): profile 4's L2 and L3.
inline QList<settings::MacroStep> typingSteps() {
  using settings::MacroStep;
  return {MacroStep::key(0, 0x0100, 50),
          MacroStep::typing(QStringLiteral("Grüße, naïve € @ 😀"), 200),
          MacroStep::mouseButton(settings::MouseButton::Middle, settings::ButtonAction::Click)};
}
inline QList<settings::MacroStep> draggingSteps() {
  using settings::MacroStep;
  return {
      MacroStep::mouseButton(settings::MouseButton::Left, settings::ButtonAction::Press),
      MacroStep::scroll(settings::WheelDirection::Down, 20, 100),
      MacroStep::scroll(settings::WheelDirection::Left, 1),
      MacroStep::mouseButton(settings::MouseButton::Back, settings::ButtonAction::Release, 6350)};
}

// customisedSettings() with macros of every step kind in profile 4, so that each entry a step
// of another kind than a key has is in the file.
inline PlistValue settingsWithEveryStepKind() {
  PlistValue root = customisedSettings();
  PlistValue keys = root["Profiles"].at(3)["MacroKeys"];
  const QList<settings::MacroStep> macros[] = {typingSteps(), draggingSteps()};
  for (int k = 1; k <= 2; ++k) {
    keys.at(k).set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    PlistValue combo = keys.at(k)["KeyCombo"];
    settings::writeMacroSteps(combo, macros[k - 1]);
  }
  return root;
}

}  // namespace halvane::test

#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace halvane::settings {

// The application domain both programs share; it names the settings file.
inline constexpr char kApplicationDomain[] = "com.halvane.keyboard";

// The settings file: $HALVANE_SETTINGS when set (a full path, for tests and for users who keep
// several files), else $XDG_CONFIG_HOME/halvane/com.halvane.keyboard.plist, with ~/.config
// standing in for an unset (or relative) XDG_CONFIG_HOME. Every program and test asks here.
QString settingsPath();
// The same for a program that runs with environment.
QString settingsPath(const QProcessEnvironment& environment);

// Where earlier versions kept the file: $HOME/Library/Preferences/com.halvane.keyboard.plist.
QString formerSettingsPath();
QString formerSettingsPath(const QProcessEnvironment& environment);

// path as messages show it: the home folder as "~".
QString displayPath(const QString& path);
QString displayPath();  // of settingsPath()

}  // namespace halvane::settings

#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <optional>
#include <utility>
#include <vector>

namespace halvane::test {

// Points HOME at a fresh folder for the life of the object, and clears what else names the
// settings file (XDG_CONFIG_HOME, HALVANE_SETTINGS), so that nothing reaches the user's own.
class TempHome {
 public:
  TempHome() {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "HALVANE_SETTINGS"})
      saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                    ? std::optional<QByteArray>(qgetenv(name))
                                    : std::nullopt);
    qputenv("HOME", dir_.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HALVANE_SETTINGS");
  }
  ~TempHome() {
    for (const auto& [name, value] : saved_) {
      if (value)
        qputenv(name, *value);
      else
        qunsetenv(name);
    }
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  QString path() const { return dir_.path(); }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

}  // namespace halvane::test

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace halvane {

// One media or imaging choice: the value the settings file stores and the application it stands
// for on this system.
struct ApplicationName {
  QString kind;            // "media" or "imaging"
  QString storedValue;     // "iTunes"
  QString title;           // "Rhythmbox"
  QStringList desktopIds;  // "org.gnome.Rhythmbox3", without ".desktop"
  QString executable;      // "rhythmbox"
  QString busName;         // the MPRIS name after "org.mpris.MediaPlayer2.", empty for none
};

// The table ApplicationNames.tsv, which the preferences, the script resource and the demo all
// read, so that what the pop-ups show is what the keys drive.
class ApplicationNames {
 public:
  static constexpr char kResourceName[] = "ApplicationNames";
  static constexpr char kResourceType[] = "tsv";

  ApplicationNames() = default;
  // Nothing when the file cannot be read; rows with too few columns are passed over.
  static ApplicationNames read(const QString& path);
  static ApplicationNames parse(const QByteArray& text);

  const std::vector<ApplicationName>& entries() const { return entries_; }
  bool isEmpty() const { return entries_.empty(); }
  // The row of a stored value; nullptr when the table has none.
  const ApplicationName* find(const QString& storedValue) const;
  // The title of a stored value, or the value itself when the table does not know it.
  QString titleFor(const QString& storedValue) const;

 private:
  std::vector<ApplicationName> entries_;
};

}  // namespace halvane

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace halvane::i18n {

// Installs the catalogue halvane_<lang>.qm for the first of the locale's languages that one of
// the folders holds (the first folder holding it wins), and Qt's own catalogue for the same
// language. Returns the language installed ("de", "pt_BR"), or an empty text when the texts stay
// English (with the singular forms of English's catalogue): an English or unknown locale, or a
// language we have no catalogue for. A second call once a catalogue is installed changes nothing
// and returns its language.
QString installTranslations(const QStringList& folders, const QLocale& locale = QLocale::system());

// The share folder of the programs in bin/ (halvanectl, the preferences host, the demo): beside
// bin/ in the build tree and in an installed prefix, then the prefix the build was made for.
QStringList shareTranslationFolders();

}  // namespace halvane::i18n

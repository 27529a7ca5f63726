// Installs the catalogues of the folders given and prints what a program would then show, one
// line each: the language chosen ("en" for none), the language a second call reports, a text
// of the test catalogue, a text of Qt's own catalogue, the layout direction and a counted text
// of ours for one.
#include "shared/i18n/Translations.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList folders = QCoreApplication::arguments().mid(1);
  const QString language = halvane::i18n::installTranslations(folders);
  const QString again = halvane::i18n::installTranslations({});
  // Qt sets the layout direction when it handles the language change.
  QCoreApplication::processEvents();
  QTextStream out(stdout);
  out << (language.isEmpty() ? QStringLiteral("en") : language) << '\n'
      << (again.isEmpty() ? QStringLiteral("en") : again) << '\n'
      << QCoreApplication::translate("TranslationsProbe", "Keyboard") << '\n'
      << QCoreApplication::translate("QPlatformTheme", "Cancel") << '\n'
      << (QGuiApplication::layoutDirection() == Qt::RightToLeft ? "rtl" : "ltr") << '\n'
      << QCoreApplication::translate("SettingsValidator", "%n profiles, expected %1", "", 1).arg(10)
      << '\n';
  return 0;
}

#include "shared/i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace halvane::i18n {
namespace {

const char kOurs[] = "halvane";
const char kEnglishPlurals[] = "halvane_en";

// Qt lays the widgets out right to left when the installed catalogues translate this text to
// "RTL"; it stands here so that lupdate puts it in our catalogues, with Qt's own comment.
[[maybe_unused]] const struct {
  const char* source;
  const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

QTranslator* installedTranslator() {
  QCoreApplication* app = QCoreApplication::instance();
  return app ? app->findChild<QTranslator*>(QLatin1String(kOurs), Qt::FindDirectChildrenOnly)
             : nullptr;
}

// The sources give one form of a counted text ("%n errors"); English's catalogue holds the
// singular beside it.
void installEnglishPlurals(const QStringList& folders) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app ||
      app->findChild<QTranslator*>(QLatin1String(kEnglishPlurals), Qt::FindDirectChildrenOnly))
    return;
  auto plurals = std::make_unique<QTranslator>();
  for (const QString& folder : folders) {
    if (!plurals->load(QLatin1String(kOurs) + QStringLiteral("_en"), folder)) continue;
    plurals->setObjectName(QLatin1String(kEnglishPlurals));
    plurals->setParent(app);
    QCoreApplication::installTranslator(plurals.release());
    return;
  }
}

}  // namespace

QString installTranslations(const QStringList& folders, const QLocale& locale) {
  if (QTranslator* installed = installedTranslator()) return installed->language();
  auto ours = std::make_unique<QTranslator>();
  // The locale's languages in the user's order (LANGUAGE first): English ends the search, as
  // the texts in the sources are English already; an unknown one (the C locale) is passed over.
  bool found = false;
  for (const QString& name : locale.uiLanguages()) {
    const QLocale candidate(name);
    if (candidate.language() == QLocale::English) break;
    for (const QString& folder : folders) {
      if (ours->load(candidate, QLatin1String(kOurs), QStringLiteral("_"), folder)) {
        found = true;
        break;
      }
    }
    if (found) break;
  }
  // Qt's own texts (standard dialogs and buttons) only with ours, so a window speaks one language.
  if (!found) {
    installEnglishPlurals(folders);
    return {};
  }
  const QString language = ours->language();
  auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt.release());
  ours->setObjectName(QLatin1String(kOurs));
  ours->setParent(QCoreApplication::instance());
  // Installed last so that it is asked first: it holds the layout direction.
  QCoreApplication::installTranslator(ours.release());
  return language;
}

QStringList shareTranslationFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program + QStringLiteral("/../share/halvane/translations"),
          QStringLiteral(HALVANE_INSTALLED_TRANSLATIONS)};
}

}  // namespace halvane::i18n

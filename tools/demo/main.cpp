// halvane-demo: shows the helper at work without a keyboard or a display. It starts the helper
// with a demo profile, presses a few keys on a virtual keyboard and tells what the helper did.
//   halvane-demo [path/to/HalvaneHelper]
#include "shared/Version.h"
#include "shared/i18n/Translations.h"
#include "tools/demo/DemoSession.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (halvane::printVersionIfAsked(argc, argv, "halvane-demo")) return 0;
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("halvane-demo"));
  halvane::i18n::installTranslations(halvane::i18n::shareTranslationFolders());

  // In the build tree the bundles sit beside bin/.
  const QString bundles = QCoreApplication::applicationDirPath() + QStringLiteral("/../bundles");
  const QString helperApp = bundles + QStringLiteral("/HalvaneHelper.app/Contents");
  halvane::demo::DemoSession::Options options;
  options.helperPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                : helperApp + QStringLiteral("/MacOS/HalvaneHelper");
  options.defaultsPath = helperApp + QStringLiteral("/Resources/defaults.plist");
  options.applicationNamesPath = helperApp + QStringLiteral("/Resources/ApplicationNames.tsv");
  options.keyCodesPath =
      bundles + QStringLiteral("/HalvanePrefPanel.prefPane/Contents/Resources/HVKeyCodes.plist");
  halvane::demo::DemoSession demo(options, stdout);
  return demo.run();
}

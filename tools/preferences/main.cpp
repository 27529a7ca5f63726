// halvane-preferences: the preferences window of the Halvane keyboard. It loads the preference
// pane bundle and shows it, the way a settings application hosts a pane. A window that is open
// already is brought forward instead, and this start ends at once.
//   halvane-preferences [--start-helper] [path/to/HalvanePrefPanel.prefPane]
// --start-helper (the application menu's entry) also starts the helper when none runs.
#include "platform/desktop/prefpane/HelperStarter.h"
#include "platform/desktop/prefpane/PreferencesHost.h"
#include "platform/desktop/prefpane/PreferencesInstance.h"
#include "shared/Version.h"
#include "shared/i18n/Translations.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  if (halvane::printVersionIfAsked(argc, argv, "halvane-preferences")) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("halvane-preferences"));
  QApplication::setDesktopFileName(QStringLiteral("com.halvane.keyboard"));
  halvane::i18n::installTranslations(halvane::i18n::shareTranslationFolders());

  halvane::PreferencesInstance instance;
  if (instance.handOver(halvane::PreferencesInstance::activationTokenFromEnvironment())) return 0;

  QStringList arguments = QApplication::arguments().mid(1);
  const bool startHelper = arguments.removeAll(QStringLiteral("--start-helper")) > 0;
  // In the build tree the bundles sit beside bin/; installed, under <libdir>/halvane.
  const QString programDir = QApplication::applicationDirPath();
  const QStringList bundleDirs = {programDir + QStringLiteral("/../bundles"),
                                  QStringLiteral(HALVANE_INSTALLED_BUNDLES),
                                  programDir + QStringLiteral("/../lib/halvane")};
  if (startHelper) {
    QStringList helpers{programDir + QStringLiteral("/halvane-helper")};
    for (const QString& dir : bundleDirs)
      helpers << dir + QStringLiteral("/HalvaneHelper.app/Contents/MacOS/HalvaneHelper");
    const auto outcome =
        halvane::HelperStarter(QDBusConnection::sessionBus(), helpers).ensureRunning();
    if (outcome != halvane::HelperStarter::Outcome::AlreadyRunning)
      std::fprintf(stderr, "halvane-preferences: %s\n",
                   qPrintable(halvane::HelperStarter::describe(outcome)));
  }
  QString bundle = !arguments.isEmpty() ? arguments.first()
                                        : halvane::PreferencesHost::findPaneBundle(bundleDirs);
  if (bundle.isEmpty()) {
    std::fprintf(stderr, "halvane-preferences: %s\n",
                 qPrintable(halvane::PreferencesHost::tr("cannot find %1")
                                .arg(QLatin1String(halvane::PreferencesHost::kPaneBundleName))));
    return 1;
  }
  halvane::PreferencesHost host;
  host.setClosedHandler([] { QCoreApplication::quit(); });
  QString error;
  if (!host.open(bundle, &error)) {
    std::fprintf(stderr, "halvane-preferences: %s\n", qPrintable(error));
    return 1;
  }
  instance.serve(host.window());
  return app.exec();
}

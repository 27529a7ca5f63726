// halvane-preferences: the preferences window of the Halvane keyboard. It loads the preference
// pane bundle and shows it, the way a settings application hosts a pane. A window that is open
// already is brought forward instead, and this start ends at once.
//   halvane-preferences [path/to/HalvanePrefPanel.prefPane]
#include "platform/prefpane/PreferencesHost.h"
#include "platform/prefpane/PreferencesInstance.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("halvane-preferences"));
  QApplication::setDesktopFileName(QStringLiteral("halvane-preferences"));

  halvane::PreferencesInstance instance;
  if (instance.handOver(halvane::PreferencesInstance::activationTokenFromEnvironment())) return 0;

  // In the build tree the bundles sit beside bin/; installed, under <libdir>/halvane.
  const QString programDir = QApplication::applicationDirPath();
  QString bundle = argc > 1 ? QString::fromLocal8Bit(argv[1])
                            : halvane::PreferencesHost::findPaneBundle(
                                  {programDir + QStringLiteral("/../bundles"),
                                   QStringLiteral(HALVANE_INSTALLED_BUNDLES),
                                   programDir + QStringLiteral("/../lib/halvane")});
  if (bundle.isEmpty()) {
    std::fprintf(stderr, "halvane-preferences: cannot find %s\n",
                 halvane::PreferencesHost::kPaneBundleName);
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

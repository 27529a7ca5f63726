// halvane-preferences: the preferences window of the Halvane keyboard. It loads the preference
// pane bundle and shows it, the way a settings application hosts a pane.
//   halvane-preferences [path/to/HalvanePrefPanel.prefPane]
#include "platform/prefpane/PreferencesHost.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("halvane-preferences"));
  QApplication::setDesktopFileName(QStringLiteral("halvane-preferences"));

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
  QString error;
  if (!host.open(bundle, &error)) {
    std::fprintf(stderr, "halvane-preferences: %s\n", qPrintable(error));
    return 1;
  }
  return app.exec();
}

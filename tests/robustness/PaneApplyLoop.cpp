// Hosts the preference pane bundle the way halvane-preferences does, then flips one of two
// switches and clicks Apply (tag 1), over and over: the pane's own code writes the settings file
// each time. A test kills it at random moments.
//   robustness_pane_apply <pane bundle> [number of applies]
// Standard output: "ready <show changes> <override>" once the pane has loaded the file, then for
// each round "apply <show changes> <override>" before the click and "done" after it.
#include "platform/desktop/prefpane/PreferencesHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: robustness_pane_apply <pane bundle> [applies]\n");
    return 2;
  }
  halvane::PreferencesHost host;
  QString error;
  if (!host.open(QString::fromLocal8Bit(argv[1]), &error)) {
    std::fprintf(stderr, "robustness_pane_apply: %s\n", qPrintable(error));
    return 1;
  }
  QWidget* window = host.window();
  auto* apply = window->findChild<QAbstractButton*>(QStringLiteral("applyButton"));
  auto* showChanges = window->findChild<QAbstractButton*>(QStringLiteral("m_ShowChangesCB"));
  auto* override = window->findChild<QAbstractButton*>(QStringLiteral("m_AutoSwitchingOverrideCB"));
  if (!apply || !showChanges || !override || apply->property("tag").toInt() != 1) {
    std::fprintf(stderr, "robustness_pane_apply: the pane has no Apply button or switches\n");
    return 1;
  }
  const long applies = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000000;
  std::printf("ready %d %d\n", int(showChanges->isChecked()), int(override->isChecked()));
  std::fflush(stdout);
  for (long n = 0; n < applies; ++n) {
    (n % 2 == 0 ? showChanges : override)->click();
    std::printf("apply %d %d\n", int(showChanges->isChecked()), int(override->isChecked()));
    std::fflush(stdout);
    apply->click();
    std::printf("done\n");
    std::fflush(stdout);
    QCoreApplication::processEvents();
  }
  return 0;
}

// halvanectl: the command-line client of the Halvane helper and its settings file.
#include "platform/system/signals/TerminationSignals.h"
#include "shared/Version.h"
#include "shared/i18n/Translations.h"
#include "tools/halvanectl/Halvanectl.h"
#include "tools/halvanectl/SessionEnvironment.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (halvane::printVersionIfAsked(argc, argv, "halvanectl")) return 0;
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("halvanectl"));
  // Every text is made after this point, so translations installed here reach all of them.
  halvane::i18n::installTranslations(halvane::i18n::shareTranslationFolders());
  QTextStream out(stdout);
  QTextStream err(stderr);

  halvane::ctl::SessionEnvironment session;
  halvane::ctl::Halvanectl ctl(session.environment(), out, err);
  const halvane::ctl::ParsedArguments parsed =
      halvane::ctl::parseArguments(QCoreApplication::arguments().mid(1));
  if (!parsed.command) return ctl.refuse(parsed.error);

  const int status = ctl.run(*parsed.command);
  if (status != halvane::ctl::Halvanectl::kKeepRunning) return status;
  // watch: until a termination signal ends it cleanly.
  halvane::TerminationSignals termination([&app](int) { app.quit(); });
  return app.exec();
}

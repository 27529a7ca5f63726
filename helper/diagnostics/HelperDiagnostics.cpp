#include "helper/diagnostics/HelperDiagnostics.h"

#include "helper/controller/Controller.h"
#include "helper/diagnostics/BackendRegistry.h"
#include "platform/desktop/frontapp/FrontApplicationWatcher.h"

#include <QCoreApplication>

namespace halvane {

HelperDiagnostics::HelperDiagnostics(Controller& controller, FrontApplicationWatcher& watcher,
                                     const BackendRegistry& backends)
    : controller_(controller), watcher_(watcher), backends_(backends) {
  // After the Controller's handler: the report then names the profile it switched to.
  watcher_.setFrontSwitchObserver([this] {
    if (changed_) changed_(frontApplication());
  });
}

HelperDiagnostics::~HelperDiagnostics() {
  watcher_.setFrontSwitchObserver({});
}

void HelperDiagnostics::setFrontApplicationChangedHandler(
    std::function<void(const Report&)> handler) {
  changed_ = std::move(handler);
}

DiagnosticsServer::Report HelperDiagnostics::backends() {
  return backends_.entries();
}

DiagnosticsServer::Report HelperDiagnostics::settingsLoad() {
  Report report{{QStringLiteral("loads"), QString::number(controller_.settingsLoads())},
                {QStringLiteral("path"), controller_.settingsPath()}};
  if (!controller_.lastLoadProblems().isEmpty())
    report.insert(QStringLiteral("problems"), controller_.lastLoadProblems().join(u'\n'));
  return report;
}

DiagnosticsServer::Report HelperDiagnostics::frontApplication() {
  const FrontApplication front = watcher_.frontApplication();
  Report report;
  auto put = [&report](const char* key, const QString& value) {
    if (!value.isEmpty()) report.insert(QString::fromLatin1(key), value);
  };
  put("backend", front.backend);
  put("window", front.window ? QStringLiteral("active") : QStringLiteral("none"));
  if (front.window) {
    put("appId", front.window->appId);
    put("wmClass", front.window->wmClass);
    put("wmInstance", front.window->wmInstance);
    put("gtkApplicationId", front.window->gtkApplicationId);
    put("kdeDesktopFile", front.window->desktopFile);
    if (front.window->pid > 0) put("pid", QString::number(front.window->pid));
  }
  const ResolvedApplication& app = front.application;
  put("desktopId", app.desktopId);
  put("desktopEntry", app.desktopFile);
  put("desktopEntries", app.desktopFiles.join(u'\n'));
  put("name", app.name);
  put("executable", app.executable);
  put("source", sourceName(app.source));

  // The same questions, in the same order, as Controller::handleNewFrontmostApplication.
  const PlistValue prefs = controller_.prefs();
  const int profile = controller_.profileForApplication(front.names());
  if (profile >= 0) {
    put("profile", QString::number(profile + 1));
    put("profileName",
        prefs[QStringLiteral("Profiles")].at(profile)[QStringLiteral("Name")].toString());
  }
  // In the helper's language, which halvanectl front shows as it is; settings keys stay as named.
  QString verdict;
  if (prefs.isNone()) {
    verdict = QCoreApplication::translate("HelperDiagnostics", "no settings are loaded");
  } else if (prefs[QStringLiteral("AutoSwitchingOverride")].toBool()) {
    verdict =
        QCoreApplication::translate("HelperDiagnostics", "automatic switching is overridden (%1)")
            .arg(QStringLiteral("AutoSwitchingOverride"));
  } else if (front.names().isEmpty()) {
    verdict = front.window
                  ? QCoreApplication::translate(
                        "HelperDiagnostics",
                        "the window's application is unknown, so no profile is bound to it")
                  : QCoreApplication::translate("HelperDiagnostics", "no window is active");
  } else if (profile < 0) {
    verdict =
        QCoreApplication::translate("HelperDiagnostics", "no profile's %1 names this application")
            .arg(QStringLiteral("ApplicationPath"));
  } else if (!prefs[QStringLiteral("Profiles")]
                  .at(profile)[QStringLiteral("AutoSwitching")]
                  .toBool()) {
    verdict =
        QCoreApplication::translate("HelperDiagnostics", "profile %1 names it, but its %2 is off")
            .arg(QString::number(profile + 1), QStringLiteral("AutoSwitching"));
  } else {
    verdict =
        QCoreApplication::translate("HelperDiagnostics", "selects profile %1").arg(profile + 1);
  }
  put("verdict", verdict);
  return report;
}

}  // namespace halvane

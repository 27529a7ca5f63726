#pragma once

#include "shared/settings/SettingsValidator.h"
#include "tools/halvanectl/CtlArguments.h"
#include "tools/halvanectl/DoctorSystem.h"

#include <QCoreApplication>
#include <QString>
#include <QTextStream>
#include <QThread>

#include <functional>
#include <memory>

namespace halvane {

class DiagnosticsClient;
class DistributedNotificationCenter;
class RemoteProxy;

namespace ctl {

// What halvanectl works on: the settings file, and the helper on the session bus.
struct CtlEnvironment {
  QString settingsPath;
  QString defaultsPath;  // the settings a missing settings file is made from
  // The running helper; nullptr, with *why set, when it cannot be reached.
  std::function<std::unique_ptr<RemoteProxy>(QString* why)> connectHelper;
  // The bus's notifications; nullptr, with *why set, when there is no bus.
  std::function<DistributedNotificationCenter*(QString* why)> notificationCenter;
  // The running helper's reports; nullptr, with *why set, when it cannot be reached.
  std::function<std::unique_ptr<DiagnosticsClient>(QString* why)> connectDiagnostics;
  // What doctor examines; made when doctor runs.
  std::function<DoctorSystem()> doctorSystem;
  // Waits while the helper carries out a request.
  std::function<void(int ms)> pause = [](int ms) { QThread::msleep(ulong(ms)); };
};

// Carries out one command line of halvanectl, writing results to out and complaints to err.
class Halvanectl {
  Q_DECLARE_TR_FUNCTIONS(Halvanectl)

 public:
  enum ExitStatus {
    kSuccess = 0,
    kProblems = 1,      // check found errors; export/import refused a profile with errors;
                        // doctor found something that keeps the keyboard from working
    kFailure = 2,       // bad arguments, unreadable file, helper not running or not answering
    kKeepRunning = -1,  // watch: observing; the caller runs the event loop until interrupted
  };

  Halvanectl(CtlEnvironment environment, QTextStream& out, QTextStream& err);
  ~Halvanectl();

  int run(const CtlCommand& command);
  // Refused arguments: the reason and a pointer to --help.
  int refuse(const QString& error);

  static QString helpText();
  // A FrontApplication report as halvanectl front prints it.
  static QString frontApplicationText(const QMap<QString, QString>& report);

  // How a profile index (0-9) is shown: "4 - Games", with the name from the settings file, or
  // only the number when the file has no such profile.
  QString profileLabel(int index) const;

 private:
  int showProfile();
  int setProfile(int number);
  int reload();
  int watch();
  int front(bool keepWatching);
  int doctor(bool desktopHint);
  int check(const QString& file);
  int exportProfile(int number, const QString& file);
  int importProfile(int number, const QString& file);
  int listBackups();
  int restoreBackup(int number);
  // After the settings file changed under a running helper: asks it to reload, or says that it
  // will read the file when it starts. what: the change, for the message when it does not answer;
  // notRunning: what to say when no helper runs.
  int reloadAfterChange(const QString& what, const QString& notRunning);
  // After a reload: kSuccess when the helper read the settings cleanly, else its messages on
  // err and kProblems.
  int reportSettingsLoad(const QString& what);

  // How long `profile N` waits for a switch the helper puts off until a macro ends.
  static constexpr int kSwitchPollMs = 50;
  static constexpr int kSwitchWaitMs = 2000;

  // The helper, or nullptr after saying why it cannot be reached.
  std::unique_ptr<RemoteProxy> helper();
  int helperNotAnswering();
  int fail(const QString& message);
  // "error: path: message" / "warning: ...", one line each.
  void printProblems(const settings::SettingsProblems& problems);
  // The launch paths a profile record brings along, so an imported profile holds no surprise.
  void printLaunches(const PlistValue& profile);

  CtlEnvironment env_;
  std::unique_ptr<DiagnosticsClient> frontWatch_;
  QTextStream& out_;
  QTextStream& err_;
};

}  // namespace ctl
}  // namespace halvane

#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QString>
#include <QStringList>

namespace halvane {

// Starts the helper when the preferences are opened from the application menu and none runs,
// so that no terminal command is needed after installing: through its systemd user unit when
// the user has it enabled (the unit then owns it, as after a login), else as a program of its
// own that outlives the window.
class HelperStarter {
  Q_DECLARE_TR_FUNCTIONS(HelperStarter)

 public:
  static constexpr char kUnit[] = "halvane-helper.service";
  enum class Outcome { AlreadyRunning, StartedUnit, StartedProgram, NoBus, NoHelperFound };

  // helperCandidates: the helper's possible paths, the first executable one is started.
  HelperStarter(QDBusConnection bus, QStringList helperCandidates,
                QString systemctl = QStringLiteral("systemctl"));

  Outcome ensureRunning();
  static QString describe(Outcome outcome);

 private:
  bool systemctl(const QStringList& arguments) const;

  QDBusConnection bus_;
  QStringList helperCandidates_;
  QString systemctl_;
};

}  // namespace halvane

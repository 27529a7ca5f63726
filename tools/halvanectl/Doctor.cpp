#include "tools/halvanectl/Doctor.h"

#include "tools/halvanectl/TerminalText.h"

#include <QCoreApplication>

namespace halvane::ctl {

namespace {

using Status = DoctorCheck::Status;

struct Doctor {
  Q_DECLARE_TR_FUNCTIONS(Doctor)
};

QString summary(int failures, int warnings) {
  QString text = failures == 0
                     ? Doctor::tr("Nothing keeps the keyboard from working")
                     : Doctor::tr("%n problems keep the keyboard from working", nullptr, failures);
  if (warnings)
    text += QStringLiteral("; ") + Doctor::tr("%n more are worth fixing", nullptr, warnings);
  return text + u'.';
}

}  // namespace

QString doctorText(const DoctorCheck& check) {
  QString text = (check.status == Status::Pass ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) +
                 check.line + u'\n';
  // The fix's further steps line up under its first, however wide "fix:" is translated.
  const QString first = QStringLiteral("    ") + Doctor::tr("fix:") + u' ';
  const QString more(displayWidth(first), u' ');
  for (qsizetype i = 0; i < check.fix.size(); ++i)
    text += (i == 0 ? first : more) + check.fix.at(i) + u'\n';
  return text;
}

int runDoctor(const DoctorSystem& system, QTextStream& out) {
  bool helperRunning = false;
  DoctorChecks checks = deviceChecks(system);
  checks << helperChecks(system, &helperRunning);
  checks << desktopChecks(system, helperRunning);
  checks << fileChecks(system);

  int failures = 0;
  int warnings = 0;
  for (const DoctorCheck& check : checks) {
    out << doctorText(check);
    failures += check.status == Status::Fail;
    warnings += check.status == Status::Warn;
  }
  out << summary(failures, warnings) << '\n';
  out.flush();
  return failures ? 1 : 0;
}

int printDesktopHint(const DoctorSystem& system, QTextStream& out) {
  const std::optional<DoctorCheck> piece = desktopPieceCheck(system, false);
  if (piece && piece->status != Status::Pass) {
    out << Doctor::tr("Automatic switching on this desktop needs one step first:") << '\n'
        << doctorText(*piece);
    out.flush();
  }
  return 0;
}

}  // namespace halvane::ctl

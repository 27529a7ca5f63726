#include "tools/halvanectl/Doctor.h"

namespace halvane::ctl {

namespace {

using Status = DoctorCheck::Status;

QString counted(int n, const char* singular, const char* plural) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? singular : plural));
}

}  // namespace

QString doctorText(const DoctorCheck& check) {
  QString text = (check.status == Status::Pass ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) +
                 check.line + u'\n';
  for (qsizetype i = 0; i < check.fix.size(); ++i)
    text += (i == 0 ? QStringLiteral("    fix: ") : QStringLiteral("         ")) + check.fix.at(i) +
            u'\n';
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
  if (failures)
    out << counted(failures, "problem keeps", "problems keep") << " the keyboard from working";
  else
    out << "Nothing keeps the keyboard from working";
  if (warnings) out << "; " << counted(warnings, "more is", "more are") << " worth fixing";
  out << ".\n";
  out.flush();
  return failures ? 1 : 0;
}

int printDesktopHint(const DoctorSystem& system, QTextStream& out) {
  const std::optional<DoctorCheck> piece = desktopPieceCheck(system, false);
  if (piece && piece->status != Status::Pass) {
    out << "Automatic switching on this desktop needs one step first:\n" << doctorText(*piece);
    out.flush();
  }
  return 0;
}

}  // namespace halvane::ctl

#include "tools/halvanectl/CtlArguments.h"

#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsLimits.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace halvane::ctl {

namespace {

struct CtlArguments {
  Q_DECLARE_TR_FUNCTIONS(CtlArguments)
};

ParsedArguments refuse(const QString& error) {
  return {std::nullopt, error};
}

ParsedArguments accept(CtlCommand::Kind kind, int number = 0, const QString& file = QString()) {
  return {CtlCommand{kind, number, file}, QString()};
}

// Digits only: "+3", " 3" and "3x" are not profile numbers.
std::optional<int> profileNumber(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  const int n = text.toInt();
  if (!settings::isProfileNumber(n)) return std::nullopt;
  return n;
}

QString notANumber(const QString& text) {
  return CtlArguments::tr("\"%1\" is not a profile number (1 to %2)")
      .arg(text, QString::number(settings::kProfileCount));
}

}  // namespace

ParsedArguments parseArguments(const QStringList& arguments) {
  for (const QString& a : arguments)
    if (a == QStringLiteral("--help") || a == QStringLiteral("-h"))
      return accept(CtlCommand::Kind::Help);
  if (arguments.isEmpty()) return refuse(CtlArguments::tr("no command given"));

  const QString command = arguments.first();
  const QStringList rest = arguments.mid(1);
  auto wrongCount = [&command](const QString& usage) {
    return refuse(CtlArguments::tr("wrong number of arguments for %1 (usage: %2)")
                      .arg(command, QStringLiteral("halvanectl ") + usage));
  };
  if (command == QStringLiteral("front")) {
    if (rest.isEmpty()) return accept(CtlCommand::Kind::Front);
    if (rest != QStringList{QStringLiteral("--watch")})
      return wrongCount(QStringLiteral("front [--watch]"));
    ParsedArguments watching = accept(CtlCommand::Kind::Front);
    watching.command->keepWatching = true;
    return watching;
  }
  if (command == QStringLiteral("doctor")) {
    if (rest.isEmpty()) return accept(CtlCommand::Kind::Doctor);
    if (rest != QStringList{QStringLiteral("--desktop-hint")})
      return wrongCount(QStringLiteral("doctor [--desktop-hint]"));
    ParsedArguments hint = accept(CtlCommand::Kind::Doctor);
    hint.command->desktopHint = true;
    return hint;
  }
  for (const QString& a : rest)
    if (a.startsWith(u'-') && a.size() > 1)
      return refuse(CtlArguments::tr("unknown option \"%1\"").arg(a));

  if (command == QStringLiteral("help")) return accept(CtlCommand::Kind::Help);
  if (command == QStringLiteral("profile")) {
    if (rest.isEmpty()) return accept(CtlCommand::Kind::ShowProfile);
    if (rest.size() != 1) return wrongCount(QStringLiteral("profile [N]"));
    const auto n = profileNumber(rest.first());
    if (!n) return refuse(notANumber(rest.first()));
    return accept(CtlCommand::Kind::SetProfile, *n);
  }
  if (command == QStringLiteral("reload") || command == QStringLiteral("watch")) {
    if (!rest.isEmpty()) return wrongCount(command);
    return accept(command == QStringLiteral("reload") ? CtlCommand::Kind::Reload
                                                      : CtlCommand::Kind::Watch);
  }
  if (command == QStringLiteral("check")) {
    if (rest.size() > 1) return wrongCount(QStringLiteral("check [FILE]"));
    return accept(CtlCommand::Kind::Check, 0, rest.value(0));
  }
  if (command == QStringLiteral("export") || command == QStringLiteral("import")) {
    if (rest.size() != 2) return wrongCount(command + QStringLiteral(" N FILE"));
    const auto n = profileNumber(rest.at(0));
    if (!n) return refuse(notANumber(rest.at(0)));
    if (rest.at(1).isEmpty()) return refuse(CtlArguments::tr("the file name is empty"));
    return accept(
        command == QStringLiteral("export") ? CtlCommand::Kind::Export : CtlCommand::Kind::Import,
        *n, rest.at(1));
  }
  if (command == QStringLiteral("backups")) {
    if (!rest.isEmpty()) return wrongCount(command);
    return accept(CtlCommand::Kind::Backups);
  }
  if (command == QStringLiteral("restore")) {
    if (rest.size() != 1) return wrongCount(QStringLiteral("restore N"));
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]{0,2}$"));
    if (!number.match(rest.first()).hasMatch())
      return refuse(CtlArguments::tr("\"%1\" is not a backup number (as \"%2\" lists them)")
                        .arg(rest.first(), QStringLiteral("halvanectl backups")));
    return accept(CtlCommand::Kind::Restore, rest.first().toInt());
  }
  return refuse(CtlArguments::tr("unknown command \"%1\"").arg(command));
}

}  // namespace halvane::ctl

#include "tools/vkbd/VkbdCommand.h"

#include <QStringList>

namespace halvane::vkbd {

namespace {

// Longer reports are allowed on purpose: the helper must cut them to its 32-byte buffer.
constexpr qsizetype kMaxReportBytes = 256;
constexpr int kMaxWaitMs = 24 * 60 * 60 * 1000;

constexpr std::uint8_t kFirstMacroKey = 0xF1, kProfileKey = 0xFB, kEjectKey = 0xFC;
constexpr std::uint8_t kProfile8Key = 0xFD, kProfile9Key = 0xFE, kF1 = 0x3A;

bool parseHexByte(const QString& word, std::uint8_t* out) {
  QStringView digits(word);
  if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) digits = digits.sliced(2);
  if (digits.isEmpty() || digits.size() > 2) return false;
  bool ok = false;
  const uint value = digits.toUInt(&ok, 16);
  *out = std::uint8_t(value);
  return ok;
}

QString parseBytes(const QStringList& words, std::vector<std::uint8_t>* bytes) {
  if (words.size() < 2) return QStringLiteral("%1 needs at least one hex byte").arg(words[0]);
  if (words.size() - 1 > kMaxReportBytes)
    return QStringLiteral("a report has at most %1 bytes").arg(kMaxReportBytes);
  for (qsizetype i = 1; i < words.size(); ++i) {
    std::uint8_t byte;
    if (!parseHexByte(words[i], &byte))
      return QStringLiteral("not a hex byte: \"%1\"").arg(words[i]);
    bytes->push_back(byte);
  }
  return {};
}

// The key codes that one "press" holds; empty when the key is unknown.
std::vector<std::uint8_t> keyCodes(const QStringList& keys) {
  const QString key = keys.value(0).toUpper();
  if (keys.size() == 1) {
    if (key == QStringLiteral("EJECT")) return {kEjectKey};
    if (key.size() == 2 && (key[0] == u'L' || key[0] == u'R') && key[1] >= u'1' && key[1] <= u'5')
      return {std::uint8_t(kFirstMacroKey + (key[0] == u'R' ? 5 : 0) + (key[1].unicode() - '1'))};
    return {};
  }
  if (keys.size() != 2 || key != QStringLiteral("PROFILE")) return {};
  // The decoder scans the key slots in order and stops at the profile key, so the F-key (or the
  // profile 8/9 key) goes first.
  const QString which = keys[1].toUpper();
  bool ok = false;
  const int index = which.startsWith(u'F') ? which.sliced(1).toInt(&ok) - 1 : which.toInt(&ok);
  if (!ok || index < 0 || index > 9 || (which.startsWith(u'F') && index > 7)) return {};
  if (index == 8) return {kProfile8Key, kProfileKey};
  if (index == 9) return {kProfile9Key, kProfileKey};
  return {std::uint8_t(kF1 + index), kProfileKey};
}

QString parseMilliseconds(const QString& word, int* out) {
  bool ok = false;
  const int value = word.toInt(&ok);
  if (!ok || value < 0 || value > kMaxWaitMs)
    return QStringLiteral("not a time in milliseconds: \"%1\"").arg(word);
  *out = value;
  return {};
}

}  // namespace

ParsedCommand parseCommand(QStringView line) {
  ParsedCommand parsed;
  Command& command = parsed.command;
  const qsizetype comment = line.indexOf(u'#');
  const QStringList cleaned = (comment < 0 ? line : line.first(comment))
                                  .toString()
                                  .simplified()
                                  .split(u' ', Qt::SkipEmptyParts);
  if (cleaned.isEmpty()) return parsed;

  const QString verb = cleaned[0].toLower();
  const QStringList arguments = cleaned.mid(1);
  if (verb == QStringLiteral("press")) {
    command.kind = Command::Kind::Press;
    command.bytes = keyCodes(arguments);
    if (command.bytes.empty())
      parsed.error =
          QStringLiteral("unknown key \"%1\" (L1-L5, R1-R5, eject, profile F1-F8 or 0-9)")
              .arg(arguments.join(u' '));
  } else if (verb == QStringLiteral("release")) {
    command.kind = Command::Kind::Release;
    if (!arguments.isEmpty()) parsed.error = QStringLiteral("release takes no arguments");
  } else if (verb == QStringLiteral("report") || verb == QStringLiteral("consumer-report")) {
    command.kind =
        verb == QStringLiteral("report") ? Command::Kind::Report : Command::Kind::ConsumerReport;
    parsed.error = parseBytes(cleaned, &command.bytes);
  } else if (verb == QStringLiteral("media")) {
    command.kind = Command::Kind::Media;
    std::uint8_t code = 0;
    if (arguments.size() != 1 || !parseHexByte(arguments[0], &code))
      parsed.error = QStringLiteral("media needs one hex code, for example \"media f1\"");
    command.bytes = {code};
  } else if (verb == QStringLiteral("wait")) {
    command.kind = Command::Kind::Wait;
    parsed.error = arguments.size() == 1 ? parseMilliseconds(arguments[0], &command.milliseconds)
                                         : QStringLiteral("wait needs a time in milliseconds");
  } else if (verb == QStringLiteral("wait-connected")) {
    command.kind = Command::Kind::WaitConnected;
    command.milliseconds = kDefaultConnectTimeoutMs;
    if (arguments.size() > 1)
      parsed.error = QStringLiteral("wait-connected takes at most a time limit in milliseconds");
    else if (arguments.size() == 1)
      parsed.error = parseMilliseconds(arguments[0], &command.milliseconds);
  } else if (verb == QStringLiteral("quit") || verb == QStringLiteral("unplug") ||
             verb == QStringLiteral("plug")) {
    command.kind = verb == QStringLiteral("quit")     ? Command::Kind::Quit
                   : verb == QStringLiteral("unplug") ? Command::Kind::Unplug
                                                      : Command::Kind::PlugIn;
    if (!arguments.isEmpty()) parsed.error = QStringLiteral("%1 takes no arguments").arg(verb);
  } else {
    parsed.error = QStringLiteral("unknown command \"%1\"").arg(cleaned[0]);
  }
  if (!parsed.error.isEmpty()) command = Command{};
  return parsed;
}

}  // namespace halvane::vkbd

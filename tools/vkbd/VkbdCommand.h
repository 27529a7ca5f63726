#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace halvane::vkbd {

// One line of halvane-vkbd's input.
struct Command {
  enum class Kind {
    None,
    Press,
    Release,
    Report,
    ConsumerReport,
    Media,
    Wait,
    WaitConnected,
    Unplug,
    PlugIn,
    Quit
  };
  Kind kind = Kind::None;           // None: an empty line or a comment
  std::vector<std::uint8_t> bytes;  // Press: key codes to hold; reports: the bytes; Media: the code
  int milliseconds = 0;             // Wait: the pause; WaitConnected: the time limit
  bool operator==(const Command&) const = default;
};

struct ParsedCommand {
  Command command;
  QString error;  // empty when the line is good
};

inline constexpr int kDefaultConnectTimeoutMs = 10000;
inline constexpr int kMaxHeldKeys = 6;  // key slots of a keyboard report

// Commands (words are case-insensitive; '#' starts a comment):
//   press L1..L5 | R1..R5         macro key 0xF1 + index, held until release
//   press profile F1..F8 | 0..9   the profile key with F1..F8 (profiles 0 to 7), or with the
//                                 profile 8 or 9 key (0xFD, 0xFE)
//   press eject                   0xFC
//   release                       all keys up
//   report <hex bytes>            raw report to the keyboard interface
//   consumer-report <hex bytes>   raw report to the consumer interface
//   media <hex code>              media key down and up on the consumer interface
//   wait <ms>                     pause
//   wait-connected [<ms>]         until the helper has connected to both interfaces (uhid:
//                                 until the kernel has both devices open)
//   unplug                        both interfaces go away, as when the cable is pulled
//   plug                          they come back (no keys held)
//   quit
ParsedCommand parseCommand(QStringView line);

}  // namespace halvane::vkbd

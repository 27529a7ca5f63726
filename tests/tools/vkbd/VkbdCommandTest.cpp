#include "tools/vkbd/VkbdCommand.h"

#include <gtest/gtest.h>

namespace halvane::vkbd {
namespace {

using Kind = Command::Kind;
using Bytes = std::vector<std::uint8_t>;

struct Good {
  const char* line;
  Kind kind;
  Bytes bytes;
  int milliseconds = 0;
};

TEST(VkbdCommandTest, GoodLines) {
  const Good cases[] = {
      {"press L1", Kind::Press, {0xF1}},
      {"press l5", Kind::Press, {0xF5}},
      {"press R1", Kind::Press, {0xF6}},
      {"PRESS r5", Kind::Press, {0xFA}},
      {"press eject", Kind::Press, {0xFC}},
      // The F-key or profile 8/9 key stands before the profile key, where the decoder looks.
      {"press profile F1", Kind::Press, {0x3A, 0xFB}},
      {"press profile f4", Kind::Press, {0x3D, 0xFB}},
      {"press profile F8", Kind::Press, {0x41, 0xFB}},
      {"press profile 0", Kind::Press, {0x3A, 0xFB}},
      {"press profile 7", Kind::Press, {0x41, 0xFB}},
      {"press profile 8", Kind::Press, {0xFD, 0xFB}},
      {"press profile 9", Kind::Press, {0xFE, 0xFB}},
      {"release", Kind::Release, {}},
      {"report 08 00 fb 00 00 00 00 00", Kind::Report, {0x08, 0x00, 0xFB, 0, 0, 0, 0, 0}},
      {"report 0x08 F 0", Kind::Report, {0x08, 0x0F, 0x00}},
      {"consumer-report 00 f1 00", Kind::ConsumerReport, {0x00, 0xF1, 0x00}},
      {"media f1", Kind::Media, {0xF1}},
      {"media 0xB5", Kind::Media, {0xB5}},
      {"wait 250", Kind::Wait, {}, 250},
      {"wait 0", Kind::Wait, {}, 0},
      {"wait-connected", Kind::WaitConnected, {}, kDefaultConnectTimeoutMs},
      {"wait-connected 500", Kind::WaitConnected, {}, 500},
      {"quit", Kind::Quit, {}},
      {"unplug", Kind::Unplug, {}},
      {"PLUG", Kind::PlugIn, {}},
      {"\tpress \t L2  ", Kind::Press, {0xF2}},
      {"press L3 # the third", Kind::Press, {0xF3}},
      {"", Kind::None, {}},
      {"   # a comment", Kind::None, {}},
  };
  for (const Good& c : cases) {
    const ParsedCommand parsed = parseCommand(QString::fromUtf8(c.line));
    EXPECT_EQ(parsed.error, QString()) << c.line;
    EXPECT_EQ(parsed.command, (Command{c.kind, c.bytes, c.milliseconds})) << c.line;
  }
}

TEST(VkbdCommandTest, BadLinesSayWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"press", "unknown key"},
      {"press L6", "unknown key \"L6\""},
      {"press L0", "unknown key"},
      {"press X1", "unknown key"},
      {"press profile F9", "unknown key"},
      {"press profile F0", "unknown key"},
      {"press profile 10", "unknown key"},
      {"press profile", "unknown key"},
      {"press L1 L2", "unknown key"},
      {"release now", "no arguments"},
      {"report", "at least one hex byte"},
      {"report 100", "not a hex byte: \"100\""},
      {"report 0x", "not a hex byte"},
      {"report zz", "not a hex byte"},
      {"media", "one hex code"},
      {"media f1 f2", "one hex code"},
      {"media 1ff", "one hex code"},
      {"wait", "milliseconds"},
      {"wait -1", "not a time"},
      {"wait soon", "not a time"},
      {"wait-connected 1 2", "at most a time limit"},
      {"unplug now", "unplug takes no arguments"},
      {"quit now", "no arguments"},
      {"jump", "unknown command \"jump\""},
  };
  for (const auto& [line, message] : cases) {
    const ParsedCommand parsed = parseCommand(QString::fromUtf8(line));
    EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(message)))
        << line << ": " << parsed.error.toStdString();
    EXPECT_EQ(parsed.command.kind, Kind::None) << line;
  }
  std::string longReport = "report";
  for (int i = 0; i < 257; ++i) longReport += " 00";
  EXPECT_TRUE(
      parseCommand(QString::fromStdString(longReport)).error.contains(QStringLiteral("at most")));
}

}  // namespace
}  // namespace halvane::vkbd

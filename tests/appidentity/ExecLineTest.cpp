// The words of Exec lines, as the index reads them to tell which program an entry runs.
#include "platform/appidentity/ExecLine.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

TEST(ExecLine, SplitsAtBlanksOutsideQuotesAndDropsFieldCodes) {
  const struct {
    const char* exec;
    QStringList words;
  } cases[] = {
      {"gedit %U", {"gedit"}},
      {"  app\t--x  %f ", {"app", "--x"}},
      {"\"/opt/My App/run\" --flag", {"/opt/My App/run", "--flag"}},
      {"sh -c \"echo \\\"a b\\\" \\$HOME\"", {"sh", "-c", "echo \"a b\" $HOME"}},
      {"app 100%%", {"app", "100%"}},
      {"app \"\" x", {"app", "", "x"}},
      {"env A=1 B=\"two words\" prog", {"env", "A=1", "B=two words", "prog"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(execLineWords(QString::fromUtf8(c.exec)), c.words) << c.exec;
}

}  // namespace
}  // namespace halvane::test

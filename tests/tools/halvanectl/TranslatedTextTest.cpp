// halvanectl under a catalogue: its texts are looked up when they are made, so translations
// installed at start reach them, while command and option names stay as typed; translated
// labels line up by the columns a terminal gives them, CJK characters two each.
#include "tests/tools/halvanectl/TestCatalogue.h"
#include "tools/halvanectl/Doctor.h"
#include "tools/halvanectl/Halvanectl.h"

#include <gtest/gtest.h>

namespace halvane::ctl {
namespace {

TEST(TranslatedText, HelpIsReadWhenAskedAndKeepsCommandsAsTyped) {
  const QString english = Halvanectl::helpText();
  ASSERT_TRUE(english.contains(QStringLiteral("\n  --help           this text\n")));
  {
    TestCatalogue zh(
        QStringLiteral("zh_CN"),
        {{"Halvanectl", "Usage: %1", QStringLiteral("用法：%1")},
         {"Halvanectl", "this text", QStringLiteral("本说明")},
         {"Halvanectl",
          "switch to profile N (as the preferences do: the helper shows the\nprofile on screen "
          "when asked to, and announces no change)",
          QStringLiteral("切换到配置 N\n（与偏好设置相同）")}});
    if (!zh.installed()) GTEST_SKIP() << qPrintable(zh.why());
    const QString help = Halvanectl::helpText();
    for (const QString& part :
         {QStringLiteral("用法：halvanectl COMMAND [ARGUMENTS]\n"),
          QStringLiteral("\n  --help           本说明\n"),
          // A translated description keeps its column on every line.
          QStringLiteral(
              "\n  profile N        切换到配置 N\n                   （与偏好设置相同）\n"),
          // Untranslated texts stay English.
          QStringLiteral("\n  --version        the version of the Halvane software\n")})
      EXPECT_TRUE(help.contains(part)) << qPrintable(part) << '\n' << qPrintable(help);
  }
  EXPECT_EQ(Halvanectl::helpText(), english);
}

TEST(TranslatedText, LabelsLineUpByTerminalColumns) {
  TestCatalogue zh(QStringLiteral("zh_CN"),
                   {{"Halvanectl", "Backend:", QStringLiteral("后端：")},
                    {"Halvanectl", "Window:", QStringLiteral("窗口：")},
                    {"Halvanectl", "none", QStringLiteral("无")},
                    {"Halvanectl", "Application:", QStringLiteral("应用程序：")},
                    {"Halvanectl", "no desktop entry found", QStringLiteral("未找到桌面条目")},
                    {"Halvanectl", "Executable:", QStringLiteral("可执行文件路径名：")},
                    {"Halvanectl", "Profile:", QStringLiteral("配置：")},
                    {"Halvanectl", "none: %1", QStringLiteral("无：%1")},
                    {"Doctor", "fix:", QStringLiteral("修复：")}});
  if (!zh.installed()) GTEST_SKIP() << qPrintable(zh.why());

  // The widest label, 可执行文件路径名：, takes 18 columns: every value starts at column 20.
  const QString front = Halvanectl::frontApplicationText(
      {{QStringLiteral("backend"), QStringLiteral("x11")},
       {QStringLiteral("executable"), QStringLiteral("/usr/bin/gedit")},
       {QStringLiteral("verdict"), QStringLiteral("no window is active")}});
  EXPECT_EQ(front, QStringLiteral("后端：              x11\n"
                                  "窗口：              无\n"
                                  "应用程序：          未找到桌面条目\n"
                                  "可执行文件路径名：  /usr/bin/gedit\n"
                                  "配置：              无：no window is active\n"));

  // A fix's further steps start under its first, after the translated "fix:".
  EXPECT_EQ(doctorText({DoctorCheck::Status::Fail,
                        QStringLiteral("Helper"),
                        {QStringLiteral("one"), QStringLiteral("two")}}),
            QStringLiteral("✘ Helper\n    修复： one\n           two\n"));
}

}  // namespace
}  // namespace halvane::ctl

// Running the script resource: its arguments, and stopping it when it hangs.
#include "platform/system/script/ProcessScriptRunner.h"
#include "tests/support/ProcessFiles.h"

#include <QElapsedTimer>

#include <QTemporaryDir>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

// Whether the process runs (a zombie that nobody has reaped yet counts as ended).
bool running(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray line = stat.readAll();
  const qsizetype close = line.lastIndexOf(')');
  return close > 0 && close + 2 < line.size() && line[close + 2] != 'Z';
}

qint64 readPid(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

class Scripts : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  QByteArray pathBytes(const QString& name) const { return path(name).toUtf8(); }
  QTemporaryDir dir;
};

TEST_F(Scripts, TheScriptGetsExactlyHandlerKeyAndParameter) {
  ASSERT_TRUE(writeFile(path("script"),
                        "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + pathBytes("args") + "'\n",
                        true));
  ProcessScriptRunner runner;
  runner.run(path("script"), QStringLiteral("handlemediakey"), QStringLiteral("Play"),
             QStringLiteral("QuickTime Player"));
  // The runner waits: the file is there as soon as it returns.
  EXPECT_EQ(waitForLines(path("args"), 0),
            QStringList({"3", "handlemediakey", "Play", "QuickTime Player"}));
  runner.run(path("script"), QStringLiteral("handlemediakey"), QStringLiteral("MakeLoginItem"),
             QString());
  EXPECT_EQ(waitForLines(path("args"), 0),
            QStringList({"3", "handlemediakey", "MakeLoginItem", ""}));
}

TEST_F(Scripts, TheScriptLearnsTheFrontApplicationAndItsComboLinesAreTyped) {
  ASSERT_TRUE(writeFile(
      path("script"),
      "#!/bin/sh\nprintf '%s\\n' \"$HALVANE_FRONT_DESKTOP_ID\" \"$HALVANE_FRONT_EXECUTABLE\" > '" +
          pathBytes("front") +
          "'\necho combo 69 4096\necho 'combo  15   512 '\necho combo 300000 0\necho combo x 0\n"
          "echo combo 1\necho hello\necho combo -1 0\necho combo 18 0\n",
      true));
  const struct {
    std::optional<QString> frontPath;
    QStringList environment;
  } fronts[] = {
      {QStringLiteral("/usr/share/applications/org.gnome.eog.desktop"), {"org.gnome.eog", ""}},
      {QStringLiteral("/usr/bin/gimp-2.10"), {"", "/usr/bin/gimp-2.10"}},
      {std::nullopt, {"", ""}},
  };
  for (const auto& front : fronts) {
    ProcessScriptRunner runner(ProcessScriptRunner::kDefaultTimeoutMs,
                               [&] { return ScriptFrontApplication::fromPath(front.frontPath); });
    std::vector<std::pair<int, int>> typed;
    runner.setKeyCombinationHandler(
        [&](int key, int modifiers) { typed.emplace_back(key, modifiers); });
    runner.run(path("script"), QStringLiteral("handlemediakey"), QStringLiteral("ZoomIn"),
               QStringLiteral("Preview"));
    EXPECT_EQ(waitForLines(path("front"), 0), front.environment);
    // Malformed lines and key codes beyond 16 bits are not requests.
    EXPECT_EQ(typed, (std::vector<std::pair<int, int>>{{69, 4096}, {15, 512}, {18, 0}}));
  }
}

TEST_F(Scripts, AStuckScriptTypesAFewCombinationsAtMost) {
  ASSERT_TRUE(writeFile(
      path("loop"), "#!/bin/sh\ni=0\nwhile [ $i -lt 100 ]; do echo combo 0 0; i=$((i+1)); done\n",
      true));
  ProcessScriptRunner runner;
  int typed = 0;
  runner.setKeyCombinationHandler([&](int, int) { ++typed; });
  runner.run(path("loop"), QStringLiteral("handlemediakey"), QStringLiteral("Home"), QString());
  EXPECT_EQ(typed, 8);
}

TEST_F(Scripts, AHangingScriptIsStoppedWithWhatItStarted) {
  ASSERT_TRUE(writeFile(path("hang"),
                        "#!/bin/sh\necho $$ > '" + pathBytes("script.pid") +
                            "'\nsleep 600 &\necho $! > '" + pathBytes("child.pid") + "'\nwait\n",
                        true));
  ProcessScriptRunner runner(200);
  QElapsedTimer clock;
  clock.start();
  runner.run(path("hang"), QStringLiteral("handlemediakey"), QStringLiteral("Play"), QString());
  EXPECT_LT(clock.elapsed(), 10000) << "the runner waited for the script to end by itself";
  const qint64 script = readPid(path("script.pid"));
  const qint64 child = readPid(path("child.pid"));
  ASSERT_GT(script, 0);
  ASSERT_GT(child, 0);
  EXPECT_FALSE(running(script));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !running(child); }, 2000));
}

TEST_F(Scripts, AScriptThatIgnoresTerminationIsKilled) {
  ASSERT_TRUE(writeFile(path("stubborn"),
                        "#!/bin/sh\ntrap '' TERM\necho $$ > '" + pathBytes("script.pid") +
                            "'\nwhile :; do sleep 1; done\n",
                        true));
  ProcessScriptRunner runner(200);
  runner.run(path("stubborn"), QStringLiteral("handlemediakey"), QStringLiteral("Play"), QString());
  const qint64 script = readPid(path("script.pid"));
  ASSERT_GT(script, 0);
  EXPECT_FALSE(running(script));
}

TEST_F(Scripts, AScriptThatCannotBeRunIsLeftAlone) {
  ASSERT_TRUE(writeFile(path("not-executable"), "#!/bin/sh\ntouch '" + pathBytes("ran") + "'\n"));
  ProcessScriptRunner runner(200);
  runner.run(path("missing"), QStringLiteral("handlemediakey"), QStringLiteral("Play"), QString());
  runner.run(path("not-executable"), QStringLiteral("handlemediakey"), QStringLiteral("Play"),
             QString());
  runner.run(QString(), QStringLiteral("handlemediakey"), QStringLiteral("Play"), QString());
  EXPECT_FALSE(QFile::exists(path("ran")));
}

}  // namespace
}  // namespace halvane::test

// halvanectl's commands in-process, against a fake helper and fake notifications, and its
// argument checking.
#include "platform/desktop/notification/FakeDistributedNotificationCenter.h"
#include "platform/system/control/FakeDiagnosticsClient.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/control/FakeRemoteProxy.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsBackups.h"
#include "tests/shared/settings/TransferTestSupport.h"
#include "tools/halvanectl/Halvanectl.h"

#include <gtest/gtest.h>

namespace halvane::ctl {
namespace {

using Kind = CtlCommand::Kind;

TEST(CtlArguments, CommandLines) {
  struct Case {
    QStringList args;
    std::optional<CtlCommand> expected;
    QString error;
  };
  const std::vector<Case> cases = {
      {{"profile"}, CtlCommand{Kind::ShowProfile, 0, {}}, {}},
      {{"profile", "1"}, CtlCommand{Kind::SetProfile, 1, {}}, {}},
      {{"profile", "10"}, CtlCommand{Kind::SetProfile, 10, {}}, {}},
      {{"reload"}, CtlCommand{Kind::Reload, 0, {}}, {}},
      {{"watch"}, CtlCommand{Kind::Watch, 0, {}}, {}},
      {{"check"}, CtlCommand{Kind::Check, 0, {}}, {}},
      {{"check", "a b.plist"}, CtlCommand{Kind::Check, 0, "a b.plist"}, {}},
      {{"export", "3", "p.plist"}, CtlCommand{Kind::Export, 3, "p.plist"}, {}},
      {{"import", "7", "-"}, CtlCommand{Kind::Import, 7, "-"}, {}},
      {{"--help"}, CtlCommand{Kind::Help, 0, {}}, {}},
      {{"import", "7", "-h"}, CtlCommand{Kind::Help, 0, {}}, {}},
      {{"help"}, CtlCommand{Kind::Help, 0, {}}, {}},
      {{}, std::nullopt, "no command given"},
      {{"profiles"}, std::nullopt, "unknown command \"profiles\""},
      {{"profile", "0"}, std::nullopt, "\"0\" is not a profile number (1 to 10)"},
      {{"profile", "11"}, std::nullopt, "\"11\" is not a profile number (1 to 10)"},
      {{"profile", "+3"}, std::nullopt, "\"+3\" is not a profile number (1 to 10)"},
      {{"profile", "3x"}, std::nullopt, "\"3x\" is not a profile number (1 to 10)"},
      {{"profile", "99999999999"},
       std::nullopt,
       "\"99999999999\" is not a profile number (1 to 10)"},
      {{"profile", "-1"}, std::nullopt, "unknown option \"-1\""},
      {{"profile", "1", "2"},
       std::nullopt,
       "wrong number of arguments for profile (usage: halvanectl profile [N])"},
      {{"reload", "now"},
       std::nullopt,
       "wrong number of arguments for reload (usage: halvanectl reload)"},
      {{"check", "a", "b"},
       std::nullopt,
       "wrong number of arguments for check (usage: halvanectl check [FILE])"},
      {{"export", "3"},
       std::nullopt,
       "wrong number of arguments for export (usage: halvanectl export N FILE)"},
      {{"import", "three", "p.plist"}, std::nullopt, "\"three\" is not a profile number (1 to 10)"},
      {{"export", "3", ""}, std::nullopt, "the file name is empty"},
      {{"watch", "--verbose"}, std::nullopt, "unknown option \"--verbose\""},
      {{"backups"}, CtlCommand{Kind::Backups, 0, {}}, {}},
      {{"restore", "3"}, CtlCommand{Kind::Restore, 3, {}}, {}},
      {{"restore", "12"}, CtlCommand{Kind::Restore, 12, {}}, {}},
      {{"backups", "all"},
       std::nullopt,
       "wrong number of arguments for backups (usage: halvanectl backups)"},
      {{"restore"},
       std::nullopt,
       "wrong number of arguments for restore (usage: halvanectl restore N)"},
      {{"restore", "0"},
       std::nullopt,
       "\"0\" is not a backup number (as \"halvanectl backups\" lists them)"},
      {{"restore", "1x"},
       std::nullopt,
       "\"1x\" is not a backup number (as \"halvanectl backups\" lists them)"},
  };
  for (const Case& c : cases) {
    const ParsedArguments parsed = parseArguments(c.args);
    const QString line = c.args.join(u' ');
    EXPECT_EQ(parsed.error, c.error) << qPrintable(line);
    ASSERT_EQ(parsed.command.has_value(), c.expected.has_value()) << qPrintable(line);
    if (!c.expected) continue;
    EXPECT_EQ(parsed.command->kind, c.expected->kind) << qPrintable(line);
    EXPECT_EQ(parsed.command->number, c.expected->number) << qPrintable(line);
    EXPECT_EQ(parsed.command->file, c.expected->file) << qPrintable(line);
  }
}

class HalvanectlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(settings::write(test::customisedSettings(), settingsPath()));
  }
  QString settingsPath() const { return dir.filePath(QStringLiteral("settings.plist")); }

  // Runs one command line; helperRunning false: no helper on the bus. The command object stays
  // until the next run, as a watch needs it to.
  int run(const QStringList& args) {
    ctl.reset();
    out.clear();
    err.clear();
    outStream = std::make_unique<QTextStream>(&out);
    errStream = std::make_unique<QTextStream>(&err);
    CtlEnvironment env;
    env.settingsPath = settingsPath();
    env.defaultsPath = test::defaultsFile();
    env.connectHelper = [this](QString* why) -> std::unique_ptr<RemoteProxy> {
      if (!helperRunning) {
        *why = QStringLiteral("the Halvane helper is not running");
        return nullptr;
      }
      auto proxy = std::make_unique<FakeRemoteProxy>(server);
      proxy->reachable = helperAnswers;
      return proxy;
    };
    env.notificationCenter = [this](QString*) { return &center; };
    env.connectDiagnostics = [this](QString*) {
      auto client = std::make_unique<FakeDiagnosticsClient>();
      client->load = settingsLoad;
      return client;
    };
    ctl = std::make_unique<Halvanectl>(env, *outStream, *errStream);
    const ParsedArguments parsed = parseArguments(args);
    const int status = parsed.command ? ctl->run(*parsed.command) : ctl->refuse(parsed.error);
    outStream->flush();
    errStream->flush();
    return status;
  }

  QTemporaryDir dir;
  FakeKeyboardServer server;
  FakeDistributedNotificationCenter center;
  bool helperRunning = true;
  bool helperAnswers = true;
  std::optional<DiagnosticsClient::Report> settingsLoad;  // what the helper's reading said
  QString out, err;
  std::unique_ptr<QTextStream> outStream, errStream;
  std::unique_ptr<Halvanectl> ctl;
};

// The commands as a process, with and without a helper: HalvanectlProcessTest.
TEST_F(HalvanectlTest, ProfilesTheSettingsDoNotHoldShowAsNumbers) {
  // Any process may serve the name and answer with any index.
  server.currentProfile = 12;
  EXPECT_EQ(run({"profile"}), 0);
  EXPECT_EQ(out, "13\n");
  ASSERT_TRUE(QFile::remove(settingsPath()));
  server.currentProfile = 0;
  EXPECT_EQ(run({"profile"}), 0);
  EXPECT_EQ(out, "1\n");
}

TEST_F(HalvanectlTest, AHelperThatDoesNotAnswerFailsWithStatus2) {
  helperAnswers = false;
  for (const QStringList& args : {QStringList{"profile"}, {"profile", "4"}, {"reload"}}) {
    EXPECT_EQ(run(args), 2) << qPrintable(args.join(u' '));
    EXPECT_EQ(err, "halvanectl: the Halvane helper did not answer\n");
    EXPECT_EQ(out, "");
  }
  EXPECT_TRUE(server.calls.isEmpty());
}

TEST_F(HalvanectlTest, WatchPrintsOnlyProfileChangesOfThePane) {
  EXPECT_EQ(run({"watch"}), Halvanectl::kKeepRunning);
  const QString pane = QString::fromLatin1(control::kPaneNotificationIdentifier);
  const QString changed = QString::fromLatin1(control::kProfileChanged);
  center.postNotification(changed, pane, control::profileChangedUserInfo(3));
  center.postNotification(QStringLiteral("Other"), pane, control::profileChangedUserInfo(1));
  center.postNotification(changed, QStringLiteral("com.example"),
                          control::profileChangedUserInfo(1));
  center.postNotification(changed, pane, {});
  center.postNotification(changed, pane, control::profileChangedUserInfo(0));
  EXPECT_EQ(out, "4 - Games\n1 - Profile 1\n");
}

TEST_F(HalvanectlTest, CheckExitStatusFollowsErrorsNotWarnings) {
  EXPECT_EQ(run({"check"}), 0);
  EXPECT_EQ(out, settingsPath() + ": no problems\n");

  PlistValue tree = test::customisedSettings();
  tree.remove(QStringLiteral("ShowChangesOnScreen"));
  ASSERT_TRUE(settings::write(tree, settingsPath()));
  EXPECT_EQ(run({"check"}), 0);
  EXPECT_EQ(out, "warning: ShowChangesOnScreen: missing (reads as false)\n" + settingsPath() +
                     ": 0 errors, 1 warning\n");

  tree["Profiles"].at(3)["MacroKeys"].at(7)["KeyCombo"].set(QStringLiteral("delay2"), 9000);
  tree.set(QStringLiteral("CurrentProfile"), 12);
  const QString other = dir.filePath(QStringLiteral("other.plist"));
  ASSERT_TRUE(settings::write(tree, other));
  EXPECT_EQ(run({"check", other}), 1);
  EXPECT_EQ(out,
            "error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350\n"
            "error: CurrentProfile: 12 is outside 0-9\n"
            "warning: ShowChangesOnScreen: missing (reads as false)\n" +
                other + ": 2 errors, 1 warning\n");

  ASSERT_TRUE(test::writeBytes(other, "garbage"));
  EXPECT_EQ(run({"check", other}), 2);
  EXPECT_EQ(err, "halvanectl: cannot read " + other +
                     ": not a property list (XML error at line 1, column 7: no document element "
                     "found)\n");
  ASSERT_TRUE(test::writeBytes(other, toXmlPlist(PlistValue::array())));
  EXPECT_EQ(run({"check", other}), 2);
  EXPECT_EQ(run({"check", dir.filePath("none.plist")}), 2);
  EXPECT_EQ(run({"check", dir.path()}), 2);
}

// Macro steps of every kind: check reads them, export and import carry them unchanged, a backup
// keeps them, and broken ones are reported with their paths.
TEST_F(HalvanectlTest, StepsOfEveryKindAreCheckedAndCarried) {
  const PlistValue tree = test::settingsWithEveryStepKind();
  ASSERT_TRUE(settings::write(tree, settingsPath()));
  EXPECT_EQ(run({"check"}), 0);
  EXPECT_EQ(out, settingsPath() + ": no problems\n");

  const QString file = dir.filePath(QStringLiteral("steps.plist"));
  EXPECT_EQ(run({"export", "4", file}), 0) << qPrintable(err);
  EXPECT_EQ(run({"import", "9", file}), 0) << qPrintable(err);
  EXPECT_EQ(settings::read(settingsPath())["Profiles"].at(8), tree["Profiles"].at(3));
  EXPECT_EQ(run({"check"}), 0);
  EXPECT_EQ(out, settingsPath() + ": no problems\n");
  // The import kept the file as it was before, the new entries included.
  EXPECT_EQ(run({"restore", "1"}), 0) << qPrintable(err);
  EXPECT_EQ(settings::read(settingsPath()), tree);

  PlistValue broken = tree.deepCopy();
  PlistValue typing = broken["Profiles"].at(3)["MacroKeys"].at(1)["KeyCombo"];
  typing.set(QStringLiteral("text1"), QString());
  typing.set(QStringLiteral("stepKind2"), QStringLiteral("Scroll"));
  PlistValue dragging = broken["Profiles"].at(3)["MacroKeys"].at(2)["KeyCombo"];
  dragging.set(QStringLiteral("text0"), QStringLiteral("left over"));
  dragging.set(QStringLiteral("notches1"), 40);
  ASSERT_TRUE(settings::write(broken, settingsPath()));
  const QString combo = QStringLiteral("Profiles[3].MacroKeys[%1].KeyCombo.");
  EXPECT_EQ(run({"check"}), 1);
  EXPECT_EQ(out, "error: " + combo.arg(1) +
                     "text1: empty (the step types nothing)\n"
                     "error: " +
                     combo.arg(1) +
                     "stepKind2: \"Scroll\" is not a step kind (an older reader and this one skip "
                     "the step; the kinds are \"Key\", \"Text\", \"MouseButton\" and \"Wheel\")\n"
                     "warning: " +
                     combo.arg(2) +
                     "text0: not used by a \"MouseButton\" step (ignored)\n"
                     "error: " +
                     combo.arg(2) + "notches1: 40 is outside 1-20\n" + settingsPath() +
                     ": 3 errors, 1 warning\n");
  EXPECT_EQ(run({"export", "4", file}), 1);
  EXPECT_EQ(settings::read(file)["Profile"], tree["Profiles"].at(3))
      << "the export stays as it was";
}

TEST_F(HalvanectlTest, ImportAsksARunningHelperToReload) {
  const QString file = dir.filePath(QStringLiteral("games.plist"));
  EXPECT_EQ(run({"export", "4", file}), 0);
  EXPECT_EQ(out, "Exported profile 4 - Games to " + file + "\n");

  EXPECT_EQ(run({"import", "2", file}), 0);
  EXPECT_EQ(out, "Imported " + file +
                     " as profile 2 - Games\n"
                     "Note: R2 launches /usr/bin/xterm\n"
                     "The Halvane helper has reloaded its settings.\n");
  EXPECT_EQ(server.calls, QStringList{"reloadPrefs"});

  helperRunning = false;
  EXPECT_EQ(run({"import", "3", file}), 0);
  EXPECT_TRUE(
      out.endsWith("The Halvane helper is not running; it reads the new profile when it "
                   "starts.\n"))
      << qPrintable(out);

  // Written, but the helper would put its old settings back: the user must hear of it.
  helperRunning = true;
  helperAnswers = false;
  EXPECT_EQ(run({"import", "5", file}), 2);
  EXPECT_TRUE(err.contains("did not answer the reload request")) << qPrintable(err);
  EXPECT_EQ(settings::read(settingsPath())["Profiles"].at(4)["Name"].toString(), "Games");
}

TEST_F(HalvanectlTest, BackupsAreListedNewestFirstAndRestoredWithAReload) {
  EXPECT_EQ(run({"backups"}), 0);
  EXPECT_EQ(out, "No backups of " + settingsPath() + " yet.\n");
  EXPECT_EQ(run({"restore", "1"}), 2);
  EXPECT_EQ(err,
            "halvanectl: there are no backups of " + settingsPath() + "; nothing was changed\n");

  // Three versions after the first: the file now holds profile 4 named "v3".
  const QByteArray first = test::fileBytes(settingsPath());
  PlistValue tree = test::customisedSettings();
  for (const char* name : {"v1", "v2", "v3"}) {
    tree["Profiles"].at(3).set(QStringLiteral("Name"), QString::fromLatin1(name));
    ASSERT_TRUE(settings::write(tree, settingsPath()));
  }
  EXPECT_EQ(run({"backups"}), 0);
  const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4) << qPrintable(out);
  EXPECT_EQ(lines[0], "Backups of " + settingsPath() + ", newest first:");
  const QList<settings::Backup> backups = settings::listBackups(settingsPath());
  for (int i = 0; i < 3; ++i) {
    const QString time = backups[i].time.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
    EXPECT_EQ(lines[i + 1],
              QStringLiteral("%1  %2  %3 bytes").arg(i + 1, 2).arg(time).arg(backups[i].size));
  }

  EXPECT_EQ(run({"restore", "3"}), 0);
  EXPECT_EQ(test::fileBytes(settingsPath()), first);
  EXPECT_TRUE(out.startsWith("Restored the settings as they were until ")) << qPrintable(out);
  EXPECT_TRUE(out.endsWith(" (backup 3).\nThe Halvane helper has reloaded its settings.\n"))
      << qPrintable(out);
  EXPECT_EQ(server.calls, QStringList{"reloadPrefs"});

  // The restore itself can be undone: what it replaced is the newest backup.
  helperRunning = false;
  EXPECT_EQ(run({"restore", "1"}), 0);
  EXPECT_EQ(settings::read(settingsPath())["Profiles"].at(3)["Name"].toString(), "v3");
  EXPECT_TRUE(
      out.endsWith("The Halvane helper is not running; it reads the new settings when it "
                   "starts.\n"))
      << qPrintable(out);

  helperRunning = true;
  helperAnswers = false;
  EXPECT_EQ(run({"restore", "2"}), 2);
  EXPECT_TRUE(err.contains("the backup was restored, but the Halvane helper did not answer"))
      << qPrintable(err);

  server.calls.clear();
  helperAnswers = true;
  const QByteArray before = test::fileBytes(settingsPath());
  EXPECT_EQ(run({"restore", "99"}), 2);
  EXPECT_TRUE(err.startsWith("halvanectl: there is no backup 99 (1 to ")) << qPrintable(err);
  EXPECT_EQ(test::fileBytes(settingsPath()), before);
  EXPECT_TRUE(server.calls.isEmpty()) << "no reload when nothing was restored";
}

// After the file changed, what the helper's own reading had to say is the answer the user needs.
TEST_F(HalvanectlTest, ChangesPassOnWhatTheHelperFoundWhenItReloaded) {
  const QString file = dir.filePath(QStringLiteral("games.plist"));
  ASSERT_EQ(run({"export", "4", file}), 0);
  PlistValue tree = test::customisedSettings();
  tree["Profiles"].at(3).set(QStringLiteral("Name"), QStringLiteral("newer"));
  ASSERT_TRUE(settings::write(tree, settingsPath()));  // leaves a backup to restore

  struct Case {
    QStringList args;
    QString what;
  };
  const std::vector<Case> cases = {
      {{"reload"}, "the Halvane helper reloaded its settings"},
      {{"import", "2", file}, "the profile was imported"},
      {{"restore", "1"}, "the backup was restored"},
  };
  for (const Case& c : cases) {
    const QString line = c.args.join(u' ');
    settingsLoad = DiagnosticsClient::Report{{"loads", "2"}, {"path", settingsPath()}};
    EXPECT_EQ(run(c.args), 0) << qPrintable(line);
    EXPECT_EQ(err, "") << qPrintable(line);

    settingsLoad->insert("problems", "the file was set aside as x.plist.bad\ndefaults used\x1b");
    EXPECT_EQ(run(c.args), 1) << qPrintable(line);
    EXPECT_EQ(err, "halvanectl: " + c.what +
                       ", but:\n  the file was set aside as x.plist.bad\n  defaults used\\e\n")
        << qPrintable(line);
  }
}

TEST_F(HalvanectlTest, RefusedImportAndExportChangeNothing) {
  PlistValue doc = settings::profileDocument(test::customisedSettings()["Profiles"].at(3));
  doc["Profile"].set(QStringLiteral("MediaPlayer"), QStringLiteral("Winamp"));
  const QString file = dir.filePath(QStringLiteral("bad.plist"));
  ASSERT_TRUE(settings::write(doc, file));
  const QByteArray before = test::fileBytes(settingsPath());

  EXPECT_EQ(run({"import", "1", file}), 1);
  EXPECT_EQ(out,
            "error: Profile.MediaPlayer: \"Winamp\" is not one of \"iTunes\", \"QuickTime "
            "Player\", \"VLC\" or \"RealPlayer\"\n");
  EXPECT_EQ(err, "halvanectl: " + file + " has errors; nothing was changed\n");
  EXPECT_EQ(run({"import", "1", dir.filePath("missing.plist")}), 2);
  EXPECT_TRUE(err.endsWith("nothing was changed\n")) << qPrintable(err);
  EXPECT_EQ(test::fileBytes(settingsPath()), before);
  EXPECT_TRUE(server.calls.isEmpty()) << "no reload after a refused import";

  EXPECT_EQ(run({"export", "4", settingsPath()}), 2);
  EXPECT_EQ(test::fileBytes(settingsPath()), before);
}

}  // namespace
}  // namespace halvane::ctl

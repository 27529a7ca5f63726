// The default "Halvane" script: the autostart entry, the keys it ignores, and the media keys
// against fake MPRIS players on a private bus.
#include "platform/desktop/appidentity/DesktopEntry.h"
#include "shared/ApplicationNames.h"
#include "tests/support/FakeMprisPlayer.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/ProcessFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class HalvaneScript : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
    // A bundle in a folder whose name needs quoting in a .desktop file.
    contents = dir.filePath(QStringLiteral("Apps \"odd\" $x 100%/HalvaneHelper.app/Contents"));
    ASSERT_TRUE(QDir().mkpath(contents + QStringLiteral("/Resources")));
    ASSERT_TRUE(QDir().mkpath(home()));
    script = contents + QStringLiteral("/Resources/Halvane");
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(HALVANE_SOURCE_DIR "/helper/resources/Halvane"), script));
    ASSERT_TRUE(QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner));
    ASSERT_TRUE(QFile::copy(kTable, contents + QStringLiteral("/Resources/ApplicationNames.tsv")));
  }

  static inline const QString kTable =
      QStringLiteral(HALVANE_SOURCE_DIR "/shared/ApplicationNames.tsv");

  QString home() const { return dir.filePath(QStringLiteral("home")); }
  QString autostartEntry() const {
    return home() + QStringLiteral("/.config/autostart/halvane-helper.desktop");
  }

  // Runs `Halvane <handler> <key> <param>` while the event loop serves the fake players; the
  // exit code, or -1 when it did not end.
  int run(const QString& key, const QString& param = {},
          const QString& handler = QStringLiteral("handlemediakey")) {
    QProcess process;
    QProcessEnvironment env = bus.environment();
    env.insert(QStringLiteral("HOME"), home());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    for (auto it = extraEnv.cbegin(); it != extraEnv.cend(); ++it) env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.start(script, {handler, key, param});
    if (!process.waitForStarted()) return -1;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000)) return -1;
    output = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  std::unique_ptr<FakeMprisPlayer> player(const QString& id,
                                          const QString& status = QStringLiteral("Stopped")) {
    auto fake = std::make_unique<FakeMprisPlayer>(status);
    EXPECT_TRUE(fake->serve(bus.connect(QStringLiteral("player-") + id), id)) << id.toStdString();
    return fake;
  }

  QTemporaryDir dir;
  PrivateBus bus;
  QString contents, script;
  QMap<QString, QString> extraEnv;
  QStringList output;  // of the last run
};

TEST_F(HalvaneScript, MakeLoginItemWritesTheAutostartEntryOnce) {
  ASSERT_EQ(run(QStringLiteral("MakeLoginItem")), 0);
  const std::optional<DesktopEntry> entry = DesktopEntry::read(autostartEntry());
  ASSERT_TRUE(entry) << "no entry at " << autostartEntry().toStdString();
  const QString helper = contents + QStringLiteral("/MacOS/HalvaneHelper");
  EXPECT_EQ(entry->value(QStringLiteral("Type")), QStringLiteral("Application"));
  const QStringList exec = entry->execArguments(autostartEntry()).value_or(QStringList());
  ASSERT_EQ(exec.size(), 4) << exec.join(u' ').toStdString();
  EXPECT_EQ(exec.first(), QStringLiteral("sh"));
  EXPECT_EQ(exec.last(), helper);  // the odd folder name survives the entry's quoting
  EXPECT_EQ(entry->value(QStringLiteral("TryExec")), helper);

  // The entry starts the helper unless the systemd user unit is enabled (which starts it too).
  const QString fakeBin = dir.filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir().mkpath(fakeBin));
  const QString started = dir.filePath(QStringLiteral("started"));
  const QString fakeHelper = dir.filePath(QStringLiteral("fake-helper"));
  ASSERT_TRUE(writeFile(fakeHelper, "#!/bin/sh\n: > '" + started.toUtf8() + "'\n", true));
  const struct {
    const char* systemctl;  // the fake's body, or nullptr for no systemctl at all
    bool startsHelper;
  } cases[] = {{"exit 0", false}, {"exit 1", true}, {nullptr, true}};
  for (const auto& c : cases) {
    QFile::remove(started);
    QFile::remove(fakeBin + QStringLiteral("/systemctl"));
    if (c.systemctl) {
      ASSERT_TRUE(writeFile(fakeBin + QStringLiteral("/systemctl"),
                            QByteArray("#!/bin/sh\n") + c.systemctl + "\n", true));
    }
    QProcess login;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), fakeBin);
    login.setProcessEnvironment(env);
    login.start(QStringLiteral("/bin/sh"), {exec.at(1), exec.at(2), fakeHelper});
    ASSERT_TRUE(login.waitForFinished(5000));
    EXPECT_EQ(QFile::exists(started), c.startsHelper)
        << (c.systemctl ? c.systemctl : "no systemctl");
  }

  // The user's own entry (here one that turns the helper off) is kept.
  const QByteArray users = "[Desktop Entry]\nType=Application\nExec=x\nHidden=true\n";
  ASSERT_TRUE(writeFile(autostartEntry(), users));
  ASSERT_EQ(run(QStringLiteral("MakeLoginItem")), 0);
  QFile file(autostartEntry());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), users);
  EXPECT_EQ(QDir(QFileInfo(autostartEntry()).path()).entryList(QDir::Files),
            QStringList{"halvane-helper.desktop"});
}

TEST_F(HalvaneScript, MakeLoginItemFollowsXdgConfigHome) {
  const QString config = dir.filePath(QStringLiteral("config"));
  extraEnv.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
  ASSERT_EQ(run(QStringLiteral("MakeLoginItem")), 0);
  EXPECT_TRUE(QFile::exists(config + QStringLiteral("/autostart/halvane-helper.desktop")));
  EXPECT_FALSE(QFile::exists(autostartEntry()));
}

TEST_F(HalvaneScript, OtherKeysAndHandlersDoNothingAndSucceed) {
  auto fake = player(QStringLiteral("test"), QStringLiteral("Playing"));
  const struct {
    const char* handler;
    const char* key;
    const char* param;
  } cases[] = {{"handlemediakey", "Bogus", "iTunes"},   {"handlemediakey", "", ""},
               {"otherhandler", "MakeLoginItem", ""},   {"otherhandler", "Play", ""},
               {"handlemediakey", "ZoomIn", "Preview"}, {"handlemediakey", "Home", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(
        run(QString::fromUtf8(c.key), QString::fromUtf8(c.param), QString::fromUtf8(c.handler)), 0)
        << c.handler << " " << c.key;
  EXPECT_EQ(fake->calls, QStringList{});
  EXPECT_EQ(QDir(home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{});
}

TEST_F(HalvaneScript, MediaKeysWithoutAnyPlayerDoNothingAndSucceed) {
  for (const char* key : {"Play", "Stop", "Next", "Previous", "Shuffle", "MediaPlayer"})
    EXPECT_EQ(run(QString::fromUtf8(key), QStringLiteral("RealPlayer")), 0) << key;
}

TEST_F(HalvaneScript, MediaKeysDriveTheActivePlayer) {
  auto fake = player(QStringLiteral("test"));
  for (const char* key : {"Play", "Next", "Previous", "Stop", "Shuffle", "Shuffle", "MediaPlayer"})
    ASSERT_EQ(run(QString::fromUtf8(key)), 0) << key;
  EXPECT_EQ(fake->calls, QStringList({"PlayPause", "Next", "Previous", "Stop", "Shuffle=true",
                                      "Shuffle=false", "Raise"}));
}

TEST_F(HalvaneScript, TheChosenPlayerComesFirstThenThePlayingOne) {
  auto vlc = player(QStringLiteral("vlc"), QStringLiteral("Paused"));
  auto rhythmbox = player(QStringLiteral("rhythmbox.instance42"));
  auto playing = player(QStringLiteral("test"), QStringLiteral("Playing"));
  ASSERT_EQ(run(QStringLiteral("Play"), QStringLiteral("VLC")), 0);
  ASSERT_EQ(run(QStringLiteral("Next"), QStringLiteral("iTunes")), 0);
  ASSERT_EQ(run(QStringLiteral("Stop"), QStringLiteral("QuickTime Player")),
            0);  // totem is not running
  ASSERT_EQ(run(QStringLiteral("MediaPlayer"), QStringLiteral("VLC")), 0);
  EXPECT_EQ(vlc->calls, QStringList({"PlayPause", "Raise"}));
  EXPECT_EQ(rhythmbox->calls, QStringList{"Next"});
  EXPECT_EQ(playing->calls, QStringList{"Stop"});
}

TEST_F(HalvaneScript, ImagingKeysAskForTheShortcutOfTheImageApplicationInFront) {
  const struct {
    const char* desktopId;
    const char* executable;
    const char* key;
    const char* param;
    const char* combo;  // nullptr: nothing typed
  } cases[] = {
      {"org.gnome.eog", "", "ZoomIn", "Preview", "combo 69 4096"},
      {"", "/usr/bin/eog", "Rotate", "Preview", "combo 15 4096"},
      {"org.gnome.Evince", "/usr/bin/evince", "ZoomOut", "Adobe Reader", "combo 78 4096"},
      {"", "/usr/bin/gimp-2.10", "Home", "", "combo 38 4608"},  // Home: whichever is in front
      {"org.inkscape.Inkscape", "", "100", "Illustrator", "combo 18 0"},
      {"org.gnome.gThumb", "", "Rotate", "ACDSee", "combo 30 0"},
      {"", "/usr/bin/evince", "Home", "Preview", "combo 115 4096"},
      // Another image program than the chosen one, no image program, no front application.
      {"org.gnome.eog", "/usr/bin/eog", "ZoomIn", "PhotoShop", nullptr},
      {"org.mozilla.firefox", "/usr/lib/firefox/firefox", "ZoomIn", "Preview", nullptr},
      {"", "", "Home", "", nullptr},
      {"org.gnome.gThumb", "", "Bogus", "ACDSee", nullptr},
      // The shortcut table has no Rotate for GIMP.
      {"org.gimp.GIMP", "", "Rotate", "PhotoShop", nullptr},
  };
  for (const auto& c : cases) {
    extraEnv.insert(QStringLiteral("HALVANE_FRONT_DESKTOP_ID"), QString::fromUtf8(c.desktopId));
    extraEnv.insert(QStringLiteral("HALVANE_FRONT_EXECUTABLE"), QString::fromUtf8(c.executable));
    ASSERT_EQ(run(QString::fromUtf8(c.key), QString::fromUtf8(c.param)), 0) << c.key;
    EXPECT_EQ(output, c.combo ? QStringList{QString::fromUtf8(c.combo)} : QStringList())
        << c.desktopId << " " << c.executable << " " << c.key << " " << c.param;
  }
}

// The script drives what the table says each stored value stands for: the player by its MPRIS
// name (not the one playing), the image application by each desktop ID and by its executable.
TEST_F(HalvaneScript, DrivesTheApplicationsOfTheTable) {
  const ApplicationNames table = ApplicationNames::read(kTable);
  ASSERT_EQ(table.entries().size(), 9u);
  auto playing = player(QStringLiteral("test"), QStringLiteral("Playing"));
  std::vector<std::pair<const ApplicationName*, std::unique_ptr<FakeMprisPlayer>>> players;
  for (const ApplicationName& row : table.entries())
    if (row.kind == QLatin1String("media")) players.emplace_back(&row, player(row.busName));
  ASSERT_EQ(players.size(), 4u);
  for (const auto& [row, fake] : players) {
    ASSERT_EQ(run(QStringLiteral("Next"), row->storedValue), 0);
    EXPECT_EQ(fake->calls, QStringList{"Next"}) << row->storedValue.toStdString();
  }
  EXPECT_EQ(playing->calls, QStringList{});

  for (const ApplicationName& row : table.entries()) {
    if (row.kind != QLatin1String("imaging")) continue;
    std::vector<std::pair<QString, QString>> fronts;  // desktop ID, executable
    for (const QString& id : row.desktopIds) fronts.emplace_back(id, QString());
    fronts.emplace_back(QString(), QStringLiteral("/usr/bin/") + row.executable);
    for (const auto& [id, executable] : fronts) {
      extraEnv.insert(QStringLiteral("HALVANE_FRONT_DESKTOP_ID"), id);
      extraEnv.insert(QStringLiteral("HALVANE_FRONT_EXECUTABLE"), executable);
      ASSERT_EQ(run(QStringLiteral("ZoomIn"), row.storedValue), 0);
      ASSERT_EQ(output.size(), 1) << id.toStdString() << executable.toStdString();
      EXPECT_TRUE(output[0].startsWith(QLatin1String("combo 69 "))) << output[0].toStdString();
      // Chosen is another application of the table: the one in front is left alone.
      const QString other = row.storedValue == QLatin1String("Preview") ? QStringLiteral("ACDSee")
                                                                        : QStringLiteral("Preview");
      ASSERT_EQ(run(QStringLiteral("ZoomIn"), other), 0);
      EXPECT_EQ(output, QStringList{}) << id.toStdString() << executable.toStdString();
    }
  }
}

TEST_F(HalvaneScript, ProfileKeyOpensThePreferences) {
  const QString bin = dir.filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir().mkpath(bin));
  ASSERT_TRUE(writeFile(bin + QStringLiteral("/halvane-preferences"),
                        recorderScript(dir.filePath(QStringLiteral("opened"))), true));
  extraEnv.insert(QStringLiteral("PATH"), bin + u':' + qEnvironmentVariable("PATH"));
  ASSERT_EQ(run(QStringLiteral("ProfileKey")), 0);
  EXPECT_EQ(waitForLines(dir.filePath(QStringLiteral("opened"))), QStringList{});
}

TEST(HalvaneScriptInBundle, IsExecutable) {
  const QString built =
      QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/Resources/Halvane");
  if (!QFile::exists(built)) GTEST_SKIP() << "the helper bundle has not been built";
  EXPECT_TRUE(QFileInfo(built).isExecutable());
}

}  // namespace
}  // namespace halvane::test

// What the packages carry besides the programs: the AppStream file and desktop entry as
// software centres read them, the man pages as man renders them, the recipe's build
// dependencies, and halvanectl's shell completion in bash, zsh and fish.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral(HALVANE_SOURCE_DIR);
const QString kBinary = QStringLiteral(HALVANE_BINARY_DIR);

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

Outcome run(const QString& program, const QStringList& arguments, const QString& directory = {},
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (!directory.isEmpty()) process.setWorkingDirectory(directory);
  process.start(program, arguments);
  Outcome result;
  if (!process.waitForFinished(60000)) return result;
  result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = QString::fromUtf8(process.readAllStandardOutput());
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

QString readText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList sorted(QStringList list) {
  list.sort();
  return list;
}

TEST(PackageMetadata, AppStreamFileValidatesWithAndWithoutScreenshots) {
  // As built (no web folder for the pictures) and as a release names one.
  QTemporaryDir dir;
  const QString withScreenshots = dir.filePath(QStringLiteral("com.halvane.keyboard.metainfo.xml"));
  const Outcome make =
      run(QStringLiteral(CMAKE_COMMAND),
          {QStringLiteral("-DIN=") + kSource +
               QStringLiteral("/packaging/appstream/com.halvane.keyboard.metainfo.xml.in"),
           QStringLiteral("-DOUT=") + withScreenshots,
           QStringLiteral("-DCHANGELOG=") + kSource + QStringLiteral("/debian/changelog"),
           QStringLiteral("-DSCREENSHOTS=") + kSource + QStringLiteral("/packaging/screenshots"),
           QStringLiteral("-DSCREENSHOT_URL=https://screenshots.test/halvane"),
           QStringLiteral("-P"), kSource + QStringLiteral("/packaging/appstream/Metainfo.cmake")});
  ASSERT_EQ(make.status, 0) << qPrintable(make.err);
  const QString withPictures = readText(withScreenshots);
  EXPECT_EQ(withPictures.count(QStringLiteral("</screenshot>")), 3) << qPrintable(withPictures);
  EXPECT_EQ(withPictures.count(QStringLiteral("<screenshot type=\"default\">")), 1);
  for (const char* picture : {"pane.png", "pane-profiles.png", "editor.png"})
    EXPECT_TRUE(withPictures.contains(QStringLiteral("https://screenshots.test/halvane/") +
                                      QLatin1String(picture)))
        << picture;

  const QString built =
      kBinary + QStringLiteral("/share/metainfo/com.halvane.keyboard.metainfo.xml");
  const QString text = readText(built);
  EXPECT_TRUE(text.contains(QStringLiteral("<modalias>usb:v1209p4856*</modalias>")));
  EXPECT_TRUE(text.contains(QStringLiteral("<modalias>usb:v1209p4857*</modalias>")));
  EXPECT_TRUE(text.contains(
      QStringLiteral("<launchable type=\"desktop-id\">com.halvane.keyboard.desktop")));
  EXPECT_TRUE(text.contains(QStringLiteral("<release version=\"%1\" date=\"")
                                .arg(QStringLiteral(HALVANE_PROJECT_VERSION))))
      << qPrintable(text);
  for (const QString& file : {built, withScreenshots}) {
    const Outcome validate =
        run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             QStringLiteral("--explain"), file});
    EXPECT_EQ(validate.status, 0) << qPrintable(validate.out + validate.err);
    // Infos are allowed; warnings and errors are not.
    static const QRegularExpression problem(QStringLiteral("^[EW]: "),
                                            QRegularExpression::MultilineOption);
    EXPECT_FALSE(problem.match(validate.out).hasMatch()) << qPrintable(validate.out);
  }
}

TEST(PackageMetadata, EveryDesktopEntryValidatesAndMatchesTheAppStreamId) {
  const QStringList entries =
      QDir(kSource + QStringLiteral("/packaging")).entryList({QStringLiteral("*.desktop")});
  EXPECT_EQ(entries, QStringList{QStringLiteral("com.halvane.keyboard.desktop")});
  for (const QString& entry : entries) {
    const Outcome validate = run(QStringLiteral("desktop-file-validate"),
                                 {kSource + QStringLiteral("/packaging/") + entry});
    EXPECT_EQ(validate.status, 0) << qPrintable(entry + validate.out + validate.err);
    EXPECT_EQ(validate.out + validate.err, QString()) << qPrintable(entry);
  }
}

TEST(PackageMetadata, BuildDependenciesAreTheProjectsPackages) {
  QSet<QString> listed;
  for (const QString& list :
       QDir(kSource + QStringLiteral("/scripts/packages")).entryList({QStringLiteral("*.list")}))
    for (QString line :
         readText(kSource + QStringLiteral("/scripts/packages/") + list).split(u'\n')) {
      line = line.section(u'#', 0, 0);
      for (const QString& name : line.split(u' ', Qt::SkipEmptyParts)) listed.insert(name);
    }
  const QString control = readText(kSource + QStringLiteral("/debian/control"));
  const QRegularExpression field(QStringLiteral("^Build-Depends:((?:.|\\n )*)"),
                                 QRegularExpression::MultilineOption);
  const auto match = field.match(control);
  ASSERT_TRUE(match.hasMatch());
  QSet<QString> buildDepends;
  for (const QString& item : match.captured(1).split(u',', Qt::SkipEmptyParts)) {
    const QString name = item.trimmed().section(u' ', 0, 0);
    if (name.isEmpty() || name == QStringLiteral("debhelper-compat")) continue;
    buildDepends.insert(name);
    EXPECT_TRUE(listed.contains(name)) << qPrintable(name) << " is not in scripts/packages/";
  }
  // Every library the product is built against, the other way round.
  for (const QString& line :
       readText(kSource + QStringLiteral("/scripts/packages/product.list")).split(u'\n')) {
    for (const QString& name : line.section(u'#', 0, 0).split(u' ', Qt::SkipEmptyParts)) {
      if (name.endsWith(QStringLiteral("-dev"))) {
        EXPECT_TRUE(buildDepends.contains(name)) << qPrintable(name) << " is not in Build-Depends";
      }
    }
  }
}

TEST(ManPages, RenderWithoutWarnings) {
  const QStringList pages =
      QDir(kBinary + QStringLiteral("/man")).entryList({QStringLiteral("*.1")});
  EXPECT_EQ(sorted(pages),
            sorted({QStringLiteral("halvanectl.1"), QStringLiteral("halvane-helper.1"),
                    QStringLiteral("halvane-preferences.1"), QStringLiteral("halvane-vkbd.1")}));
  for (const QString& page : pages) {
    const Outcome groff = run(QStringLiteral("groff"),
                              {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"),
                               kBinary + QStringLiteral("/man/") + page});
    EXPECT_EQ(groff.status, 0) << qPrintable(page);
    EXPECT_EQ(groff.err, QString()) << qPrintable(page);
  }
}

TEST(ManPages, HalvanectlsPageNamesEveryCommandAndOptionOfItsHelp) {
  const Outcome help = run(kBinary + QStringLiteral("/bin/halvanectl"), {QStringLiteral("--help")});
  ASSERT_EQ(help.status, 0);
  const QString page = readText(kSource + QStringLiteral("/packaging/man/halvanectl.1.scd"));
  ASSERT_FALSE(page.isEmpty());
  // Commands start the help's lines after two spaces; options are every --word in it.
  QSet<QString> words;
  const QRegularExpression command(QStringLiteral("^  ([a-z-]+)"),
                                   QRegularExpression::MultilineOption);
  for (auto it = command.globalMatch(help.out); it.hasNext();) words.insert(it.next().captured(1));
  const QRegularExpression option(QStringLiteral("(--[a-z-]+)"));
  for (auto it = option.globalMatch(help.out); it.hasNext();) words.insert(it.next().captured(1));
  EXPECT_GE(words.size(), 14) << qPrintable(help.out);
  for (const QString& word : words)
    EXPECT_TRUE(page.contains(u'*' + word + u'*'))
        << qPrintable(word) << " is not in halvanectl(1)";
}

// A settings file whose profiles have names, and two backups of it, made by halvanectl itself.
class Completion : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_ = home_.filePath(QStringLiteral("config/com.halvane.keyboard.plist"));
    QDir().mkpath(QFileInfo(settings_).absolutePath());
    QString tree = readText(kSource + QStringLiteral("/shared/defaults.plist"));
    tree.replace(QStringLiteral("<string>Profile 4</string>"),
                 QStringLiteral("<string>Games &amp; more</string>"));
    QFile file(settings_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(tree.toUtf8());
    file.close();
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("HALVANE_SETTINGS"), settings_);
    environment_.insert(QStringLiteral("HOME"), home_.path());
    environment_.remove(QStringLiteral("XDG_CONFIG_HOME"));
    const QString profile = home_.filePath(QStringLiteral("profile.plist"));
    // Each import changes the file, so each keeps the contents before it as a backup.
    for (const char* step : {"export 2", "import 5", "import 6"}) {
      const QStringList words = QString::fromLatin1(step).split(u' ');
      const Outcome ctl = run(ctl_, words + QStringList{profile}, {}, environment_);
      ASSERT_EQ(ctl.status, 0) << step << qPrintable(ctl.err);
    }
    QFile(home_.filePath(QStringLiteral("saved-a.plist"))).open(QIODevice::WriteOnly);
    QFile(home_.filePath(QStringLiteral("saved-b.plist"))).open(QIODevice::WriteOnly);
  }

  QTemporaryDir home_;
  QString settings_;
  QString ctl_ = kBinary + QStringLiteral("/bin/halvanectl");
  QProcessEnvironment environment_;
};

TEST_F(Completion, BashOffersCommandsNamedProfilesBackupsAndFiles) {
  const QString script = kSource + QStringLiteral("/packaging/completions/halvanectl.bash");
  // words: the command line split as bash would; the last is the word being completed.
  auto complete = [&](const QStringList& words) {
    QString array;
    for (const QString& w : words) array += QStringLiteral(" '%1'").arg(w);
    const Outcome bash =
        run(QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source '%1'; complete -p halvanectl; COMP_WORDS=(%2); "
                            "COMP_CWORD=%3; _halvanectl; printf '%s\\n' \"${COMPREPLY[@]}\"")
                 .arg(script, array)
                 .arg(words.size() - 1)},
            home_.path(), environment_);
    EXPECT_EQ(bash.err, QString());
    QStringList lines = bash.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), QStringLiteral("complete -F _halvanectl halvanectl"));
    return lines.mid(1);
  };
  const QStringList commands = complete({ctl_, QString()});
  for (const char* c : {"profile", "reload", "watch", "front", "doctor", "check", "export",
                        "import", "backups", "restore", "help", "--help", "--version"})
    EXPECT_TRUE(commands.contains(QLatin1String(c))) << c;
  EXPECT_EQ(complete({ctl_, QStringLiteral("re")}),
            (QStringList{QStringLiteral("reload"), QStringLiteral("restore")}));

  const QStringList profiles = complete({ctl_, QStringLiteral("profile"), QString()});
  EXPECT_EQ(profiles.size(), 10);
  EXPECT_TRUE(profiles.contains(QStringLiteral("4 -- Games & more")))
      << qPrintable(profiles.join(u'|'));
  EXPECT_EQ(complete({ctl_, QStringLiteral("export"), QStringLiteral("1")}),
            (QStringList{QStringLiteral("1 -- Profile 1"), QStringLiteral("10 -- Profile 10")}));
  // One choice left: the number alone goes on the command line.
  EXPECT_EQ(complete({ctl_, QStringLiteral("import"), QStringLiteral("4")}),
            QStringList{QStringLiteral("4")});

  const QStringList backups = complete({ctl_, QStringLiteral("restore"), QString()});
  EXPECT_EQ(backups.size(), 2) << qPrintable(backups.join(u'|'));
  EXPECT_TRUE(backups.value(0).startsWith(QStringLiteral("1 -- 20")));
  EXPECT_TRUE(backups.value(1).startsWith(QStringLiteral("2 -- 20")));

  EXPECT_EQ(complete({ctl_, QStringLiteral("check"), QStringLiteral("saved")}),
            (QStringList{QStringLiteral("saved-a.plist"), QStringLiteral("saved-b.plist")}));
  EXPECT_EQ(
      complete({ctl_, QStringLiteral("export"), QStringLiteral("2"), QStringLiteral("saved-a")}),
      QStringList{QStringLiteral("saved-a.plist")});
  EXPECT_EQ(complete({ctl_, QStringLiteral("front"), QString()}),
            QStringList{QStringLiteral("--watch")});
  EXPECT_EQ(complete({ctl_, QStringLiteral("doctor"), QString()}),
            QStringList{QStringLiteral("--desktop-hint")});
  EXPECT_EQ(complete({ctl_, QStringLiteral("reload"), QString()}), QStringList());
}

TEST_F(Completion, FishOffersCommandsNamedProfilesBackupsAndFiles) {
  if (QStandardPaths::findExecutable(QStringLiteral("fish")).isEmpty())
    GTEST_SKIP() << "fish is not installed";
  const QString script = kSource + QStringLiteral("/packaging/completions/halvanectl.fish");
  // The program is called by its path, as halvanectl would be found on PATH.
  environment_.insert(QStringLiteral("PATH"), kBinary + QStringLiteral("/bin:") +
                                                  environment_.value(QStringLiteral("PATH")));
  auto complete = [&](const QString& line) {
    const Outcome fish = run(QStringLiteral("fish"),
                             {QStringLiteral("--no-config"), QStringLiteral("-c"),
                              QStringLiteral("source '%1'; complete -C '%2'").arg(script, line)},
                             home_.path(), environment_);
    EXPECT_EQ(fish.err, QString()) << qPrintable(line);
    return fish.out.split(u'\n', Qt::SkipEmptyParts);
  };
  const QStringList commands = complete(QStringLiteral("halvanectl "));
  EXPECT_TRUE(commands.contains(QStringLiteral("restore\tput backup N back")))
      << qPrintable(commands.join(u'|'));
  EXPECT_TRUE(complete(QStringLiteral("halvanectl --"))
                  .contains(QStringLiteral("--version\tprint the version")));
  const QStringList profiles = complete(QStringLiteral("halvanectl profile "));
  EXPECT_EQ(profiles.size(), 10);
  EXPECT_TRUE(profiles.contains(QStringLiteral("4\tGames & more")))
      << qPrintable(profiles.join(u'|'));
  const QStringList backups = complete(QStringLiteral("halvanectl restore "));
  EXPECT_EQ(backups.size(), 2) << qPrintable(backups.join(u'|'));
  EXPECT_TRUE(backups.value(0).startsWith(QStringLiteral("1\t20")));
  EXPECT_EQ(complete(QStringLiteral("halvanectl import 3 saved-")),
            (QStringList{QStringLiteral("saved-a.plist"), QStringLiteral("saved-b.plist")}));
  EXPECT_EQ(complete(QStringLiteral("halvanectl check saved-b")),
            QStringList{QStringLiteral("saved-b.plist")});
  EXPECT_EQ(complete(QStringLiteral("halvanectl reload ")), QStringList());
}

TEST(CompletionZsh, TheFunctionIsBoundToHalvanectl) {
  if (QStandardPaths::findExecutable(QStringLiteral("zsh")).isEmpty())
    GTEST_SKIP() << "zsh is not installed";
  QTemporaryDir home;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home.path());
  const Outcome zsh =
      run(QStringLiteral("zsh"),
          {QStringLiteral("-f"), QStringLiteral("-c"),
           QStringLiteral("fpath=('%1' $fpath); autoload -Uz compinit; compinit -u -d '%2/dump'; "
                          "print -r -- $_comps[halvanectl]")
               .arg(kSource + QStringLiteral("/packaging/completions"), home.path())},
          home.path(), environment);
  EXPECT_EQ(zsh.status, 0) << qPrintable(zsh.err);
  EXPECT_EQ(zsh.out, QStringLiteral("_halvanectl\n")) << qPrintable(zsh.err);
}

}  // namespace

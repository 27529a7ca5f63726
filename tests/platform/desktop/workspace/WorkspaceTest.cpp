// Launching .desktop files, executables and documents for real, with a stand-in opener that
// records what it was asked to open.
#include "platform/desktop/workspace/DesktopWorkspace.h"
#include "tests/support/ProcessFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class Workspaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFile(path("opener"), recorderScript(path("opened")), true));
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  QByteArray pathBytes(const QString& name) const { return path(name).toUtf8(); }

  QTemporaryDir dir;
  DesktopWorkspace workspace{dir.filePath(QStringLiteral("opener"))};
};

TEST_F(Workspaces, ADesktopFileRunsItsExecLineDetached) {
  ASSERT_TRUE(writeFile(path("tool.desktop"),
                        "[Desktop Entry]\nType=Application\nName=Tool\nExec=\"" +
                            pathBytes("my tool") + "\" --flag %U \"two words\" %k\n"));
  ASSERT_TRUE(writeFile(path("my tool"), recorderScript(path("ran")), true));
  EXPECT_TRUE(workspace.open(path("tool.desktop")));
  EXPECT_EQ(waitForLines(path("ran")), QStringList({"--flag", "two words", path("tool.desktop")}));
  EXPECT_FALSE(QFile::exists(path("opened")));
}

TEST_F(Workspaces, ADesktopFileRunsInItsPathFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("work")));
  ASSERT_TRUE(writeFile(path("touch.desktop"), "[Desktop Entry]\nType=Application\nPath=" +
                                                   pathBytes("work") + "\nExec=touch made-here\n"));
  EXPECT_TRUE(workspace.open(path("touch.desktop")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path("work/made-here")); }, 5000));
}

TEST_F(Workspaces, DesktopFilesThatCannotRunAreRefused) {
  const struct {
    const char* name;
    QByteArray body;
  } cases[] = {
      {"no-exec.desktop", "[Desktop Entry]\nType=Application\nName=Nothing\n"},
      {"missing-program.desktop", "[Desktop Entry]\nType=Application\nExec=/nonexistent/program\n"},
      {"try-exec.desktop",
       "[Desktop Entry]\nType=Application\nTryExec=/nonexistent/program\nExec=touch x\n"},
      {"broken-quotes.desktop", "[Desktop Entry]\nExec=\"touch x\n"},
      {"no-group.desktop", "Exec=touch x\n"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFile(path(c.name), c.body));
    EXPECT_FALSE(workspace.open(path(c.name))) << c.name;
  }
  EXPECT_FALSE(QFile::exists(path("opened")));
}

TEST_F(Workspaces, ALinkEntryOpensItsAddress) {
  ASSERT_TRUE(
      writeFile(path("site.desktop"), "[Desktop Entry]\nType=Link\nURL=https://example.org/a b\n"));
  EXPECT_TRUE(workspace.open(path("site.desktop")));
  EXPECT_EQ(waitForLines(path("opened")), QStringList{"https://example.org/a%20b"});
}

TEST_F(Workspaces, AnExecutableIsStartedItself) {
  ASSERT_TRUE(writeFile(path("run-me"), recorderScript(path("ran")), true));
  EXPECT_TRUE(workspace.open(path("run-me")));
  EXPECT_EQ(waitForLines(path("ran")), QStringList{});
  EXPECT_FALSE(QFile::exists(path("opened")));
}

TEST_F(Workspaces, DocumentsGoToTheOpener) {
  ASSERT_TRUE(writeFile(path("notes.txt"), "hello\n"));
  EXPECT_TRUE(workspace.open(path("notes.txt")));
  EXPECT_EQ(waitForLines(path("opened")), QStringList{path("notes.txt")});
}

TEST_F(Workspaces, AnExecutableThatCannotRunIsOpenedAsADocument) {
  ASSERT_TRUE(writeFile(path("photo.jpg"), "\xff\xd8\xff not a program", true));
  EXPECT_TRUE(workspace.open(path("photo.jpg")));
  EXPECT_EQ(waitForLines(path("opened")), QStringList{path("photo.jpg")});
}

TEST_F(Workspaces, NothingOpensWhatDoesNotExistOrWithoutAnOpener) {
  EXPECT_FALSE(workspace.open(path("missing.txt")));
  EXPECT_FALSE(workspace.open(QString()));
  ASSERT_TRUE(writeFile(path("notes.txt"), "hello\n"));
  DesktopWorkspace noOpener(path("no-such-opener"));
  EXPECT_FALSE(noOpener.open(path("notes.txt")));
}

TEST_F(Workspaces, OpenURLOpensFilesAsOpenDoesAndHandsOtherAddressesToTheOpener) {
  ASSERT_TRUE(writeFile(path("run-me"), recorderScript(path("ran")), true));
  EXPECT_TRUE(workspace.openURL(QUrl::fromLocalFile(path("run-me"))));
  EXPECT_EQ(waitForLines(path("ran")), QStringList{});
  EXPECT_TRUE(workspace.openURL(QUrl(QStringLiteral("https://example.org/help?q=1"))));
  EXPECT_EQ(waitForLines(path("opened")), QStringList{"https://example.org/help?q=1"});
  EXPECT_FALSE(workspace.openURL(QUrl()));
}

TEST_F(Workspaces, DisplayNames) {
  ASSERT_TRUE(
      writeFile(path("org.example.Editor.desktop"), "[Desktop Entry]\nName=Text Editor\nExec=x\n"));
  ASSERT_TRUE(writeFile(path("nameless.desktop"), "[Desktop Entry]\nExec=x\n"));
  ASSERT_TRUE(writeFile(path("backup.tar.gz"), ""));
  ASSERT_TRUE(writeFile(path(".profile"), ""));
  ASSERT_TRUE(writeFile(path("gimp"), ""));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Player.app")));
  const struct {
    QString path;
    QString name;
  } cases[] = {
      {path("org.example.Editor.desktop"), "Text Editor"},
      {path("nameless.desktop"), "nameless"},
      {path("backup.tar.gz"), "backup.tar"},
      {path(".profile"), ".profile"},
      {path("gimp"), "gimp"},
      {path("Player.app") + "/", "Player"},
      {path("missing.desktop"), ""},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(workspace.displayName(c.path), c.name) << c.path.toStdString();
}

}  // namespace
}  // namespace halvane::test

#include "platform/input/devices/VirtualKeyboardProtocol.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace halvane::vkbd {
namespace {

TEST(VirtualKeyboardProtocolTest, InterfaceNames) {
  const std::pair<const char*, std::optional<MatchingCriteria>> cases[] = {
      {"1209-4856-0001-0006-vkbd.sock", MatchingCriteria{0x1209, 0x4856, 0x01, 0x06}},
      {"1209-4857-000c-0001-desk top.sock", MatchingCriteria{0x1209, 0x4857, 0x0C, 0x01}},
      {"046d-c52b-ff00-00a1-x.sock", MatchingCriteria{0x046D, 0xC52B, 0xFF00, 0xA1}},
      {"1209-4856-0001-0006-.sock", MatchingCriteria{0x1209, 0x4856, 0x01, 0x06}},
      {"1209-4856-0001-0006-X.Y.sock", MatchingCriteria{0x1209, 0x4856, 0x01, 0x06}},
      {"1209-4856-000C-0001-vkbd.sock", std::nullopt},  // hex is lower-case
      {"1209-4856-0001-0006.sock", std::nullopt},
      {"1209-4856-0001-0006-vkbd.socket", std::nullopt},
      {"1209-4856-0001-0006-vkbd", std::nullopt},
      {"1209_4856-0001-0006-vkbd.sock", std::nullopt},
      {"12094-856-0001-0006-vkbd.sock", std::nullopt},
      {"1209-4856-0001-00g6-vkbd.sock", std::nullopt},
      {".1234-1.tmp", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(parseInterfaceName(QString::fromUtf8(name)), expected) << name;

  const MatchingCriteria consumer{0x1209, 0x4857, 0x0C, 0x01};
  EXPECT_EQ(interfaceName(consumer, QStringLiteral("desk")),
            QStringLiteral("1209-4857-000c-0001-desk.sock"));
  EXPECT_EQ(parseInterfaceName(interfaceName(consumer, QStringLiteral("desk"))), consumer);
}

TEST(VirtualKeyboardProtocolTest, SettingsDatagrams) {
  EXPECT_EQ(settingsDatagram({1, 9}), QByteArray("SwapCmdAlt=1 MacroMask=9\n"));
  EXPECT_EQ(settingsDatagram({0, -2147483647 - 1}),
            QByteArray("SwapCmdAlt=0 MacroMask=-2147483648\n"));

  const std::pair<const char*, std::optional<DriverSettings>> cases[] = {
      {"SwapCmdAlt=1 MacroMask=9\n", DriverSettings{1, 9}},
      {"SwapCmdAlt=0 MacroMask=1023", DriverSettings{0, 1023}},
      {"SwapCmdAlt=-1 MacroMask=-2147483648\n", DriverSettings{-1, -2147483647 - 1}},
      {"SwapCmdAlt=1\n", std::nullopt},
      {"MacroMask=9 SwapCmdAlt=1\n", std::nullopt},
      {"SwapCmdAlt= 1 MacroMask=9\n", std::nullopt},
      {"SwapCmdAlt=1  MacroMask=9\n", std::nullopt},
      {"SwapCmdAlt=1 MacroMask=9\n\n", std::nullopt},
      {"SwapCmdAlt=1 MacroMask=9x", std::nullopt},
      {"SwapCmdAlt=1 MacroMask=", std::nullopt},
      {"SwapCmdAlt=- MacroMask=9", std::nullopt},
      {"SwapCmdAlt=2147483648 MacroMask=9", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(parseSettingsDatagram(QByteArrayView(text)), expected) << text;
}

class ProtocolFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
  }
  void TearDown() override {
    if (hadRuntime)
      qputenv("XDG_RUNTIME_DIR", savedRuntime);
    else
      qunsetenv("XDG_RUNTIME_DIR");
  }
  static int mode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
  }
  QTemporaryDir temp;
  QByteArray savedRuntime;
  bool hadRuntime = false;
};

TEST_F(ProtocolFolderTest, FolderFollowsTheRuntimeDirectory) {
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(temp.path()));
  EXPECT_EQ(folderPath(), temp.path() + QStringLiteral("/halvane/keyboards"));
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(folderPath(), QStringLiteral("/tmp/halvane-%1/keyboards").arg(::getuid()));
  qputenv("XDG_RUNTIME_DIR", "");
  EXPECT_EQ(folderPath(), QStringLiteral("/tmp/halvane-%1/keyboards").arg(::getuid()));
}

TEST_F(ProtocolFolderTest, FolderIsCreatedPrivate) {
  const QString folder = temp.path() + QStringLiteral("/halvane/keyboards");
  EXPECT_EQ(ensureFolder(folder), QString());
  EXPECT_EQ(mode(folder), 0700);
  EXPECT_EQ(mode(temp.path() + QStringLiteral("/halvane")), 0700);
  // A folder left open to others is closed again.
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
  EXPECT_EQ(ensureFolder(folder), QString());
  EXPECT_EQ(mode(folder), 0700);
}

TEST_F(ProtocolFolderTest, UnsafeFoldersAreRefused) {
  const QString real = temp.path() + QStringLiteral("/real");
  ASSERT_EQ(ensureFolder(real), QString());
  const QString link = temp.path() + QStringLiteral("/link");
  ASSERT_TRUE(QFile::link(real, link));
  EXPECT_NE(ensureFolder(link), QString());

  const QString file = temp.path() + QStringLiteral("/file");
  QFile(file).open(QIODevice::WriteOnly);
  EXPECT_NE(ensureFolder(file), QString());
  EXPECT_NE(ensureFolder(file + QStringLiteral("/below")), QString());

  if (::geteuid() != 0) GTEST_SKIP() << "another user's folder needs root to make";
  const QString foreign = temp.path() + QStringLiteral("/foreign");
  ASSERT_EQ(ensureFolder(foreign), QString());
  ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 4242, 4242), 0);
  EXPECT_TRUE(ensureFolder(foreign).contains(QStringLiteral("another user")));
  EXPECT_NE(ensureFolder(foreign + QStringLiteral("/keyboards")), QString());
}

TEST_F(ProtocolFolderTest, ListeningReplacesOnlyStaleSockets) {
  const QString path = temp.path() + QStringLiteral("/1209-4856-0001-0006-a.sock");
  ListeningInterface first = listenInterface(path);
  ASSERT_GE(first.fd, 0) << first.error.toStdString();
  const int client = connectInterface(path);
  EXPECT_GE(client, 0);
  ::close(client);

  // A live interface of the same name is left alone.
  ListeningInterface second = listenInterface(path);
  EXPECT_EQ(second.fd, -1);
  EXPECT_TRUE(second.error.contains(QStringLiteral("already in use")));

  // Once its owner is gone the file is stale: connecting is refused, and it can be replaced.
  ::close(first.fd);
  EXPECT_EQ(connectInterface(path), -1);
  EXPECT_EQ(errno, ECONNREFUSED);
  ListeningInterface third = listenInterface(path);
  ASSERT_GE(third.fd, 0) << third.error.toStdString();
  EXPECT_NE(third.inode, first.inode);

  // Only the owner's own file is removed.
  removeInterface(path, first.inode);
  EXPECT_TRUE(QFile::exists(path));
  removeInterface(path, third.inode);
  EXPECT_FALSE(QFile::exists(path));
  ::close(third.fd);
  // No hidden names are left behind.
  EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
}

TEST_F(ProtocolFolderTest, OverlongPathsAreRefused) {
  const QString path = temp.path() + u'/' + QString(120, u'k') + QStringLiteral(".sock");
  const ListeningInterface created = listenInterface(path);
  EXPECT_EQ(created.fd, -1);
  EXPECT_FALSE(created.error.isEmpty());
  EXPECT_EQ(connectInterface(path), -1);
  EXPECT_EQ(errno, ENAMETOOLONG);
}

}  // namespace
}  // namespace halvane::vkbd

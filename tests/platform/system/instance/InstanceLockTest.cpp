// The session's one-helper lock: who holds it, that it goes with its holder, and the paths
// where no lock can be had (the helper then runs anyway, saying why).
#include "platform/system/instance/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace halvane {
namespace {

using Outcome = InstanceLock::Outcome;

TEST(InstanceLock, OneHolderAtATimeAndTheNextOnceItHasGone) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("halvane/helper.lock"));  // folder made here
  std::optional<InstanceLock> first = InstanceLock::acquire(path);
  ASSERT_EQ(first->outcome(), Outcome::Taken) << first->reason().toStdString();
  EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("halvane"))).permissions() & 0x0077, 0)
      << "the folder is open to others";

  // flock belongs to the open file, so a second opening in this process is refused like another
  // process would be, and names the holder.
  const InstanceLock second = InstanceLock::acquire(path);
  EXPECT_EQ(second.outcome(), Outcome::HeldByOther);
  EXPECT_EQ(second.holderPid(), qint64(::getpid()));

  first.reset();
  EXPECT_EQ(InstanceLock::acquire(path).outcome(), Outcome::Taken);
}

TEST(InstanceLock, PathsWhereNoLockCanBeHad) {
  QTemporaryDir dir;
  QFile plain(dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  ASSERT_TRUE(QFile::link(plain.fileName(), dir.filePath(QStringLiteral("link.lock"))));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.lock")));
  struct Case {
    const char* what;
    QString path;
    const char* reason;
  };
  const Case cases[] = {
      {"a link planted where the lock goes", dir.filePath(QStringLiteral("link.lock")),
       "cannot open"},
      {"a folder where the lock goes", dir.filePath(QStringLiteral("folder.lock")), "cannot open"},
      {"a file where the folder goes", dir.filePath(QStringLiteral("plain/helper.lock")),
       "cannot open"},
      {"no folder above the folder", dir.filePath(QStringLiteral("gone/halvane/helper.lock")),
       "cannot create"},
  };
  for (const Case& c : cases) {
    const InstanceLock lock = InstanceLock::acquire(c.path);
    EXPECT_EQ(lock.outcome(), Outcome::Unavailable) << c.what;
    EXPECT_TRUE(lock.reason().startsWith(QLatin1String(c.reason)))
        << c.what << ": " << lock.reason().toStdString();
  }
}

TEST(InstanceLock, LivesInTheSessionsRuntimeFolder) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", "/run/user/1000/");
  EXPECT_EQ(InstanceLock::helperLockPath(), QStringLiteral("/run/user/1000/halvane/helper.lock"));
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceLock::helperLockPath(),
            QStringLiteral("/tmp/halvane-%1/helper.lock").arg(::getuid()));
  if (saved.isNull())
    qunsetenv("XDG_RUNTIME_DIR");
  else
    qputenv("XDG_RUNTIME_DIR", saved);
}

}  // namespace
}  // namespace halvane

#include "tests/packaging/RootSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace halvane::test {

namespace {

// Beside scripts/package's work folder, outside the checkout, so that a fresh clone (CI) finds
// the roots and the fetched packages of the last run.
QString cacheFolder() {
  const QString work = qEnvironmentVariable("HALVANE_PACKAGE_WORK");
  return (work.isEmpty() ? QStringLiteral("/var/tmp/halvane-package-%1").arg(::getuid()) : work) +
         QStringLiteral("/cache");
}
const QString kCache = cacheFolder();
// This machine's package sources, so the root is served as this machine is.
const QString kSources = QStringLiteral("/etc/apt/sources.list.d/debian.sources");

RootSystem::Result execute(const QString& program, const QStringList& arguments,
                           int timeoutSeconds) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  RootSystem::Result result;
  if (!process.waitForFinished(timeoutSeconds * 1000)) {
    process.kill();
    process.waitForFinished();
    result.output = QStringLiteral("%1: no end after %2 s\n").arg(program).arg(timeoutSeconds);
  }
  result.output += QString::fromUtf8(process.readAll());
  if (process.exitStatus() == QProcess::NormalExit) result.status = process.exitCode();
  return result;
}

// The release's tarball, made when missing; keyed by the release and the sources it uses
// (this machine's, with the release's suites).
QString tarball(const QString& release, QString* error) {
  QFile hostSources(kSources);
  if (!hostSources.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("cannot read %1").arg(kSources);
    return {};
  }
  QString text = QString::fromUtf8(hostSources.readAll());
  text.replace(
      QRegularExpression(QStringLiteral("\\b%1\\b").arg(QStringLiteral(HALVANE_HOST_RELEASE))),
      release);
  QCryptographicHash key(QCryptographicHash::Sha256);
  key.addData(release.toUtf8() + "|apt|" + text.toUtf8());
  const QString file =
      QStringLiteral("%1/%2-%3.tar")
          .arg(kCache, release, QString::fromLatin1(key.result().toHex().left(12)));
  if (QFileInfo::exists(file)) return file;
  QDir().mkpath(kCache);
  const QString sources = QStringLiteral("%1/%2.sources").arg(kCache, release);
  QFile sourcesFile(sources);
  if (!sourcesFile.open(QIODevice::WriteOnly) || sourcesFile.write(text.toUtf8()) < 0) {
    *error = QStringLiteral("cannot write %1").arg(sources);
    return {};
  }
  sourcesFile.close();
  // mmdebstrap picks the output's format by its name's ending.
  const QString partial = file.chopped(4) + QStringLiteral(".partial.tar");
  const RootSystem::Result made =
      execute(QStringLiteral("mmdebstrap"),
              {QStringLiteral("--variant=apt"), QStringLiteral("--mode=root"),
               QStringLiteral("--quiet"), release, partial, sources},
              1200);
  if (made.status != 0 || !QFile::rename(partial, file)) {
    QFile::remove(partial);
    *error =
        QStringLiteral("mmdebstrap could not make a %1 root (package registry unreachable?): %2")
            .arg(release, made.output.trimmed().section(u'\n', -1));
    return {};
  }
  return file;
}

}  // namespace

RootSystem::RootSystem(std::unique_ptr<QTemporaryDir> dir) : dir_(std::move(dir)) {}

std::unique_ptr<RootSystem> RootSystem::make(const QString& release, QString* error) {
  if (QStandardPaths::findExecutable(QStringLiteral("mmdebstrap")).isEmpty()) {
    *error = QStringLiteral("mmdebstrap is not installed");
    return nullptr;
  }
  if (::geteuid() != 0) {
    *error = QStringLiteral("making and entering a root needs root");
    return nullptr;
  }
  const QString archive = tarball(release, error);
  if (archive.isEmpty()) return nullptr;
  auto dir = std::make_unique<QTemporaryDir>(kCache + QStringLiteral("/root-XXXXXX"));
  const Result unpacked =
      execute(QStringLiteral("tar"),
              {QStringLiteral("-xf"), archive, QStringLiteral("-C"), dir->path()}, 600);
  if (unpacked.status != 0) {
    *error = QStringLiteral("cannot unpack %1: %2").arg(archive, unpacked.output);
    return nullptr;
  }
  std::unique_ptr<RootSystem> root(new RootSystem(std::move(dir)));
  QFile::remove(root->path(QStringLiteral("/etc/resolv.conf")));
  QFile::copy(QStringLiteral("/etc/resolv.conf"), root->path(QStringLiteral("/etc/resolv.conf")));
  // An ordinary user, as a desktop has one.
  const Result user = root->run(
      QStringLiteral("echo 'player:x:1000:1000:Player:/home/player:/bin/sh' >> /etc/passwd && "
                     "echo 'player:x:1000:' >> /etc/group && mkdir -p /home/player && chown "
                     "1000:1000 /home/player"));
  if (user.status != 0) {
    *error = QStringLiteral("cannot add a user to the root: %1").arg(user.output);
    return nullptr;
  }
  return root;
}

QString RootSystem::path(const QString& inside) const {
  return dir_->path() + inside;
}

RootSystem::Result RootSystem::run(const QString& command, int timeoutSeconds) const {
  const QString archives = kCache + QStringLiteral("/apt-archives");
  QDir().mkpath(archives + QStringLiteral("/partial"));
  // The mounts live in a mount namespace of their own and end with the command.
  static const QString enter = QStringLiteral(
      "set -e; r=$1; mount -t proc proc \"$r/proc\"; mount --rbind /dev \"$r/dev\"; "
      "mount --bind \"$2\" \"$r/var/cache/apt/archives\"; "
      "exec chroot \"$r\" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "
      "DEBIAN_FRONTEND=noninteractive /bin/sh -c \"$3\"");
  return execute(QStringLiteral("unshare"),
                 {QStringLiteral("--mount"), QStringLiteral("--fork"), QStringLiteral("--"),
                  QStringLiteral("/bin/sh"), QStringLiteral("-c"), enter, QStringLiteral("enter"),
                  path(), archives, command},
                 timeoutSeconds);
}

RootSystem::Result RootSystem::runAsUser(const QString& command, int timeoutSeconds) const {
  QString quoted = command;
  quoted.replace(u'\'', QStringLiteral("'\\''"));
  return run(QStringLiteral(
                 "mkdir -p /run/user/1000 && chown 1000:1000 /run/user/1000 && chmod 700 "
                 "/run/user/1000 && "
                 "cd /home/player && setpriv --reuid=1000 --regid=1000 --clear-groups "
                 "env HOME=/home/player USER=player LOGNAME=player XDG_RUNTIME_DIR=/run/user/1000 "
                 "/bin/sh -c '%1'")
                 .arg(quoted),
             timeoutSeconds);
}

QStringList RootSystem::files() const {
  QStringList list;
  const QString base = path();
  static const QStringList kernel = {QStringLiteral("/proc"), QStringLiteral("/dev"),
                                     QStringLiteral("/sys"), QStringLiteral("/run")};
  QDirIterator it(base, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next().mid(base.size());
    bool skip = false;
    for (const QString& k : kernel) skip = skip || file == k || file.startsWith(k + u'/');
    if (!skip) list << file;
  }
  list.sort();
  return list;
}

}  // namespace halvane::test

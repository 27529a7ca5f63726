#pragma once

// What the robustness programs share: the random seed they print and take back, the scale of
// their counts, and a look at another process through /proc.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace halvane::test {

// Each program draws its moments and reports from one generator. The seed is fixed so that a run
// can be repeated; HALVANE_ROBUSTNESS_SEED picks another, and the seed in use is printed and
// recorded so that a failure can be replayed exactly.
inline std::mt19937_64 seededGenerator(const char* what, unsigned long long fixedSeed) {
  bool ok = false;
  const qulonglong chosen = qEnvironmentVariable("HALVANE_ROBUSTNESS_SEED").toULongLong(&ok);
  const unsigned long long seed = ok ? chosen : fixedSeed;
  std::printf("%s: seed %llu (HALVANE_ROBUSTNESS_SEED=%llu replays it)\n", what, seed, seed);
  std::fflush(stdout);
  ::testing::Test::RecordProperty("seed", std::to_string(seed));
  return std::mt19937_64(seed);
}

// Sanitizer builds run the helper several times slower: they do a fraction of the work.
#ifdef HALVANE_ROBUSTNESS_SANITIZED
inline constexpr int kScaleDivisor = 4;
#else
inline constexpr int kScaleDivisor = 1;
#endif
inline constexpr int scaled(int count) {
  return count / kScaleDivisor > 0 ? count / kScaleDivisor : 1;
}

inline int uniform(std::mt19937_64& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}
inline bool chance(std::mt19937_64& rng, double p) {
  return std::bernoulli_distribution(p)(rng);
}

// A process's open file descriptors: number (as in /proc/<pid>/fd) and target.
inline std::vector<std::pair<QString, QString>> openDescriptors(qint64 pid) {
  std::vector<std::pair<QString, QString>> descriptors;
  const QString folder = QStringLiteral("/proc/%1/fd").arg(pid);
  for (const QString& fd :
       QDir(folder).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
    char target[4096];
    const QByteArray link = QFile::encodeName(folder + u'/' + fd);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target);
    if (n > 0) descriptors.emplace_back(fd, QFile::decodeName(QByteArray(target, n)));
  }
  return descriptors;
}

// The targets of a process's open file descriptors, one per descriptor.
inline QStringList openFiles(qint64 pid) {
  QStringList targets;
  for (const auto& [fd, target] : openDescriptors(pid)) targets << target;
  return targets;
}

// True when the descriptor was opened for writing (its fdinfo flags, octal, hold O_WRONLY or
// O_RDWR).
inline bool openForWriting(qint64 pid, const QString& fd) {
  QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(pid).arg(fd));
  if (!info.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : info.readAll().split('\n')) {
    if (!line.startsWith("flags:")) continue;
    bool ok = false;
    const uint flags = line.mid(6).trimmed().toUInt(&ok, 8);
    return ok && (flags & 3u) != 0;
  }
  return false;
}

// VmRSS of a process in kilobytes; nothing when it cannot be read.
inline std::optional<qint64> residentKilobytes(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith("VmRSS:")) continue;
    bool ok = false;
    const qint64 kb = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
    if (ok) return kb;
  }
  return std::nullopt;
}

// The state letter of /proc/<pid>/stat (R, S, D, T, Z...); 0 when the process is gone.
inline char processState(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  const QByteArray line = stat.readAll();
  const qsizetype end = line.lastIndexOf(')');  // the command name may hold spaces
  return end >= 0 && end + 2 < line.size() ? line[end + 2] : 0;
}

// The files in the folder of finalPath that the process has open for writing: the temporary
// file of an atomic write (named, or unnamed as "<folder>/#123 (deleted)"), or the settings file
// itself when something writes it in place.
inline QStringList filesBeingWritten(qint64 pid, const QString& finalPath) {
  QStringList written;
  const QString folder = QFileInfo(finalPath).absolutePath() + u'/';
  for (const auto& [fd, target] : openDescriptors(pid))
    if (target.startsWith(folder) && openForWriting(pid, fd)) written << target;
  return written;
}

// Files in the folder of finalPath other than finalPath itself.
inline QStringList filesBeside(const QString& finalPath) {
  const QFileInfo info(finalPath);
  QStringList others = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
  others.removeAll(info.fileName());
  return others;
}

}  // namespace halvane::test

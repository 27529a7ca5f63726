#include "platform/desktop/appidentity/ProcessFacts.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <climits>
#include <cstdlib>

namespace halvane {
namespace {

constexpr qsizetype kMaxRead = 64 * 1024;

QStringList nulSeparated(const QByteArray& data) {
  QStringList items;
  for (const QByteArray& item : data.split('\0'))
    if (!item.isEmpty()) items.append(QString::fromLocal8Bit(item));
  return items;
}

// The one value of key in group of a .flatpak-info key file.
QString keyFileValue(const QByteArray& text, const QByteArray& group, const QByteArray& key) {
  bool inGroup = false;
  for (const QByteArray& raw : text.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      inGroup = line == "[" + group + "]";
    } else if (inGroup && line.startsWith(key)) {
      const QByteArray rest = line.mid(key.size()).trimmed();
      if (rest.startsWith('=')) return QString::fromUtf8(rest.mid(1).trimmed());
    }
  }
  return {};
}

}  // namespace

ProcessFacts::ProcessFacts(const QString& procRoot, std::int64_t pid) {
  if (pid > 0) dir_ = QFile::encodeName(procRoot) + '/' + QByteArray::number(qlonglong(pid)) + '/';
}

// Plain system calls: these files are small, and a focus change reads several of them.
QByteArray ProcessFacts::read(const char* name) const {
  if (dir_.isEmpty()) return {};
  const int fd = ::open((dir_ + name).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  QByteArray data;
  char buffer[4096];
  ssize_t got;
  while (data.size() < kMaxRead && (got = ::read(fd, buffer, sizeof buffer)) > 0)
    data.append(buffer, got);
  ::close(fd);
  return data;
}

const QString& ProcessFacts::executable() const {
  if (!executable_) {
    char resolved[PATH_MAX];
    executable_.emplace();
    if (!dir_.isEmpty() && ::realpath((dir_ + "exe").constData(), resolved))
      *executable_ = QFile::decodeName(resolved);
  }
  return *executable_;
}

const QString& ProcessFacts::comm() const {
  if (!comm_) comm_ = QString::fromLocal8Bit(read("comm").trimmed());
  return *comm_;
}

const QStringList& ProcessFacts::arguments() const {
  if (!arguments_) arguments_ = nulSeparated(read("cmdline"));
  return *arguments_;
}

const QString& ProcessFacts::flatpakId() const {
  if (!flatpakId_) flatpakId_ = keyFileValue(read("root/.flatpak-info"), "Application", "name");
  return *flatpakId_;
}

const QStringList& ProcessFacts::cgroupPaths() const {
  if (!cgroupPaths_) {
    cgroupPaths_.emplace();
    for (const QByteArray& line : read("cgroup").split('\n')) {
      // hierarchy-ID:controllers:path
      const qsizetype second = line.indexOf(':', line.indexOf(':') + 1);
      if (second >= 0) cgroupPaths_->append(QString::fromUtf8(line.mid(second + 1)));
    }
  }
  return *cgroupPaths_;
}

const QString& ProcessFacts::steamGameId() const {
  if (!steamGameId_) {
    QByteArray appId, gameId;
    // Only the two variables are wanted; the rest of the environment is not converted.
    for (const QByteArray& variable : read("environ").split('\0')) {
      if (variable.startsWith("SteamAppId="))
        appId = variable.mid(11);
      else if (variable.startsWith("SteamGameId="))
        gameId = variable.mid(12);
    }
    steamGameId_.emplace();
    // Steam sets both to 0 for the client itself and for non-Steam games.
    for (const QByteArray& id : {appId, gameId})
      if (!id.isEmpty() && id != "0") {
        *steamGameId_ = QString::fromLatin1(id);
        break;
      }
  }
  return *steamGameId_;
}

}  // namespace halvane

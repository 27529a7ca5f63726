#include "platform/input/devices/VirtualKeyboardRegistry.h"

#include <QDir>
#include <QFile>
#include <QtDebug>

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <cerrno>

namespace halvane {

namespace {

// A keyboard that binds before it listens (instead of renaming its socket into place) refuses
// connections for a moment; a few retries a little apart cover that.
constexpr int kConnectAttempts = 5;
constexpr int kRetryIntervalMs = 100;

struct SocketFile {
  QString name;
  quint64 inode;
  MatchingCriteria properties;
};

std::vector<SocketFile> listInterfaces(const QString& folder) {
  std::vector<SocketFile> files;
  const QByteArray path = QFile::encodeName(folder);
  DIR* dir = ::opendir(path.constData());
  if (!dir) return files;
  while (const dirent* entry = ::readdir(dir)) {
    const QString name = QFile::decodeName(entry->d_name);
    const auto properties = vkbd::parseInterfaceName(name);
    if (!properties) continue;
    struct stat st {};
    const QByteArray full = path + '/' + entry->d_name;
    if (::lstat(full.constData(), &st) != 0 || !S_ISSOCK(st.st_mode)) continue;
    files.push_back({name, quint64(st.st_ino), *properties});
  }
  ::closedir(dir);
  return files;
}

}  // namespace

VirtualKeyboardRegistry::VirtualKeyboardRegistry(const QString& folder,
                                                 std::shared_ptr<ServiceIdAllocator> ids)
    : ChannelRegistry(std::move(ids)), folder_(QDir::cleanPath(folder)) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryIntervalMs);
  connect(&retry_, &QTimer::timeout, this, [this] { scan(); });
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { scan(); });
}

bool VirtualKeyboardRegistry::prepareFolder() {
  // The folder may be removed under us; the watcher then forgets it.
  if (folderReady_ && watcher_.directories().contains(folder_)) return true;
  const QString problem = vkbd::ensureFolder(folder_);
  if (!problem.isEmpty()) {
    if (!folderProblemReported_) qWarning("virtual keyboards: %s", qPrintable(problem));
    folderProblemReported_ = true;
    return false;
  }
  folderReady_ = watcher_.addPath(folder_) || watcher_.directories().contains(folder_);
  return true;
}

void VirtualKeyboardRegistry::scan() {
  const bool ready = prepareFolder();
  const std::vector<SocketFile> files = ready ? listInterfaces(folder_) : std::vector<SocketFile>{};
  auto present = [&files](const QString& name) -> const SocketFile* {
    for (const SocketFile& file : files)
      if (file.name == name) return &file;
    return nullptr;
  };

  // Interfaces whose file went away, or was replaced by another keyboard's, have ended.
  std::vector<ServiceId> gone;
  for (const auto& [id, service] : services()) {
    const SocketFile* file = present(service.key);
    if (!file || file->inode != service.inode) gone.push_back(id);
  }
  for (ServiceId id : gone) end(id);
  std::erase_if(refusals_, [&](const auto& entry) {
    const SocketFile* file = present(entry.first);
    return !file || file->inode != entry.second.inode;
  });

  bool retry = false;
  for (const SocketFile& file : files) {
    if (findByKey(file.name) || !wanted(file.properties)) continue;
    auto refusal = refusals_.find(file.name);
    if (refusal != refusals_.end() && refusal->second.attempts >= kConnectAttempts) continue;
    const QString path = folder_ + u'/' + file.name;
    const int fd = vkbd::connectInterface(path);
    if (fd < 0) {
      // ENOENT: removed since the listing; the watcher reports that.
      if (errno == ENOENT) continue;
      Refusal& entry = refusals_[file.name];
      entry.inode = file.inode;
      retry = ++entry.attempts < kConnectAttempts || retry;
      continue;
    }
    refusals_.erase(file.name);
    Service service;
    service.key = file.name;
    service.path = path;
    service.inode = file.inode;
    service.properties = file.properties;
    service.writable = true;
    attach(std::move(service), fd);
  }
  if (retry && !retry_.isActive()) retry_.start();
}

// The connection was made at first match; there is nothing more to open.
int VirtualKeyboardRegistry::openChannel(ServiceId, Service& service) {
  return service.channel ? 0 : ENODEV;
}

int VirtualKeyboardRegistry::sendSettings(Service& service, const DriverSettings& settings) {
  if (!service.channel) return ENODEV;
  const QByteArray datagram = vkbd::settingsDatagram(settings);
  const ssize_t sent = ::send(service.channel->fd(), datagram.constData(),
                              std::size_t(datagram.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
  return sent < 0 ? errno : 0;
}

}  // namespace halvane

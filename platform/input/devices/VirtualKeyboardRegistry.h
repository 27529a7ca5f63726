#pragma once

#include "platform/input/devices/ChannelRegistry.h"
#include "platform/input/devices/VirtualKeyboardProtocol.h"

#include <QFileSystemWatcher>
#include <QTimer>

namespace halvane {

// Virtual keyboard interfaces: listening sockets in the keyboards folder (see
// VirtualKeyboardProtocol.h). An interface matches by the properties in its file name; on its
// first match the registry connects to it, and the service ends when that connection ends or
// the file goes away. The folder is watched, so interfaces that appear later are found too.
class VirtualKeyboardRegistry : public ChannelRegistry {
 public:
  explicit VirtualKeyboardRegistry(const QString& folder = vkbd::folderPath(),
                                   std::shared_ptr<ServiceIdAllocator> ids = {});
  const QString& folder() const { return folder_; }
  // Whether an interface that refused a connection is to be tried again.
  bool retrying() const { return retry_.isActive(); }

 protected:
  void discover() override { scan(); }
  int openChannel(ServiceId id, Service& service) override;
  void closeChannel(Service&) override {}
  int sendSettings(Service& service, const DriverSettings& settings) override;

 private:
  // A socket file we could not connect to; tried again only a few times, unless replaced.
  struct Refusal {
    quint64 inode = 0;
    int attempts = 0;
  };
  bool prepareFolder();
  void scan();

  QString folder_;
  QFileSystemWatcher watcher_;
  QTimer retry_;
  bool folderReady_ = false;
  bool folderProblemReported_ = false;
  std::map<QString, Refusal> refusals_;
};

}  // namespace halvane

#pragma once

#include "platform/input/devices/HIDDeviceSource.h"
#include "platform/input/devices/ReportChannel.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace halvane {

// What the hidraw and the virtual keyboard registries have in common: the attached services,
// the first-match and termination registrations, and device interfaces that read reports
// through a ReportChannel. A backend finds services and tells this class when they come and go.
class ChannelRegistry : public QObject, public HIDDeviceSource {
 public:
  explicit ChannelRegistry(std::shared_ptr<ServiceIdAllocator> ids);
  ~ChannelRegistry() override;

  void addFirstMatchNotification(const MatchingCriteria& criteria, ServiceHandler handler) override;
  void addTerminationNotification(const MatchingCriteria& criteria,
                                  ServiceHandler handler) override;
  std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) override;
  int setProperties(ServiceId service, const DriverSettings& settings) override;
  bool hasService(ServiceId service) const override { return services_.count(service) != 0; }

  // Attached services (for diagnostics and leak checks).
  std::size_t serviceCount() const { return services_.size(); }

 protected:
  struct Service {
    QString key;        // what the backend knows the service by (sysfs path, socket file name)
    QString path;       // the node or socket to open
    quint64 inode = 0;  // of the socket file, to notice a replaced one
    MatchingCriteria properties;
    std::unique_ptr<ReportChannel> channel;  // open device, or connection
    bool writable = false;                   // channel accepts writes and ioctls
    bool deviceOpen = false;                 // a device interface has it open
  };

  // Looks for services now (called at each first-match registration, after the services
  // already known have been handed to the new handler).
  virtual void discover() = 0;
  // Opens the service for a device interface: sets channel (and writable), or an errno.
  virtual int openChannel(ServiceId id, Service& service) = 0;
  // The device interface let go of the service.
  virtual void closeChannel(Service& service) = 0;
  virtual int sendSettings(Service& service, const DriverSettings& settings) = 0;

  // True when some first-match registration asks for these properties.
  bool wanted(const MatchingCriteria& properties) const;
  // Records a new service and calls the first-match handlers that ask for its properties.
  // A connected descriptor (fd >= 0) becomes the service's channel at once.
  ServiceId attach(Service service, int fd = -1);
  // Delivers the reports still queued, then forgets the service; its termination handlers run
  // from the loop.
  void end(ServiceId id);
  // A reading channel on fd whose end ends the service (from the loop).
  std::unique_ptr<ReportChannel> makeChannel(ServiceId id, int fd);
  Service* find(ServiceId id);
  Service* findByKey(const QString& key);
  const std::map<ServiceId, Service>& services() const { return services_; }

 private:
  class Device;
  int openDevice(ServiceId id);
  int prepareEvents(ServiceId id);
  int setReportHandler(ServiceId id, std::uint8_t* buffer, quint32 size,
                       HIDDevice::ReportHandler handler);
  void closeDevice(ServiceId id);

  std::shared_ptr<ServiceIdAllocator> ids_;
  std::map<ServiceId, Service> services_;
  std::vector<std::pair<MatchingCriteria, ServiceHandler>> firstMatch_;
  std::vector<std::pair<MatchingCriteria, ServiceHandler>> termination_;
};

}  // namespace halvane

#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <map>
#include <utility>
#include <vector>

namespace halvane {

// Scripted services: a test attaches and detaches services with given properties, makes
// steps fail, and sends reports; every call is recorded.
class FakeHIDDeviceRegistry : public HIDDeviceRegistry {
 public:
  struct Service {
    MatchingCriteria properties;
    int createStatus = 0;       // non-zero: createDeviceInterface fails with it
    int openStatus = 0;         // non-zero: open fails with it
    int eventSourceStatus = 0;  // non-zero: createAsyncEventSource fails with it
    int handlerStatus = 0;      // non-zero: setInterruptReportHandler fails with it
  };

  // Attaches a service and fires the matching first-match handlers. Returns its id.
  ServiceId attach(const Service& service);
  ServiceId attach(const MatchingCriteria& properties) { return attach(Service{properties}); }
  // Detaches a service and fires the matching termination handlers.
  void detach(ServiceId service);
  // Delivers one report to the service's handler, as the device would. False when the service
  // has no registered report handler.
  bool sendReport(ServiceId service, const std::vector<std::uint8_t>& bytes,
                  int result = kIOReturnSuccess);

  void addFirstMatchNotification(const MatchingCriteria& criteria, ServiceHandler handler) override;
  void addTerminationNotification(const MatchingCriteria& criteria,
                                  ServiceHandler handler) override;
  std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) override;
  int setProperties(ServiceId service, const DriverSettings& settings) override;

  std::vector<MatchingCriteria> firstMatchRegistrations;
  std::vector<MatchingCriteria> terminationRegistrations;
  std::vector<std::pair<ServiceId, DriverSettings>> propertiesSet;
  int liveDevices = 0;  // device interfaces created and not yet destroyed

 private:
  class Device;
  struct Attached {
    Service service;
    std::uint8_t* buffer = nullptr;
    quint32 bufferSize = 0;
    HIDDevice::ReportHandler handler;
  };
  std::vector<std::pair<MatchingCriteria, ServiceHandler>> firstMatch_;
  std::vector<std::pair<MatchingCriteria, ServiceHandler>> termination_;
  std::map<ServiceId, Attached> services_;
  ServiceId nextId_ = 0x1001;
};

}  // namespace halvane

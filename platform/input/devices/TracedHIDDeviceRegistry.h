#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedHIDDeviceRegistry : public HIDDeviceRegistry {
 public:
  TracedHIDDeviceRegistry(HIDDeviceRegistry& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  void addFirstMatchNotification(const MatchingCriteria& criteria,
                                 ServiceHandler handler) override {
    inner_.addFirstMatchNotification(criteria, std::move(handler));
  }
  void addTerminationNotification(const MatchingCriteria& criteria,
                                  ServiceHandler handler) override {
    inner_.addTerminationNotification(criteria, std::move(handler));
  }
  std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) override {
    return inner_.createDeviceInterface(service, status);
  }
  int setProperties(ServiceId service, const DriverSettings& settings) override {
    trace_.write(TraceEvent("driverProperties")
                     .add("service", QString::number(service))
                     .add("SwapCmdAlt", settings.swapCmdAlt)
                     .add("MacroMask", settings.macroMask));
    return inner_.setProperties(service, settings);
  }

 private:
  HIDDeviceRegistry& inner_;
  Trace& trace_;
};

}  // namespace halvane

#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace halvane {

// Identifies one matched device interface (one per keyboard interface) for as long as it is
// attached; never reused within a process.
using ServiceId = quint32;

// What a keyboard interface must carry to match.
struct MatchingCriteria {
  int vendorID = 0;
  int productID = 0;
  int primaryUsagePage = 0;
  int primaryUsage = 0;
  bool operator==(const MatchingCriteria&) const = default;
};

// The two per-profile switches the keyboard's driver takes.
struct DriverSettings {
  qint32 swapCmdAlt = 0;
  qint32 macroMask = 0;
  bool operator==(const DriverSettings&) const = default;
};

// Read statuses handed to a report handler.
inline constexpr int kIOReturnSuccess = 0;
inline constexpr int kIOReturnUnderrun = int(0xE00002E7);

// An open-able interface on one matched device.
class HIDDevice {
 public:
  // Called on the main loop after each input report has been written into the buffer given to
  // setInterruptReportHandler: the read's status and the number of bytes written.
  using ReportHandler = std::function<void(int result, quint32 bufferSize)>;

  virtual ~HIDDevice() = default;
  // Opens the device (not seized). 0 on success, an error status otherwise.
  virtual int open() = 0;
  // Prepares delivery of reports on the main loop. 0 on success.
  virtual int createAsyncEventSource() = 0;
  // From now on each report is written into buffer (at most size bytes) and handler is called.
  // The buffer must outlive the device. 0 on success.
  virtual int setInterruptReportHandler(std::uint8_t* buffer, quint32 size,
                                        ReportHandler handler) = 0;
};

// Finds keyboard interfaces, present and hot-plugged, and hands their driver settings over.
class HIDDeviceRegistry {
 public:
  using ServiceHandler = std::function<void(ServiceId)>;

  virtual ~HIDDeviceRegistry() = default;
  // Calls handler at once for every matching interface already present, then on the main loop
  // for each matching interface that appears later.
  virtual void addFirstMatchNotification(const MatchingCriteria& criteria,
                                         ServiceHandler handler) = 0;
  // Calls handler on the main loop for each matching interface that goes away.
  virtual void addTerminationNotification(const MatchingCriteria& criteria,
                                          ServiceHandler handler) = 0;
  // Creates the device interface for a matched service; nullptr with *status set on failure.
  virtual std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) = 0;
  // Hands the driver settings to the service's driver. 0 on success (callers may ignore it).
  virtual int setProperties(ServiceId service, const DriverSettings& settings) = 0;
};

}  // namespace halvane

#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace halvane::test {

inline const MatchingCriteria kKeyboardInterface{0x1209, 0x4856, 0x01, 0x06};
inline const MatchingCriteria kConsumerInterface{0x1209, 0x4856, 0x0C, 0x01};

// The tests run on a Qt loop; one application for the whole program.
inline void ensureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "device_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
}

// Runs the loop until condition holds; false after timeoutMs. Returns as soon as it holds.
template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = 5000) {
  return QTest::qWaitFor(condition, timeoutMs);
}

inline int openDescriptorCount() {
  return int(QDir(QStringLiteral("/proc/self/fd")).count());
}

// A device interface opened the way the controller opens one: a 32-byte report area inside a
// larger buffer whose tail must never be written.
struct OpenedDevice {
  static constexpr quint32 kReportArea = 32;
  static constexpr std::uint8_t kGuard = 0xAA;
  std::unique_ptr<HIDDevice> device;
  std::array<std::uint8_t, 48> buffer{};
  std::vector<std::vector<std::uint8_t>> reports;
  std::vector<int> statuses;
  int createStatus = -1, openStatus = -1, eventStatus = -1, handlerStatus = -1;

  bool open(HIDDeviceRegistry& registry, ServiceId id) {
    buffer.fill(kGuard);
    device = registry.createDeviceInterface(id, &createStatus);
    if (!device) return false;
    openStatus = device->open();
    if (openStatus) return false;
    eventStatus = device->createAsyncEventSource();
    handlerStatus = device->setInterruptReportHandler(
        buffer.data(), kReportArea, [this](int status, quint32 size) {
          statuses.push_back(status);
          reports.emplace_back(buffer.begin(), buffer.begin() + size);
        });
    return eventStatus == 0 && handlerStatus == 0;
  }
  bool guardIntact() const {
    for (std::size_t i = kReportArea; i < buffer.size(); ++i)
      if (buffer[i] != kGuard) return false;
    return true;
  }
};

// Every first match and termination for the criteria it watches, in order; with open, each
// matched service is also opened as the controller would.
struct Notifications {
  std::vector<ServiceId> matched;
  std::vector<ServiceId> terminated;
  std::map<ServiceId, OpenedDevice> devices;
  void watch(HIDDeviceRegistry& registry, const MatchingCriteria& criteria, bool open = false) {
    registry.addFirstMatchNotification(criteria, [this, &registry, open](ServiceId id) {
      matched.push_back(id);
      if (open) devices[id].open(registry, id);
    });
    registry.addTerminationNotification(criteria,
                                        [this](ServiceId id) { terminated.push_back(id); });
  }
  OpenedDevice& first() { return devices[matched.at(0)]; }
};

}  // namespace halvane::test

#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QString>

#include <functional>
#include <vector>

namespace halvane {

// Where hidraw nodes come from: libudev on a real system, a script in tests.
class HidrawDiscovery {
 public:
  struct Node {
    QString syspath;  // identifies the node while it exists
    QString devnode;  // /dev/hidrawN
    MatchingCriteria properties;
  };
  using Added = std::function<void(const Node&)>;
  using Removed = std::function<void(const QString& syspath)>;

  virtual ~HidrawDiscovery() = default;
  // Starts watching (added and removed are then called from the main loop) and only then lists
  // the nodes present, so a node plugged in meanwhile is reported at least once. Called once.
  virtual std::vector<Node> start(Added added, Removed removed) = 0;
};

}  // namespace halvane

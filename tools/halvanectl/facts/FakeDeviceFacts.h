#pragma once

#include "tools/halvanectl/facts/DeviceFacts.h"

namespace halvane {

// DeviceFacts a test sets up: nodes, access by devnode (Missing when not listed), key codes by
// devnode (not askable when not listed) and hwdb properties by modalias prefix.
class FakeDeviceFacts : public DeviceFacts {
 public:
  std::vector<Node> hidNodes(const QString& subsystem) override { return nodes.value(subsystem); }
  std::optional<Node> miscNode(const QString& name) override {
    if (!misc.contains(name)) return std::nullopt;
    return misc.value(name);
  }
  Access access(const QString& devnode) override {
    return accessByNode.value(devnode, Access::Missing);
  }
  std::optional<int> keyCode(const QString& devnode, quint32 scanCode) override {
    if (!keyCodes.contains(devnode)) return std::nullopt;
    return keyCodes.value(devnode).value(scanCode);
  }
  QMap<QString, QString> hwdbProperties(const QString& modalias) override {
    for (auto it = hwdb.cbegin(); it != hwdb.cend(); ++it)
      if (modalias.startsWith(it.key())) return it.value();
    return {};
  }

  QMap<QString, std::vector<Node>> nodes;  // by subsystem
  QMap<QString, Node> misc;
  QMap<QString, Access> accessByNode;
  QMap<QString, QMap<quint32, int>> keyCodes;
  QMap<QString, QMap<QString, QString>> hwdb;
};

}  // namespace halvane

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace halvane {

// What the kernel and udev say about device nodes, for halvanectl doctor: the nodes themselves,
// the calling user's access to them, the keyboard map of an input node and the hwdb.
class DeviceFacts {
 public:
  struct Node {
    QString devnode;  // /dev/hidraw3, /dev/input/event7, /dev/uinput
    QString
        hidDevice;  // kernel name of the HID device above it, "0003:1209:4856.0001"; may be empty
    QStringList tags;                   // udev's current tags (CURRENT_TAGS, else TAGS)
    QMap<QString, QString> properties;  // udev properties, the hwdb's KEYBOARD_KEY_* among them
  };
  enum class Access { Missing, None, ReadOnly, WriteOnly, ReadWrite };

  // evdev's KEY_SLEEP, what the kernel makes of usage 0x700f8 without our hwdb entry.
  static constexpr int kKeySleep = 142;

  virtual ~DeviceFacts() = default;
  // Nodes of subsystem ("hidraw", "input") that have a HID device above them; for "input" only
  // the event nodes.
  virtual std::vector<Node> hidNodes(const QString& subsystem) = 0;
  // The misc device of that name ("uinput"), when udev knows it.
  virtual std::optional<Node> miscNode(const QString& name) = 0;
  // What the calling user may do with devnode.
  virtual Access access(const QString& devnode) = 0;
  // The key code devnode's keyboard map gives scanCode; nothing when the node cannot be asked.
  virtual std::optional<int> keyCode(const QString& devnode, quint32 scanCode) = 0;
  // The properties the compiled hwdb holds for modalias.
  virtual QMap<QString, QString> hwdbProperties(const QString& modalias) = 0;
};

}  // namespace halvane

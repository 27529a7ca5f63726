#include "tools/halvanectl/facts/UdevDeviceFacts.h"

#include <QFile>

#include <fcntl.h>
#include <libudev.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>

namespace halvane {

static_assert(DeviceFacts::kKeySleep == KEY_SLEEP);

namespace {

QString text(const char* value) {
  return value ? QString::fromUtf8(value) : QString();
}

QMap<QString, QString> entries(udev_list_entry* first) {
  QMap<QString, QString> map;
  udev_list_entry* entry;
  udev_list_entry_foreach(entry, first) {
    map.insert(text(udev_list_entry_get_name(entry)), text(udev_list_entry_get_value(entry)));
  }
  return map;
}

DeviceFacts::Node describe(udev_device* device) {
  DeviceFacts::Node node;
  node.devnode = QFile::decodeName(udev_device_get_devnode(device));
  if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr))
    node.hidDevice = text(udev_device_get_sysname(hid));
  node.properties = entries(udev_device_get_properties_list_entry(device));
  // CURRENT_TAGS are the tags the last rule run set; TAGS keeps every tag ever set, and is all
  // that udev before version 247 records.
  const QString tags = node.properties.value(QStringLiteral("CURRENT_TAGS"),
                                             node.properties.value(QStringLiteral("TAGS")));
  node.tags = tags.split(u':', Qt::SkipEmptyParts);
  return node;
}

}  // namespace

UdevDeviceFacts::UdevDeviceFacts() : udev_(udev_new()) {}

UdevDeviceFacts::~UdevDeviceFacts() {
  if (udev_) udev_unref(udev_);
}

std::vector<DeviceFacts::Node> UdevDeviceFacts::hidNodes(const QString& subsystem) {
  std::vector<Node> nodes;
  if (!udev_) return nodes;
  udev_enumerate* enumerate = udev_enumerate_new(udev_);
  if (!enumerate) return nodes;
  udev_enumerate_add_match_subsystem(enumerate, subsystem.toUtf8().constData());
  if (subsystem == QLatin1String("input")) udev_enumerate_add_match_sysname(enumerate, "event*");
  udev_enumerate_scan_devices(enumerate);
  udev_list_entry* entry;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
    udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
    if (!device) continue;
    if (udev_device_get_devnode(device)) {
      Node node = describe(device);
      if (!node.hidDevice.isEmpty()) nodes.push_back(std::move(node));
    }
    udev_device_unref(device);
  }
  udev_enumerate_unref(enumerate);
  return nodes;
}

std::optional<DeviceFacts::Node> UdevDeviceFacts::miscNode(const QString& name) {
  if (!udev_) return std::nullopt;
  udev_device* device =
      udev_device_new_from_subsystem_sysname(udev_, "misc", name.toUtf8().constData());
  if (!device) return std::nullopt;
  std::optional<Node> node;
  if (udev_device_get_devnode(device)) node = describe(device);
  udev_device_unref(device);
  return node;
}

DeviceFacts::Access UdevDeviceFacts::access(const QString& devnode) {
  const QByteArray path = QFile::encodeName(devnode);
  if (::access(path.constData(), F_OK) != 0) return Access::Missing;
  const bool read = ::access(path.constData(), R_OK) == 0;
  const bool write = ::access(path.constData(), W_OK) == 0;
  if (read && write) return Access::ReadWrite;
  if (read) return Access::ReadOnly;
  return write ? Access::WriteOnly : Access::None;
}

std::optional<int> UdevDeviceFacts::keyCode(const QString& devnode, quint32 scanCode) {
  const int fd = ::open(QFile::encodeName(devnode).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  input_keymap_entry entry{};
  entry.len = sizeof(scanCode);
  std::memcpy(entry.scancode, &scanCode, sizeof(scanCode));
  std::optional<int> code;
  if (::ioctl(fd, EVIOCGKEYCODE_V2, &entry) == 0) code = int(entry.keycode);
  ::close(fd);
  return code;
}

QMap<QString, QString> UdevDeviceFacts::hwdbProperties(const QString& modalias) {
  QMap<QString, QString> properties;
  if (!udev_) return properties;
  udev_hwdb* hwdb = udev_hwdb_new(udev_);
  if (!hwdb) return properties;
  properties = entries(udev_hwdb_get_properties_list_entry(hwdb, modalias.toUtf8().constData(), 0));
  udev_hwdb_unref(hwdb);
  return properties;
}

}  // namespace halvane

#include "platform/input/devices/UdevHidrawDiscovery.h"

#include "platform/input/devices/HidrawIdentity.h"
#include "platform/input/devices/ReportDescriptor.h"

#include <QFile>
#include <QSocketNotifier>
#include <QtDebug>

#include <fcntl.h>
#include <libudev.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace halvane {

namespace {

QByteArray bytesOrEmpty(const char* text) {
  return text ? QByteArray(text) : QByteArray();
}

std::vector<std::uint8_t> descriptorFromSysfs(udev_device* hid) {
  QFile file(QFile::decodeName(udev_device_get_syspath(hid)) +
             QStringLiteral("/report_descriptor"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(HID_MAX_DESCRIPTOR_SIZE);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> descriptorFromNode(const QByteArray& devnode) {
  const int fd = ::open(devnode.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  int size = 0;
  hidraw_report_descriptor descriptor{};
  std::vector<std::uint8_t> bytes;
  if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
    descriptor.size = quint32(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0)
      bytes.assign(descriptor.value, descriptor.value + descriptor.size);
  }
  ::close(fd);
  return bytes;
}

}  // namespace

std::optional<HidrawDiscovery::Node> describeHidraw(udev_device* device) {
  const char* devnode = udev_device_get_devnode(device);
  const char* syspath = udev_device_get_syspath(device);
  if (!devnode || !syspath) return std::nullopt;
  HidrawDiscovery::Node node{QFile::decodeName(syspath), QFile::decodeName(devnode), {}};

  udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
  if (hid) {
    if (auto ids = hid::parseHidId(bytesOrEmpty(udev_device_get_property_value(hid, "HID_ID")))) {
      node.properties.vendorID = ids->vendorID;
      node.properties.productID = ids->productID;
    }
  }
  if (!node.properties.vendorID) {
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (usb) {
      node.properties.vendorID =
          hid::parseUsbIdAttribute(bytesOrEmpty(udev_device_get_sysattr_value(usb, "idVendor")))
              .value_or(0);
      node.properties.productID =
          hid::parseUsbIdAttribute(bytesOrEmpty(udev_device_get_sysattr_value(usb, "idProduct")))
              .value_or(0);
    }
  }
  std::vector<std::uint8_t> descriptor =
      hid ? descriptorFromSysfs(hid) : std::vector<std::uint8_t>{};
  if (descriptor.empty()) descriptor = descriptorFromNode(QByteArray(devnode));
  if (const auto usage = hid::primaryUsage(descriptor)) {
    node.properties.primaryUsagePage = usage->usagePage;
    node.properties.primaryUsage = usage->usage;
  }
  return node;
}

UdevHidrawDiscovery::UdevHidrawDiscovery() : udev_(udev_new()) {
  if (!udev_) qWarning("hidraw: udev is not available; no hardware keyboards will be found");
}

UdevHidrawDiscovery::~UdevHidrawDiscovery() {
  notifier_.reset();
  if (monitor_) udev_monitor_unref(monitor_);
  if (udev_) udev_unref(udev_);
}

std::vector<HidrawDiscovery::Node> UdevHidrawDiscovery::start(Added added, Removed removed) {
  std::vector<Node> nodes;
  if (!udev_ || monitor_) return nodes;
  added_ = std::move(added);
  removed_ = std::move(removed);

  // The monitor first: a node that appears while we enumerate is then reported by both, and the
  // registry keeps one of them.
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (monitor_ &&
      udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) == 0 &&
      udev_monitor_enable_receiving(monitor_) == 0) {
    notifier_ =
        std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { receive(); });
  } else {
    qWarning("hidraw: cannot watch for keyboards plugged in later");
  }

  udev_enumerate* enumerate = udev_enumerate_new(udev_);
  if (!enumerate) return nodes;
  udev_enumerate_add_match_subsystem(enumerate, "hidraw");
  udev_enumerate_scan_devices(enumerate);
  udev_list_entry* entry;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
    udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
    if (!device) continue;
    if (auto node = describeHidraw(device)) nodes.push_back(std::move(*node));
    udev_device_unref(device);
  }
  udev_enumerate_unref(enumerate);
  return nodes;
}

void UdevHidrawDiscovery::receive() {
  udev_device* device = udev_monitor_receive_device(monitor_);
  if (!device) return;
  const char* action = udev_device_get_action(device);
  if (action && std::strcmp(action, "add") == 0) {
    if (auto node = describeHidraw(device)) added_(*node);
  } else if (action && std::strcmp(action, "remove") == 0) {
    if (const char* syspath = udev_device_get_syspath(device)) removed_(QFile::decodeName(syspath));
  }
  udev_device_unref(device);
}

}  // namespace halvane

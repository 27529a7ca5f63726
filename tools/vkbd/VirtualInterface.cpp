#include "tools/vkbd/VirtualInterface.h"

#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "shared/KeyboardIdentity.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

namespace halvane::vkbd {

MatchingCriteria keyboardInterfaceProperties(int productID) {
  return {keyboard::kVendorID, productID, 0x01, 0x06};  // Generic Desktop, Keyboard
}

MatchingCriteria consumerInterfaceProperties(int productID) {
  return {keyboard::kVendorID, productID, 0x0C, 0x01};  // Consumer, Consumer Control
}

QByteArray keyboardReport(const std::vector<std::uint8_t>& heldKeys) {
  constexpr qsizetype kReportSize = 8, kFirstKeySlot = 2;
  QByteArray report(kReportSize, '\0');
  for (qsizetype i = 0; i < qsizetype(heldKeys.size()) && kFirstKeySlot + i < kReportSize; ++i)
    report[kFirstKeySlot + i] = char(heldKeys[size_t(i)]);
  return report;
}

QByteArray consumerReport(std::uint8_t mediaKey) {
  QByteArray report(3, '\0');
  report[1] = char(mediaKey);
  return report;
}

VirtualInterface::VirtualInterface(const QString& folder, const MatchingCriteria& properties,
                                   const QString& name)
    : path_(folder + u'/' + interfaceName(properties, name)) {}

VirtualInterface::~VirtualInterface() {
  connections_.clear();
  notifier_.reset();
  if (listener_ >= 0) {
    removeInterface(path_, inode_);
    ::close(listener_);
  }
}

QString VirtualInterface::fileName() const {
  return QFileInfo(path_).fileName();
}

bool VirtualInterface::listen(QString* error) {
  const ListeningInterface created = listenInterface(path_);
  if (created.fd < 0) {
    if (error) *error = created.error;
    return false;
  }
  listener_ = created.fd;
  inode_ = created.inode;
  notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { accept(); });
  return true;
}

void VirtualInterface::accept() {
  const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return;
  Connection& connection = connections_.emplace_back();
  Connection* added = &connection;
  // The channel may not be destroyed inside its own read: drop the connection from the loop.
  connection.channel = std::make_unique<ReportChannel>(fd, [this, added] {
    QMetaObject::invokeMethod(
        this, [this, added] { drop(added); }, Qt::QueuedConnection);
  });
  connection.channel->setReportHandler(
      connection.buffer.data(), quint32(connection.buffer.size()),
      [this, added](int, quint32 size) {
        if (onDatagram)
          onDatagram(
              QByteArray(reinterpret_cast<const char*>(added->buffer.data()), qsizetype(size)));
      });
  if (onConnectionsChanged) onConnectionsChanged();
}

void VirtualInterface::drop(Connection* connection) {
  const auto before = connections_.size();
  connections_.remove_if([connection](const Connection& c) { return &c == connection; });
  if (connections_.size() != before && onConnectionsChanged) onConnectionsChanged();
}

int VirtualInterface::send(QByteArrayView report) {
  int reached = 0;
  for (const Connection& connection : connections_)
    if (::send(connection.channel->fd(), report.data(), std::size_t(report.size()),
               MSG_NOSIGNAL | MSG_DONTWAIT) >= 0)
      ++reached;
  return reached;
}

}  // namespace halvane::vkbd

#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"
#include "platform/input/devices/ReportChannel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include <array>
#include <functional>
#include <list>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace halvane::vkbd {

// What the keyboard's two interfaces announce: the vendor's keyboard and its consumer control.
MatchingCriteria keyboardInterfaceProperties(int productID);
MatchingCriteria consumerInterfaceProperties(int productID);

// The reports the two interfaces send: the keyboard's holds up to six keys after its modifier
// and reserved bytes; the consumer's holds one media key (0: none).
QByteArray keyboardReport(const std::vector<std::uint8_t>& heldKeys);
QByteArray consumerReport(std::uint8_t mediaKey);

// The keyboard's side of one virtual keyboard interface: the listening socket, the helpers
// connected to it, reports out and driver settings in. Lives on the Qt loop.
class VirtualInterface : public QObject {
 public:
  VirtualInterface(const QString& folder, const MatchingCriteria& properties, const QString& name);
  // Removes the socket file (only if it is still ours) and closes every connection.
  ~VirtualInterface() override;

  // Creates the socket file. False with *error set when it cannot.
  bool listen(QString* error);
  const QString& path() const { return path_; }
  QString fileName() const;
  int connectionCount() const { return int(connections_.size()); }
  // Sends one report to every connected helper; returns how many got it.
  int send(QByteArrayView report);

  // Each datagram a helper sends.
  std::function<void(const QByteArray&)> onDatagram;
  // A helper connected or disconnected.
  std::function<void()> onConnectionsChanged;

 private:
  struct Connection {
    std::unique_ptr<ReportChannel> channel;
    std::array<std::uint8_t, 256> buffer{};
  };
  void accept();
  void drop(Connection* connection);

  QString path_;
  int listener_ = -1;
  quint64 inode_ = 0;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::list<Connection> connections_;
};

}  // namespace halvane::vkbd

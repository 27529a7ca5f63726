#pragma once

#include "platform/system/unixsocket/UnixSocket.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <cstdint>

namespace halvane {

// A client of sway's IPC socket (SWAYSOCK) that follows which window sway focuses: the focused
// container of `get_tree` at start, then every `window` event with change "focus".
class SwayIpc : public QObject {
  Q_OBJECT

 public:
  struct Window {
    QString appId;  // app_id, or the X class of an XWayland window
    std::int64_t pid = 0;
  };

  explicit SwayIpc(const QString& socketPath, QObject* parent = nullptr);
  bool isConnected() const { return socket_.isConnected(); }

  // The container in sway's reply or event JSON, as a Window.
  static Window windowFromContainer(const QJsonObject& container);
  // The focused window in a get_tree reply; empty appId when nothing is focused.
  static Window focusedInTree(const QJsonObject& node);

 signals:
  void focused(const halvane::SwayIpc::Window& window);
  void disconnected();

 private:
  void send(std::uint32_t type, const QByteArray& payload);
  void readMessages();
  void handle(std::uint32_t type, const QByteArray& payload);

  UnixSocket socket_;
  bool connected_ = false;
  QByteArray buffer_;
};

}  // namespace halvane

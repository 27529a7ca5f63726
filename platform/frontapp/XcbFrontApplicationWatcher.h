#pragma once

#include "platform/frontapp/FrontApplicationWatcher.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

struct xcb_connection_t;
class QSocketNotifier;

namespace halvane {

// The front application as the window manager announces it: _NET_ACTIVE_WINDOW on the root
// window names the active window, whose _NET_WM_PID names its process. Changes arrive as
// property events on the main loop, through a connection of the watcher's own.
class XcbFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  // Nothing when the display cannot be reached; whyNot then says so. display: an X display
  // name, or nothing for $DISPLAY.
  static std::unique_ptr<XcbFrontApplicationWatcher> connect(QString* whyNot,
                                                             const char* display = nullptr);
  ~XcbFrontApplicationWatcher() override;
  XcbFrontApplicationWatcher(const XcbFrontApplicationWatcher&) = delete;
  XcbFrontApplicationWatcher& operator=(const XcbFrontApplicationWatcher&) = delete;

  // The handler runs when the active window belongs to another process than before; moving
  // between windows of one application is no switch, as on the Mac.
  void setFrontSwitchedHandler(std::function<void()> handler) override;
  // The realpath of the active window's process executable; nothing for no active window, a
  // window without a process id, a process on another machine, or an executable that cannot be
  // read (another user's, or deleted).
  std::optional<QString> frontApplicationPath() override;

  // Handles the events the server has sent. The Qt event loop calls it whenever the connection
  // has data; tests without a loop may call it themselves.
  void dispatchPendingEvents();

 private:
  // Who is in front: the local process id, or the window itself when it names no local process.
  struct Front {
    std::uint32_t window = 0;
    std::uint32_t pid = 0;
    bool operator==(const Front& other) const {
      return pid ? pid == other.pid : (other.pid == 0 && window == other.window);
    }
  };

  XcbFrontApplicationWatcher(xcb_connection_t* connection, std::uint32_t root);
  std::uint32_t internAtom(const char* name);
  std::optional<std::uint32_t> cardinalProperty(std::uint32_t window, std::uint32_t property,
                                                std::uint32_t type);
  QByteArray stringProperty(std::uint32_t window, std::uint32_t property);
  Front currentFront();
  void dispatchSoon();

  xcb_connection_t* connection_;
  std::uint32_t root_;
  std::uint32_t netActiveWindow_ = 0, netWmPid_ = 0, wmClientMachine_ = 0;
  QByteArray hostName_;
  Front front_;
  std::function<void()> handler_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

// The realpath of /proc/<pid>/exe; nothing when it cannot be read.
std::optional<QString> executablePathOfProcess(std::int64_t pid);

}  // namespace halvane

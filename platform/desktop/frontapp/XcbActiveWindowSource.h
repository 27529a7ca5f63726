#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

struct xcb_connection_t;
class QSocketNotifier;

namespace halvane {

// The active window as an X11 window manager announces it: _NET_ACTIVE_WINDOW on the root
// window, and the window's WM_CLASS, _GTK_APPLICATION_ID, _KDE_NET_WM_DESKTOP_FILE and
// _NET_WM_PID (kept only when WM_CLIENT_MACHINE is this machine). Changes arrive as property
// events on the main loop, through a connection of the source's own.
class XcbActiveWindowSource : public ActiveWindowSource {
 public:
  // Nothing when the display cannot be reached; whyNot then says so. display: an X display
  // name, or nothing for $DISPLAY.
  static std::unique_ptr<XcbActiveWindowSource> connect(QString* whyNot,
                                                        const char* display = nullptr);
  ~XcbActiveWindowSource() override;
  XcbActiveWindowSource(const XcbActiveWindowSource&) = delete;
  XcbActiveWindowSource& operator=(const XcbActiveWindowSource&) = delete;

  // The handler runs on every change of _NET_ACTIVE_WINDOW, with the window it names then.
  void setActiveWindowHandler(Handler handler) override;
  std::optional<WindowFacts> activeWindow() const override;
  QString backendName() const override { return QStringLiteral("x11"); }

  // Handles the events the server has sent. The Qt event loop calls it whenever the connection
  // has data; tests without a loop may call it themselves.
  void dispatchPendingEvents();

 private:
  XcbActiveWindowSource(xcb_connection_t* connection, std::uint32_t root);
  std::uint32_t internAtom(const char* name);
  std::optional<std::uint32_t> cardinalProperty(std::uint32_t window, std::uint32_t property,
                                                std::uint32_t type) const;
  QByteArray stringProperty(std::uint32_t window, std::uint32_t property) const;
  void dispatchSoon() const;

  xcb_connection_t* connection_;
  std::uint32_t root_;
  std::uint32_t netActiveWindow_ = 0, netWmPid_ = 0, gtkApplicationId_ = 0, kdeDesktopFile_ = 0;
  QByteArray hostName_;
  Handler handler_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace halvane

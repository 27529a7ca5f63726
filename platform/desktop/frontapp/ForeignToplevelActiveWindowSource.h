#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"

#include <QObject>

#include <map>
#include <memory>

struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;
struct wl_array;

namespace halvane {

class WaylandConnection;

// The activated toplevel as zwlr_foreign_toplevel_manager_v1 tells it (sway, labwc, wayfire,
// river, older Hyprland): each toplevel's app_id and activated state, taken as a whole at its
// `done` event. The protocol names no pid.
class ForeignToplevelActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  // Null when the compositor does not offer the manager.
  static std::unique_ptr<ForeignToplevelActiveWindowSource> create(
      std::shared_ptr<WaylandConnection> connection);
  ~ForeignToplevelActiveWindowSource() override;

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("wlroots"); }

  // How many toplevels the compositor has announced and not closed.
  std::size_t toplevelCount() const { return toplevels_.size(); }

 private:
  struct Toplevel {
    QString appId, pendingAppId;
    bool activated = false, pendingActivated = false;
    std::uint64_t activatedAt = 0;  // order of activation, newest wins when several claim it
  };
  ForeignToplevelActiveWindowSource(std::shared_ptr<WaylandConnection> connection,
                                    zwlr_foreign_toplevel_manager_v1* manager);
  void scheduleUpdate();
  void update();
  void dropAll();

  static void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                         zwlr_foreign_toplevel_handle_v1* handle);
  static void onFinished(void* data, zwlr_foreign_toplevel_manager_v1*);
  static void onAppId(void* data, zwlr_foreign_toplevel_handle_v1* handle, const char* appId);
  static void onState(void* data, zwlr_foreign_toplevel_handle_v1* handle, ::wl_array* state);
  static void onDone(void* data, zwlr_foreign_toplevel_handle_v1* handle);
  static void onClosed(void* data, zwlr_foreign_toplevel_handle_v1* handle);

  std::shared_ptr<WaylandConnection> connection_;
  zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
  std::map<::zwlr_foreign_toplevel_handle_v1*, Toplevel> toplevels_;
  std::uint64_t activations_ = 0;
  bool updateQueued_ = false;
  zwlr_foreign_toplevel_handle_v1* activeHandle_ = nullptr;
  std::optional<WindowFacts> active_;
  Handler handler_;
};

}  // namespace halvane

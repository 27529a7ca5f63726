#pragma once

#include "platform/desktop/overlay/OverlaySurface.h"
#include "platform/desktop/probe/SessionProbe.h"

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <memory>

struct wl_buffer;
struct wl_compositor;
struct wl_output;
struct wl_pointer;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace halvane {

class WaylandConnection;

// The overlay as a layer-shell surface (zwlr_layer_shell_v1: KDE Plasma, wlroots desktops,
// Hyprland) on the overlay layer, above fullscreen windows, anchored to the bottom-right corner
// with no exclusive zone, so the compositor keeps it clear of panels. The window's frame becomes
// the surface's margins; its pixels are painted with QPainter into one of two wl_shm buffers at
// the output's scale, with the alpha applied on each fade tick. At alpha 0 the input region is
// empty, so clicks pass through; otherwise pointer presses and moves go to the window as Qt mouse
// events, and its dragging moves the frame.
class LayerShellOverlaySurface : public OverlaySurface {
 public:
  // Why the session's compositor cannot have the surface; empty when it can.
  static QString unavailableReason(const SessionProbe& probe);
  // Nothing when the compositor lacks what the surface needs; *whyNot then says why. `onSway`:
  // sway's pointer grab keeps the press's origin (known from SWAYSOCK).
  static std::unique_ptr<LayerShellOverlaySurface> create(
      std::shared_ptr<WaylandConnection> connection, QString* whyNot, bool onSway = false);
  ~LayerShellOverlaySurface() override;
  LayerShellOverlaySurface(const LayerShellOverlaySurface&) = delete;
  LayerShellOverlaySurface& operator=(const LayerShellOverlaySurface&) = delete;

  void attach(QWidget& window) override { window_ = &window; }
  void setShown(bool shown) override;
  void setText(const QString& text) override;
  void setAlpha(float alpha) override;
  void setFrame(const QRect& frame) override;
  // The first output's size in logical pixels, at the origin.
  QRect screenFrame() const override;

  // Whether the compositor has configured the surface (and the first frame can be drawn).
  bool isConfigured() const { return configured_; }
  // Frames committed so far, for tests and benchmarks.
  int committedFrames() const { return committedFrames_; }
  // The scale the buffers are drawn at: the scale of the output the surface is on.
  int bufferScale() const { return scale_; }
  // The margins the frame gives, against the bottom-right corner of screen.
  static QMargins marginsFor(const QRect& frame, const QRect& screen);

 private:
  struct Buffer {
    wl_buffer* buffer = nullptr;
    uchar* data = nullptr;
    bool busy = false;
  };

  LayerShellOverlaySurface(std::shared_ptr<WaylandConnection> connection, bool onSway);
  void createSurface();
  void destroySurface();
  bool ensureBuffers();
  void releaseBuffers();
  void renderContent();
  void paint();
  void applyInputRegion();
  void applyMargins();
  void applyScale(int scale);
  void sendMouse(int type, Qt::MouseButton button);

  static void onConfigure(void* data, zwlr_layer_surface_v1* surface, uint32_t serial,
                          uint32_t width, uint32_t height);
  static void onClosed(void* data, zwlr_layer_surface_v1* surface);
  static void onBufferRelease(void* data, wl_buffer* buffer);
  static void onSurfaceEnter(void* data, wl_surface* surface, wl_output* output);
  static void onSurfaceLeave(void* data, wl_surface* surface, wl_output* output);
  static void onOutputScale(void* data, wl_output* output, int32_t factor);
  static void onOutputMode(void* data, wl_output* output, uint32_t flags, int32_t width,
                           int32_t height, int32_t refresh);
  static void onSeatCapabilities(void* data, wl_seat* seat, uint32_t capabilities);
  static void onPointerEnter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface,
                             int32_t x, int32_t y);
  static void onPointerLeave(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface);
  static void onPointerMotion(void* data, wl_pointer* pointer, uint32_t time, int32_t x, int32_t y);
  static void onPointerButton(void* data, wl_pointer* pointer, uint32_t serial, uint32_t time,
                              uint32_t button, uint32_t state);

  std::shared_ptr<WaylandConnection> connection_;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  zwlr_layer_shell_v1* layerShell_ = nullptr;
  wl_seat* seat_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  struct Output {
    int scale = 1;
    QSize mode;  // device pixels
  };
  std::map<wl_output*, Output> outputs_;

  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layerSurface_ = nullptr;
  wl_output* output_ = nullptr;  // the one the surface entered last
  bool configured_ = false;
  int scale_ = 1;
  std::array<Buffer, 2> buffers_{};
  QSize bufferSize_;  // in device pixels
  uchar* pool_ = nullptr;
  size_t poolBytes_ = 0;

  QPointer<QWidget> window_;
  QImage content_;  // the window's pixels at the current scale
  bool contentDirty_ = true;
  bool paintPending_ = false;  // both buffers were busy: paint again on a release
  float alpha_ = 0.0f;
  QRect frame_;
  bool pointerInside_ = false;
  bool buttonDown_ = false;
  QPointF pointerPosition_;  // surface-local, logical pixels
  // While a button is held, sway gives pointer positions relative to where the surface was at
  // the press, however far it has moved since (KWin and plain wlroots: where it is now).
  bool grabKeepsPressOrigin_ = false;
  QPoint pressOrigin_;
  int committedFrames_ = 0;
};

}  // namespace halvane

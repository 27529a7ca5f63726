#include "platform/desktop/overlay/LayerShellOverlaySurface.h"

#include "platform/desktop/overlay/OverlayWindow.h"
#include "platform/desktop/wayland/WaylandConnection.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <wayland-client.h>
// The protocol names an argument "namespace", a C++ keyword.
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

namespace halvane {
namespace {

constexpr const char* kNamespace = "halvane-overlay";

}  // namespace

QString LayerShellOverlaySurface::unavailableReason(const SessionProbe& probe) {
  if (!probe.waylandConnected)
    return QCoreApplication::translate("LayerShellOverlaySurface", "no Wayland connection");
  for (const char* needed : {"zwlr_layer_shell_v1", "wl_compositor", "wl_shm"}) {
    if (!probe.waylandGlobals.contains(QLatin1String(needed)))
      return QCoreApplication::translate("LayerShellOverlaySurface", "the compositor has no %1")
          .arg(QString::fromLatin1(needed));
  }
  return {};
}

std::unique_ptr<LayerShellOverlaySurface> LayerShellOverlaySurface::create(
    std::shared_ptr<WaylandConnection> connection, QString* whyNot, bool onSway) {
  SessionProbe probe;
  probe.waylandConnected = connection && connection->isConnected();
  if (probe.waylandConnected) probe.waylandGlobals = connection->globalInterfaces();
  *whyNot = unavailableReason(probe);
  if (!whyNot->isEmpty()) return nullptr;
  return std::unique_ptr<LayerShellOverlaySurface>(
      new LayerShellOverlaySurface(std::move(connection), onSway));
}

LayerShellOverlaySurface::LayerShellOverlaySurface(std::shared_ptr<WaylandConnection> connection,
                                                   bool onSway)
    : connection_(std::move(connection)) {
  grabKeepsPressOrigin_ = onSway;
  compositor_ = connection_->bind<wl_compositor>(&wl_compositor_interface, 4);
  shm_ = connection_->bind<wl_shm>(&wl_shm_interface, 1);
  layerShell_ = connection_->bind<zwlr_layer_shell_v1>(&zwlr_layer_shell_v1_interface, 4);
  static const wl_output_listener outputListener{
      [](void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*,
         int32_t) {},
      &LayerShellOverlaySurface::onOutputMode,
      [](void*, wl_output*) {},
      &LayerShellOverlaySurface::onOutputScale,
      [](void*, wl_output*, const char*) {},
      [](void*, wl_output*, const char*) {}};
  for (const WaylandConnection::Global& global : connection_->globals()) {
    if (global.interface != QLatin1String("wl_output") || global.version < 2) continue;
    auto* output = static_cast<wl_output*>(
        wl_registry_bind(connection_->registry(), global.name, &wl_output_interface, 2));
    outputs_[output] = Output{};
    wl_output_add_listener(output, &outputListener, this);
  }
  seat_ = connection_->bind<wl_seat>(&wl_seat_interface, 5);
  if (seat_) {
    static const wl_seat_listener seatListener{&LayerShellOverlaySurface::onSeatCapabilities,
                                               [](void*, wl_seat*, const char*) {}};
    wl_seat_add_listener(seat_, &seatListener, this);
  }
  // The outputs' sizes, which place the surface, before anything is placed.
  connection_->roundtrip(std::chrono::milliseconds(1000));
}

LayerShellOverlaySurface::~LayerShellOverlaySurface() {
  destroySurface();
  if (pointer_) wl_pointer_release(pointer_);
  if (seat_) wl_seat_release(seat_);
  for (const auto& [output, facts] : outputs_) wl_output_release(output);
  if (layerShell_) zwlr_layer_shell_v1_destroy(layerShell_);
  if (shm_) wl_shm_destroy(shm_);
  if (compositor_) wl_compositor_destroy(compositor_);
  connection_->flush();
}

QMargins LayerShellOverlaySurface::marginsFor(const QRect& frame, const QRect& screen) {
  // Anchored bottom and right: only those two margins place the surface.
  return QMargins(0, 0, screen.x() + screen.width() - (frame.x() + frame.width()),
                  screen.y() + screen.height() - (frame.y() + frame.height()));
}

void LayerShellOverlaySurface::setShown(bool shown) {
  if (shown && !surface_) createSurface();
  if (!shown && surface_) destroySurface();
}

void LayerShellOverlaySurface::createSurface() {
  surface_ = wl_compositor_create_surface(compositor_);
  // Member by member: newer Wayland headers add events (version 6 on) that a surface of a
  // compositor bound at version 4 never receives.
  static const wl_surface_listener surfaceListener = [] {
    wl_surface_listener listener{};
    listener.enter = &LayerShellOverlaySurface::onSurfaceEnter;
    listener.leave = &LayerShellOverlaySurface::onSurfaceLeave;
    return listener;
  }();
  wl_surface_add_listener(surface_, &surfaceListener, this);
  layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(
      layerShell_, surface_, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, kNamespace);
  static const zwlr_layer_surface_v1_listener layerListener{&LayerShellOverlaySurface::onConfigure,
                                                            &LayerShellOverlaySurface::onClosed};
  zwlr_layer_surface_v1_add_listener(layerSurface_, &layerListener, this);
  const QSize size = window_ ? window_->size() : frame_.size();
  zwlr_layer_surface_v1_set_size(layerSurface_, uint32_t(size.width()), uint32_t(size.height()));
  zwlr_layer_surface_v1_set_anchor(
      layerSurface_, ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
  // Zero: the surface claims no room of its own, and is moved clear of the panels' room.
  zwlr_layer_surface_v1_set_exclusive_zone(layerSurface_, 0);
  zwlr_layer_surface_v1_set_keyboard_interactivity(layerSurface_, 0);
  applyMargins();
  applyInputRegion();
  // The first commit carries no buffer: the compositor answers with a configure.
  wl_surface_commit(surface_);
  connection_->flush();
}

void LayerShellOverlaySurface::destroySurface() {
  releaseBuffers();
  if (layerSurface_) zwlr_layer_surface_v1_destroy(layerSurface_);
  if (surface_) wl_surface_destroy(surface_);
  layerSurface_ = nullptr;
  surface_ = nullptr;
  output_ = nullptr;
  configured_ = false;
  pointerInside_ = buttonDown_ = false;
}

void LayerShellOverlaySurface::setText(const QString&) {
  contentDirty_ = true;
  // While transparent there is nothing new to see; the next alpha paints it.
  if (alpha_ > 0.0f) paint();
}

void LayerShellOverlaySurface::setAlpha(float alpha) {
  const bool inputChanged = (alpha_ <= 0.0f) != (alpha <= 0.0f);
  alpha_ = alpha;
  if (inputChanged) applyInputRegion();
  paint();
}

void LayerShellOverlaySurface::setFrame(const QRect& frame) {
  const bool moved = frame.topLeft() != frame_.topLeft();
  frame_ = frame;
  if (!moved || !layerSurface_) return;
  applyMargins();
  wl_surface_commit(surface_);
  connection_->flush();
}

void LayerShellOverlaySurface::applyMargins() {
  if (!layerSurface_) return;
  const QMargins margins = marginsFor(frame_, screenFrame());
  zwlr_layer_surface_v1_set_margin(layerSurface_, 0, margins.right(), margins.bottom(), 0);
}

void LayerShellOverlaySurface::applyInputRegion() {
  if (!surface_) return;
  if (alpha_ > 0.0f) {
    wl_surface_set_input_region(surface_, nullptr);  // the whole surface
    return;
  }
  wl_region* empty = wl_compositor_create_region(compositor_);
  wl_surface_set_input_region(surface_, empty);
  wl_region_destroy(empty);
}

bool LayerShellOverlaySurface::ensureBuffers() {
  const QSize logical = window_ ? window_->size() : frame_.size();
  const QSize size = logical * scale_;
  if (size == bufferSize_ && buffers_[0].buffer) return true;
  releaseBuffers();
  if (size.isEmpty()) return false;
  const int stride = size.width() * 4;
  const size_t bytes = size_t(stride) * size_t(size.height());
  const int fd = memfd_create(kNamespace, MFD_CLOEXEC);
  if (fd < 0) return false;
  if (ftruncate(fd, off_t(bytes * buffers_.size())) != 0) {
    close(fd);
    return false;
  }
  void* memory = mmap(nullptr, bytes * buffers_.size(), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (memory == MAP_FAILED) {
    close(fd);
    return false;
  }
  pool_ = static_cast<uchar*>(memory);
  poolBytes_ = bytes * buffers_.size();
  wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, int32_t(poolBytes_));
  static const wl_buffer_listener bufferListener{&LayerShellOverlaySurface::onBufferRelease};
  for (size_t i = 0; i < buffers_.size(); ++i) {
    Buffer& buffer = buffers_[i];
    // ARGB8888 is QImage's premultiplied ARGB32 on little-endian machines.
    buffer.buffer = wl_shm_pool_create_buffer(pool, int32_t(i * bytes), size.width(), size.height(),
                                              stride, WL_SHM_FORMAT_ARGB8888);
    buffer.data = pool_ + i * bytes;
    buffer.busy = false;
    wl_buffer_add_listener(buffer.buffer, &bufferListener, this);
  }
  wl_shm_pool_destroy(pool);
  close(fd);
  bufferSize_ = size;
  contentDirty_ = true;
  return true;
}

void LayerShellOverlaySurface::releaseBuffers() {
  for (Buffer& buffer : buffers_) {
    if (buffer.buffer) wl_buffer_destroy(buffer.buffer);
    buffer = Buffer{};
  }
  if (pool_) munmap(pool_, poolBytes_);
  pool_ = nullptr;
  poolBytes_ = 0;
  bufferSize_ = QSize();
}

void LayerShellOverlaySurface::renderContent() {
  content_ = QImage(bufferSize_, QImage::Format_ARGB32_Premultiplied);
  content_.setDevicePixelRatio(scale_);
  content_.fill(Qt::transparent);
  if (window_) {
    QPainter painter(&content_);
    window_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  }
  // The shadow: the same shapes in black, a little below and to the right, under the content.
  QImage shadowed(bufferSize_, QImage::Format_ARGB32_Premultiplied);
  shadowed.setDevicePixelRatio(scale_);
  shadowed.fill(Qt::transparent);
  QImage shadow = content_;
  {
    QPainter tint(&shadow);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(shadow.rect(), Qt::black);
  }
  QPainter painter(&shadowed);
  painter.setOpacity(OverlayWindow::kShadowOpacity);
  painter.drawImage(OverlayWindow::kShadowOffset, shadow);
  painter.setOpacity(1.0);
  painter.drawImage(QPoint(), content_);
  painter.end();
  content_ = shadowed;
  contentDirty_ = false;
}

void LayerShellOverlaySurface::paint() {
  if (!configured_ || !surface_ || !ensureBuffers()) return;
  auto free =
      std::find_if(buffers_.begin(), buffers_.end(), [](const Buffer& b) { return !b.busy; });
  if (free == buffers_.end()) {
    paintPending_ = true;  // the compositor still reads both: the next release paints
    return;
  }
  paintPending_ = false;
  if (contentDirty_) renderContent();
  QImage target(free->data, bufferSize_.width(), bufferSize_.height(), bufferSize_.width() * 4,
                QImage::Format_ARGB32_Premultiplied);
  target.setDevicePixelRatio(scale_);
  target.fill(Qt::transparent);
  if (alpha_ > 0.0f) {
    QPainter painter(&target);
    painter.setOpacity(alpha_);
    painter.drawImage(QPoint(), content_);
  }
  free->busy = true;
  wl_surface_set_buffer_scale(surface_, scale_);
  wl_surface_attach(surface_, free->buffer, 0, 0);
  wl_surface_damage_buffer(surface_, 0, 0, bufferSize_.width(), bufferSize_.height());
  wl_surface_commit(surface_);
  ++committedFrames_;
  connection_->flush();
}

void LayerShellOverlaySurface::sendMouse(int type, Qt::MouseButton button) {
  if (!window_) return;
  // A press and the moves and release it begins share one origin on sway: its own.
  if (type == QEvent::MouseButtonPress) pressOrigin_ = frame_.topLeft();
  const bool fromPress =
      grabKeepsPressOrigin_ && (buttonDown_ || type == QEvent::MouseButtonRelease);
  const QPointF global = QPointF(fromPress ? pressOrigin_ : frame_.topLeft()) + pointerPosition_;
  const Qt::MouseButtons buttons = buttonDown_ ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(QEvent::Type(type), pointerPosition_, pointerPosition_, global, button, buttons,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(window_, &event);
}

void LayerShellOverlaySurface::onConfigure(void* data, zwlr_layer_surface_v1* surface,
                                           uint32_t serial, uint32_t, uint32_t) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  zwlr_layer_surface_v1_ack_configure(surface, serial);
  self->configured_ = true;
  self->paint();
}

void LayerShellOverlaySurface::onClosed(void* data, zwlr_layer_surface_v1*) {
  // The compositor took the surface away (its output went): start over with a new one.
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  self->destroySurface();
  self->createSurface();
}

void LayerShellOverlaySurface::onBufferRelease(void* data, wl_buffer* released) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  for (Buffer& buffer : self->buffers_)
    if (buffer.buffer == released) buffer.busy = false;
  if (self->paintPending_) self->paint();
}

void LayerShellOverlaySurface::onSurfaceEnter(void* data, wl_surface*, wl_output* output) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  self->output_ = output;
  const auto found = self->outputs_.find(output);
  self->applyScale(found == self->outputs_.end() ? 1 : found->second.scale);
}

// The buffers follow the scale of the output the surface is on, so the text is drawn for its
// pixels rather than scaled up by the compositor.
void LayerShellOverlaySurface::applyScale(int scale) {
  scale = std::max(1, scale);
  if (scale == scale_) return;
  scale_ = scale;
  paint();
}

void LayerShellOverlaySurface::onSurfaceLeave(void*, wl_surface*, wl_output*) {}

void LayerShellOverlaySurface::onOutputScale(void* data, wl_output* output, int32_t factor) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  self->outputs_[output].scale = factor;
  // The output the surface is on changed its scale while it is shown.
  if (self->surface_ && output == self->output_) self->applyScale(factor);
}

void LayerShellOverlaySurface::onOutputMode(void* data, wl_output* output, uint32_t flags,
                                            int32_t width, int32_t height, int32_t) {
  if (flags & WL_OUTPUT_MODE_CURRENT)
    static_cast<LayerShellOverlaySurface*>(data)->outputs_[output].mode = QSize(width, height);
}

QRect LayerShellOverlaySurface::screenFrame() const {
  if (outputs_.empty()) return {};
  const Output& first = outputs_.begin()->second;
  return QRect(QPoint(0, 0), first.mode / std::max(1, first.scale));
}

void LayerShellOverlaySurface::onSeatCapabilities(void* data, wl_seat* seat,
                                                  uint32_t capabilities) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  const bool hasPointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
  if (hasPointer && !self->pointer_) {
    self->pointer_ = wl_seat_get_pointer(seat);
    // Member by member: newer Wayland headers add events (version 9 on) that a pointer of a
    // seat bound at version 5 never receives.
    static const wl_pointer_listener pointerListener = [] {
      wl_pointer_listener listener{};
      listener.enter = &LayerShellOverlaySurface::onPointerEnter;
      listener.leave = &LayerShellOverlaySurface::onPointerLeave;
      listener.motion = &LayerShellOverlaySurface::onPointerMotion;
      listener.button = &LayerShellOverlaySurface::onPointerButton;
      listener.axis = [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {};
      listener.frame = [](void*, wl_pointer*) {};
      listener.axis_source = [](void*, wl_pointer*, uint32_t) {};
      listener.axis_stop = [](void*, wl_pointer*, uint32_t, uint32_t) {};
      listener.axis_discrete = [](void*, wl_pointer*, uint32_t, int32_t) {};
      listener.axis_value120 = [](void*, wl_pointer*, uint32_t, int32_t) {};
      return listener;
    }();
    wl_pointer_add_listener(self->pointer_, &pointerListener, self);
  } else if (!hasPointer && self->pointer_) {
    wl_pointer_release(self->pointer_);
    self->pointer_ = nullptr;
  }
}

void LayerShellOverlaySurface::onPointerEnter(void* data, wl_pointer*, uint32_t,
                                              wl_surface* surface, int32_t x, int32_t y) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  self->pointerInside_ = surface && surface == self->surface_;
  self->pointerPosition_ = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
}

void LayerShellOverlaySurface::onPointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  self->pointerInside_ = false;
  self->buttonDown_ = false;
}

void LayerShellOverlaySurface::onPointerMotion(void* data, wl_pointer*, uint32_t, int32_t x,
                                               int32_t y) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  if (!self->pointerInside_) return;
  self->pointerPosition_ = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
  if (self->buttonDown_) self->sendMouse(QEvent::MouseMove, Qt::NoButton);
}

void LayerShellOverlaySurface::onPointerButton(void* data, wl_pointer*, uint32_t, uint32_t,
                                               uint32_t button, uint32_t state) {
  auto* self = static_cast<LayerShellOverlaySurface*>(data);
  if (!self->pointerInside_ || button != BTN_LEFT) return;
  self->buttonDown_ = state == WL_POINTER_BUTTON_STATE_PRESSED;
  self->sendMouse(self->buttonDown_ ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                  Qt::LeftButton);
}

}  // namespace halvane

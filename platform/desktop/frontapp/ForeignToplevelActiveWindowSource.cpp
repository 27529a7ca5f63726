#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"

#include "platform/desktop/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace halvane {

namespace {

constexpr std::uint32_t kManagerVersion = 3;

void ignoreString(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
void ignoreOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
void ignoreParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

}  // namespace

std::unique_ptr<ForeignToplevelActiveWindowSource> ForeignToplevelActiveWindowSource::create(
    std::shared_ptr<WaylandConnection> connection) {
  if (!connection || !connection->isConnected()) return nullptr;
  auto* manager = connection->bind<zwlr_foreign_toplevel_manager_v1>(
      &zwlr_foreign_toplevel_manager_v1_interface, kManagerVersion);
  if (manager == nullptr) return nullptr;
  return std::unique_ptr<ForeignToplevelActiveWindowSource>(
      new ForeignToplevelActiveWindowSource(std::move(connection), manager));
}

ForeignToplevelActiveWindowSource::ForeignToplevelActiveWindowSource(
    std::shared_ptr<WaylandConnection> connection, zwlr_foreign_toplevel_manager_v1* manager)
    : connection_(std::move(connection)), manager_(manager) {
  static const zwlr_foreign_toplevel_manager_v1_listener listener = {
      &ForeignToplevelActiveWindowSource::onToplevel,
      &ForeignToplevelActiveWindowSource::onFinished,
  };
  zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &listener, this);
  connection_->flush();
  QObject::connect(connection_.get(), &WaylandConnection::disconnected, this, [this] {
    // Every proxy died with the connection; forget them without talking to the compositor.
    toplevels_.clear();
    manager_ = nullptr;
    update();
  });
}

ForeignToplevelActiveWindowSource::~ForeignToplevelActiveWindowSource() {
  if (connection_->isConnected()) {
    dropAll();
    connection_->flush();
  }
}

void ForeignToplevelActiveWindowSource::dropAll() {
  for (auto& [handle, toplevel] : toplevels_) {
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
  }
  toplevels_.clear();
  if (manager_ != nullptr) {
    // stop() would make the compositor send `finished`; at destruction nobody waits for it.
    zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    manager_ = nullptr;
  }
}

void ForeignToplevelActiveWindowSource::scheduleUpdate() {
  // A focus change arrives as one toplevel losing `activated` and another gaining it, each with
  // its own `done`, in one read: judge once all of that read is dispatched, so the moment
  // in between with no activated toplevel is never reported.
  if (updateQueued_) return;
  updateQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        updateQueued_ = false;
        update();
      },
      Qt::QueuedConnection);
}

void ForeignToplevelActiveWindowSource::update() {
  zwlr_foreign_toplevel_handle_v1* newest = nullptr;
  std::uint64_t newestAt = 0;
  for (const auto& [handle, toplevel] : toplevels_) {
    if (toplevel.activated && toplevel.activatedAt >= newestAt) {
      newest = handle;
      newestAt = toplevel.activatedAt;
    }
  }
  std::optional<WindowFacts> facts;
  if (newest != nullptr) {
    facts = WindowFacts{};
    facts->appId = toplevels_[newest].appId;
  }
  if (newest == activeHandle_ && facts == active_) return;
  activeHandle_ = newest;
  active_ = facts;
  if (handler_) handler_(active_);
}

void ForeignToplevelActiveWindowSource::onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                                                   zwlr_foreign_toplevel_handle_v1* handle) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  static const zwlr_foreign_toplevel_handle_v1_listener listener = {
      &ignoreString,  // title: never kept
      &ForeignToplevelActiveWindowSource::onAppId,
      &ignoreOutput,  // output_enter
      &ignoreOutput,  // output_leave
      &ForeignToplevelActiveWindowSource::onState,
      &ForeignToplevelActiveWindowSource::onDone,
      &ForeignToplevelActiveWindowSource::onClosed,
      &ignoreParent,
  };
  self->toplevels_.emplace(handle, Toplevel{});
  zwlr_foreign_toplevel_handle_v1_add_listener(handle, &listener, self);
}

void ForeignToplevelActiveWindowSource::onFinished(void* data, zwlr_foreign_toplevel_manager_v1*) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  zwlr_foreign_toplevel_manager_v1_destroy(self->manager_);
  self->manager_ = nullptr;
}

void ForeignToplevelActiveWindowSource::onAppId(void* data, zwlr_foreign_toplevel_handle_v1* handle,
                                                const char* appId) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  self->toplevels_[handle].pendingAppId = QString::fromUtf8(appId);
}

void ForeignToplevelActiveWindowSource::onState(void* data, zwlr_foreign_toplevel_handle_v1* handle,
                                                wl_array* state) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  bool activated = false;
  const auto* values = static_cast<const std::uint32_t*>(state->data);
  for (std::size_t i = 0; i < state->size / sizeof(std::uint32_t); ++i) {
    if (values[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) activated = true;
  }
  self->toplevels_[handle].pendingActivated = activated;
}

void ForeignToplevelActiveWindowSource::onDone(void* data,
                                               zwlr_foreign_toplevel_handle_v1* handle) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  Toplevel& toplevel = self->toplevels_[handle];
  if (toplevel.pendingActivated && !toplevel.activated) {
    toplevel.activatedAt = ++self->activations_;
  }
  toplevel.appId = toplevel.pendingAppId;
  toplevel.activated = toplevel.pendingActivated;
  self->scheduleUpdate();
}

void ForeignToplevelActiveWindowSource::onClosed(void* data,
                                                 zwlr_foreign_toplevel_handle_v1* handle) {
  auto* self = static_cast<ForeignToplevelActiveWindowSource*>(data);
  self->toplevels_.erase(handle);
  zwlr_foreign_toplevel_handle_v1_destroy(handle);
  self->scheduleUpdate();
}

}  // namespace halvane

#include "platform/desktop/frontapp/SwayActiveWindowSource.h"

namespace halvane {

SwayActiveWindowSource::SwayActiveWindowSource(
    std::unique_ptr<ForeignToplevelActiveWindowSource> toplevels, const QString& swaySocket)
    : toplevels_(std::move(toplevels)), ipc_(swaySocket) {
  pidWait_.setSingleShot(true);
  pidWait_.setInterval(kPidWaitMs);
  QObject::connect(&pidWait_, &QTimer::timeout, this, [this] {
    if (waiting_) report(std::exchange(waiting_, std::nullopt));
  });
  QObject::connect(&ipc_, &SwayIpc::focused, this, &SwayActiveWindowSource::onIpcFocus);
  toplevels_->setActiveWindowHandler(
      [this](const std::optional<WindowFacts>& facts) { onToplevel(facts); });
}

void SwayActiveWindowSource::onToplevel(const std::optional<WindowFacts>& facts) {
  pidWait_.stop();
  waiting_.reset();
  if (!facts) {
    report(std::nullopt);
    return;
  }
  if (freshIpc_ && freshIpc_->appId == facts->appId) {
    WindowFacts withPid = *facts;
    withPid.pid = freshIpc_->pid;
    freshIpc_.reset();
    report(withPid);
    return;
  }
  if (!ipc_.isConnected()) {
    report(facts);
    return;
  }
  waiting_ = facts;
  pidWait_.start();
}

void SwayActiveWindowSource::onIpcFocus(const SwayIpc::Window& window) {
  if (waiting_ && waiting_->appId == window.appId) {
    pidWait_.stop();
    WindowFacts withPid = *std::exchange(waiting_, std::nullopt);
    withPid.pid = window.pid;
    report(withPid);
    return;
  }
  // The same window again (a second focus event) or its pid arriving after the wait.
  if (active_ && active_->appId == window.appId) {
    if (active_->pid != window.pid) {
      WindowFacts withPid = *active_;
      withPid.pid = window.pid;
      report(withPid);
    }
    return;
  }
  freshIpc_ = window;
}

void SwayActiveWindowSource::report(const std::optional<WindowFacts>& facts) {
  active_ = facts;
  if (handler_) handler_(active_);
}

}  // namespace halvane

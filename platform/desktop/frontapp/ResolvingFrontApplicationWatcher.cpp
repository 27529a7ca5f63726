#include "platform/desktop/frontapp/ResolvingFrontApplicationWatcher.h"

#include "platform/desktop/appidentity/ApplicationResolver.h"
#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {
namespace {

// Nothing in front and a window of no known application both mean "no application".
bool sameApplication(const FrontApplication& a, const FrontApplication& b) {
  return a.application.identity() == b.application.identity();
}

}  // namespace

ResolvingFrontApplicationWatcher::ResolvingFrontApplicationWatcher(
    std::unique_ptr<ActiveWindowSource> source, const ApplicationResolver& resolver,
    SystemLog* debugLog, int settleMs)
    : source_(std::move(source)), resolver_(resolver), debugLog_(debugLog) {
  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(settleMs);
  QObject::connect(&settleTimer_, &QTimer::timeout, [this] {
    FrontApplication none;
    none.backend = source_->backendName();
    settle(std::move(none));
  });
  // What is in front at start is where we are, not a switch.
  front_.backend = source_->backendName();
  front_.window = source_->activeWindow();
  if (front_.window) front_.application = resolver_.resolve(*front_.window);
  source_->setActiveWindowHandler(
      [this](const std::optional<WindowFacts>& window) { activeWindowChanged(window); });
}

ResolvingFrontApplicationWatcher::~ResolvingFrontApplicationWatcher() = default;

void ResolvingFrontApplicationWatcher::setFrontSwitchedHandler(std::function<void()> handler) {
  handler_ = std::move(handler);
}

void ResolvingFrontApplicationWatcher::setFrontSwitchObserver(std::function<void()> observer) {
  observer_ = std::move(observer);
}

FrontApplication ResolvingFrontApplicationWatcher::frontApplication() {
  return front_;
}

void ResolvingFrontApplicationWatcher::activeWindowChanged(
    const std::optional<WindowFacts>& window) {
  if (!window) {
    // Wait: the next window usually follows at once.
    if (!settleTimer_.isActive()) settleTimer_.start();
    return;
  }
  settleTimer_.stop();
  FrontApplication front;
  front.backend = source_->backendName();
  front.window = window;
  front.application = resolver_.resolve(*window);
  settle(std::move(front));
}

void ResolvingFrontApplicationWatcher::settle(FrontApplication front) {
  const bool switched = !sameApplication(front, front_);
  front_ = std::move(front);
  if (!switched) return;
  if (debugLog_) {
    const ResolvedApplication& app = front_.application;
    debugLog_->log(
        QStringLiteral("Application switch: %1 (%2, %3) via %4")
            .arg(app.identity().isEmpty() ? QStringLiteral("none") : app.identity(),
                 app.desktopFile.isEmpty() ? QStringLiteral("no entry") : app.desktopFile,
                 app.executable.isEmpty() ? QStringLiteral("no executable") : app.executable,
                 sourceName(app.source)));
  }
  if (handler_) handler_();
  if (observer_) observer_();
}

}  // namespace halvane

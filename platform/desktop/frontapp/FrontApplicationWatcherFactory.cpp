#include "platform/desktop/frontapp/FrontApplicationWatcherFactory.h"

#include "platform/desktop/appidentity/ApplicationResolver.h"
#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/appidentity/DesktopEntryIndexRefresher.h"
#include "platform/desktop/frontapp/ActiveWindowSourceFactory.h"
#include "platform/desktop/frontapp/ResolvingFrontApplicationWatcher.h"

namespace halvane {
namespace {

// A session that tells nothing about its windows.
class NoActiveWindowSource : public ActiveWindowSource {
 public:
  void setActiveWindowHandler(Handler) override {}
  std::optional<WindowFacts> activeWindow() const override { return std::nullopt; }
  QString backendName() const override { return QStringLiteral("none"); }
};

// The watcher with the index and resolver it needs, for as long as it lives.
class DesktopFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  DesktopFrontApplicationWatcher(std::unique_ptr<ActiveWindowSource> source, SystemLog* debugLog)
      : index_(XdgRoots::fromEnvironment()),
        refresher_(index_),
        resolver_(index_),
        watcher_(std::move(source), resolver_, debugLog) {}

  void setFrontSwitchedHandler(std::function<void()> handler) override {
    watcher_.setFrontSwitchedHandler(std::move(handler));
  }
  void setFrontSwitchObserver(std::function<void()> observer) override {
    watcher_.setFrontSwitchObserver(std::move(observer));
  }
  FrontApplication frontApplication() override { return watcher_.frontApplication(); }

 private:
  DesktopEntryIndex index_;
  DesktopEntryIndexRefresher refresher_;
  ApplicationResolver resolver_;
  ResolvingFrontApplicationWatcher watcher_;
};

}  // namespace

std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(
    const FrontBackendChoice& choice, const SessionProbe& probe,
    const FrontSourceServices& services) {
  std::unique_ptr<ActiveWindowSource> source = createActiveWindowSource(choice, probe, services);
  if (!source) source = std::make_unique<NoActiveWindowSource>();
  SystemLog* debugLog = qEnvironmentVariableIsEmpty("HALVANE_DEBUG") ? nullptr : &services.log;
  return std::make_unique<DesktopFrontApplicationWatcher>(std::move(source), debugLog);
}

}  // namespace halvane

#pragma once

#include "platform/desktop/frontapp/FrontApplicationWatcher.h"

namespace halvane {

// A test brings "applications" to the front by their names (or with no name at all).
class FakeFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  void setFrontSwitchedHandler(std::function<void()> handler) override {
    handler_ = std::move(handler);
  }
  void setFrontSwitchObserver(std::function<void()> observer) override {
    observer_ = std::move(observer);
  }
  FrontApplication frontApplication() override {
    ++queries;
    return front;
  }
  // An application known by one path (an executable, as the old files hold); nothing: none.
  void bringToFront(std::optional<QString> path) {
    FrontApplication app;
    app.backend = QStringLiteral("fake");
    if (path) {
      app.window = WindowFacts{};
      app.application.executable = *path;
    }
    bringToFront(std::move(app));
  }
  void bringToFront(FrontApplication app) {
    front = std::move(app);
    if (handler_) handler_();
    if (observer_) observer_();
  }
  bool hasHandler() const { return bool(handler_); }

  FrontApplication front;
  int queries = 0;

 private:
  std::function<void()> handler_;
  std::function<void()> observer_;
};

}  // namespace halvane

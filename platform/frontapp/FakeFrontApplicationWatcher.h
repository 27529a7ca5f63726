#pragma once

#include "platform/frontapp/FrontApplicationWatcher.h"

namespace halvane {

// A test brings "applications" to the front by path (or with no path at all).
class FakeFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  void setFrontSwitchedHandler(std::function<void()> handler) override {
    handler_ = std::move(handler);
  }
  std::optional<QString> frontApplicationPath() override {
    ++pathQueries;
    return front;
  }
  void bringToFront(std::optional<QString> path) {
    front = std::move(path);
    if (handler_) handler_();
  }
  bool hasHandler() const { return bool(handler_); }

  std::optional<QString> front;
  int pathQueries = 0;

 private:
  std::function<void()> handler_;
};

}  // namespace halvane

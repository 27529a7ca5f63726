#pragma once

#include "platform/desktop/frontapp/FrontApplicationWatcher.h"

#include <QTimer>

#include <memory>

namespace halvane {

class ActiveWindowSource;
class ApplicationResolver;
class SystemLog;

// The front application over any window system: the source says which window is active, the
// resolver which application that window belongs to, and this decides what an application
// switch is. A switch is a change of the application's identity, not of its window; a moment
// without an active window (window managers pass through None on every activation) is only a
// switch once it has lasted the settle time.
class ResolvingFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  static constexpr int kDefaultSettleMs = 100;

  // debugLog, when given, gets one line per application switch (what it resolved to, never a
  // window title). The resolver must outlive this.
  ResolvingFrontApplicationWatcher(std::unique_ptr<ActiveWindowSource> source,
                                   const ApplicationResolver& resolver,
                                   SystemLog* debugLog = nullptr, int settleMs = kDefaultSettleMs);
  ~ResolvingFrontApplicationWatcher() override;

  void setFrontSwitchedHandler(std::function<void()> handler) override;
  void setFrontSwitchObserver(std::function<void()> observer) override;
  FrontApplication frontApplication() override;
  // Whether a moment without a window is being waited out (the settle time has not passed).
  bool settling() const { return settleTimer_.isActive(); }

 private:
  void activeWindowChanged(const std::optional<WindowFacts>& window);
  void settle(FrontApplication front);

  std::unique_ptr<ActiveWindowSource> source_;
  const ApplicationResolver& resolver_;
  SystemLog* debugLog_;
  FrontApplication front_;
  std::function<void()> handler_, observer_;
  QTimer settleTimer_;
};

}  // namespace halvane

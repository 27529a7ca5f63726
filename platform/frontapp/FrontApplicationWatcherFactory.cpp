#include "platform/frontapp/FrontApplicationWatcherFactory.h"

#include "platform/frontapp/XcbFrontApplicationWatcher.h"
#include "platform/log/SystemLog.h"

namespace halvane {
namespace {

class NoFrontApplicationWatcher : public FrontApplicationWatcher {
 public:
  void setFrontSwitchedHandler(std::function<void()>) override {}
  std::optional<QString> frontApplicationPath() override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(SystemLog& log) {
  QString whyNot;
  if (std::unique_ptr<XcbFrontApplicationWatcher> x11 = XcbFrontApplicationWatcher::connect(&whyNot)) {
    log.log(QStringLiteral("Front application: _NET_ACTIVE_WINDOW on X display %1")
                .arg(qEnvironmentVariable("DISPLAY")));
    return x11;
  }
  log.log(QStringLiteral("Front application: unknown, automatic switching is off (%1)").arg(whyNot));
  return std::make_unique<NoFrontApplicationWatcher>();
}

}  // namespace halvane

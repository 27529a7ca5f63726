#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace halvane {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the main loop, so the program quits through
// its ordinary path. The call comes when the loop next runs, which a macro's pauses do not
// hold up.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  // One instance per process; onSignal gets the signal number.
  explicit TerminationSignals(std::function<void(int)> onSignal, QObject* parent = nullptr);
  ~TerminationSignals() override;

 private:
  void readSignal();

  std::function<void(int)> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace halvane

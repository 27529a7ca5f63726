#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace halvane {

// The platform services whose backend is chosen at start-up.
enum class BackendService {
  KeyEvents,
  HidEvents,
  FrontApplication,
  Overlay,
  HotKeys,
  Pointer,
  Text
};

// The key a service goes by in the helper's Backends() answer ("keyEvents", ...).
QString backendServiceKey(BackendService service);

// One service's choice as the helper records it: which backend, why it was taken, why each other
// one was not, and the line that says all of this (what the log shows after the service's name).
struct BackendRecord {
  BackendService service = BackendService::KeyEvents;
  QString chosen;
  QString why;
  QList<std::pair<QString, QString>> notTaken;  // backend, why not
  QString text;
};

// Where a chosen backend tells later how it fares: its desktop's piece missing, its connection
// refused. Each call is one plain sentence about the service's backend.
class BackendOutcomes {
 public:
  virtual ~BackendOutcomes() = default;
  virtual void outcome(BackendService service, const QString& text) = 0;
};

// Outcomes nobody hears (tests, programs without a registry).
class NoBackendOutcomes : public BackendOutcomes {
 public:
  void outcome(BackendService, const QString&) override {}
};

}  // namespace halvane

#pragma once

#include "platform/system/backends/BackendRecord.h"

namespace halvane {

// The shape every service's backend choice takes: the backend (an enum of the service's own),
// why it was taken, why each other one was not, and the one line that says so. Made by a pure
// choose(probe) and handed to create(choice); the line is free text for the log and Backends().
template <typename Backend>
struct TypedChoice {
  Backend backend{};
  QString subject;  // the service as the log names it: "Synthetic keys", "Overlay", ...
  QString why;
  QList<std::pair<Backend, QString>> notTaken;
  QString text;  // the line after the service's name

  QString logLine() const { return subject + QStringLiteral(": ") + text; }

  // The record the helper keeps, the backends named by nameOf.
  template <typename NameOf>
  BackendRecord record(BackendService service, NameOf nameOf) const {
    BackendRecord r{service, nameOf(backend), why, {}, text};
    for (const auto& [other, whyNot] : notTaken) r.notTaken.append({nameOf(other), whyNot});
    return r;
  }
};

}  // namespace halvane

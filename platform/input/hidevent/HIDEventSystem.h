#pragma once

#include "platform/input/hidevent/EventRecord.h"

#include <QtGlobal>

namespace halvane {

// A screen point of two signed 16-bit coordinates.
struct IOGPoint {
  qint16 x = 0;
  qint16 y = 0;
};

// The system's HID event service, into which synthetic device events are injected.
class HIDEventSystem {
 public:
  // How opening the service went, step by step, so the caller can say what failed.
  struct OpenResult {
    enum class Stage { Opened, NoMatchingDictionary, MatchingFailed, NoService, OpenFailed };
    Stage stage = Stage::NoService;
    int status = 0;          // the failing step's status (MatchingFailed, OpenFailed)
    quint32 connection = 0;  // non-zero when opened
  };

  virtual ~HIDEventSystem() = default;
  virtual OpenResult open() = 0;
  // Injects one event; returns 0 on success.
  virtual int post(quint32 connection, quint32 eventType, IOGPoint location,
                   const NXEventData& record, quint32 recordVersion, quint32 flags,
                   quint32 options) = 0;
};

}  // namespace halvane

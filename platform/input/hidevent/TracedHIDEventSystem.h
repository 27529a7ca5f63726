#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedHIDEventSystem : public HIDEventSystem {
 public:
  TracedHIDEventSystem(HIDEventSystem& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  OpenResult open() override { return inner_.open(); }
  int post(quint32 connection, quint32 eventType, IOGPoint location, const NXEventData& record,
           quint32 recordVersion, quint32 flags, quint32 options) override {
    const QByteArray hex =
        QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size())).toHex();
    trace_.write(TraceEvent("hidPostEvent")
                     .add("type", eventType)
                     .add("flags", flags)
                     .add("options", options)
                     .add("version", recordVersion)
                     .add("record", QString::fromLatin1(hex)));
    return inner_.post(connection, eventType, location, record, recordVersion, flags, options);
  }

 private:
  HIDEventSystem& inner_;
  Trace& trace_;
};

}  // namespace halvane

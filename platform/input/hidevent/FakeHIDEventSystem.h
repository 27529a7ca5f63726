#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"

#include <vector>

namespace halvane {

// Records every post; open() and post() answer what the test sets.
class FakeHIDEventSystem : public HIDEventSystem {
 public:
  struct Post {
    quint32 connection, eventType;
    IOGPoint location;
    NXEventData record;
    quint32 recordVersion, flags, options;
  };

  OpenResult open() override {
    ++openCalls;
    return openResult;
  }
  int post(quint32 connection, quint32 eventType, IOGPoint location, const NXEventData& record,
           quint32 recordVersion, quint32 flags, quint32 options) override {
    posts.push_back({connection, eventType, location, record, recordVersion, flags, options});
    if (failNextPosts > 0) {
      --failNextPosts;
      return postFailure;
    }
    return 0;
  }

  OpenResult openResult{OpenResult::Stage::Opened, 0, 0x1234};
  int openCalls = 0;
  int failNextPosts = 0;
  int postFailure = int(0xE00002C7);  // a generic I/O error status
  std::vector<Post> posts;
};

}  // namespace halvane

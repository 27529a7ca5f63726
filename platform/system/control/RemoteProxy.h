#pragma once

#include <optional>

namespace halvane {

// The helper's server object as the preference pane reaches it. Every call waits for the
// helper, but never longer than a short timeout: a helper that is gone or does not answer
// gives "no helper" (nothing, or false) instead of a hang.
class RemoteProxy {
 public:
  virtual ~RemoteProxy() = default;
  virtual std::optional<int> getCurrentProfile() = 0;
  virtual bool setCurrentProfile(int index) = 0;
  virtual bool reloadPrefs() = 0;
};

}  // namespace halvane

#pragma once

#include "shared/control/KeyboardServer.h"

#include <QObject>

namespace halvane {

// The object exported at the server path. The generated D-Bus adaptor is its child and calls
// these methods on it; they only forward to the helper's KeyboardServer.
class KeyboardServerRoot : public QObject {
 public:
  explicit KeyboardServerRoot(KeyboardServer& server) : server_(server) {}
  int getCurrentProfile() { return server_.getCurrentProfile(); }
  void setCurrentProfile(int index) { server_.setCurrentProfile(index); }
  void reloadPrefs() { server_.reloadPrefs(); }

 private:
  KeyboardServer& server_;
};

}  // namespace halvane

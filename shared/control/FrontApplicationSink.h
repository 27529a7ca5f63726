#pragma once

#include <QMap>
#include <QString>

namespace halvane {

// Where the window facts our desktop pieces push on each focus change go, on the helper's server
// object (com.halvane.keyboard.FrontApplicationSink.xml lists the keys). Whom to hear is the
// sink's to say; the server object answers a refused caller with AccessDenied.
class FrontApplicationSink {
 public:
  virtual ~FrontApplicationSink() = default;
  // Why a call from sender (a unique bus name) is not heard; empty when it is.
  virtual QString refusal(const QString& sender) = 0;
  // The facts of a call that is heard; an empty map when no window has the focus.
  virtual void windowActivated(const QMap<QString, QString>& facts) = 0;
};

}  // namespace halvane

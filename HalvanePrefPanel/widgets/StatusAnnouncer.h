#pragma once

#include <QLabel>

namespace halvane {

// A status line that also tells screen readers of a change that a sighted user sees elsewhere
// in the window: a recorded step, settings saved, a profile switch. Qt 6.4 has no announcement
// event and its AT-SPI bridge drops alert events; what does reach a screen reader is an object
// with the alert role that is shown, named by its text (Orca presents it), and a change of that
// name. So an announcement sets the text and reports the line as shown again.
class StatusAnnouncer : public QLabel {
  Q_OBJECT

 public:
  explicit StatusAnnouncer(QWidget* parent = nullptr);

  void announce(const QString& text);
};

}  // namespace halvane

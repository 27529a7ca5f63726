#pragma once

#include <QLabel>

namespace halvane {

// A caption of the macro editor that acts as a button: a click hands the field to the shared
// editor, which reads its "tag" to choose the action type. Its text is never edited or selected.
class ClickableTextField : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableTextField(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace halvane

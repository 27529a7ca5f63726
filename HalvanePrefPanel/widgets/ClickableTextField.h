#pragma once

#include <QLabel>

namespace halvane {

// A caption of the macro editor that acts as a button: a click hands the field to the shared
// editor, which reads its "tag" to choose the action type. Its text is never edited or selected.
// The three captions are one choice: each is a tab stop that Enter or Space chooses, and the
// editor marks the chosen one (screen readers hear them as radio buttons).
class ClickableTextField : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableTextField(QWidget* parent = nullptr);

  bool isChosen() const { return chosen_; }
  void setChosen(bool chosen);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool chosen_ = false;
};

}  // namespace halvane

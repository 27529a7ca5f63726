#pragma once

#include <QWidget>

namespace halvane {

// A transparent hot spot over a macro key of the keyboard picture (or over its label): it draws
// only a light-blue wash whose opacity the pane sets, tells the pane when the pointer enters or
// leaves it, opens the macro editor on a click and the key's context menu on a right click.
// Its "tag" is the macro key index; views tagged 20 or more ignore clicks. A key view that takes
// the focus (the pane gives it) works from the keyboard: Enter or Space as a click, Shift+F10 or
// the Menu key as a right click, the arrows to the neighbouring macro keys.
class HVKeyView : public QWidget {
  Q_OBJECT

 public:
  explicit HVKeyView(QWidget* parent = nullptr);

  int tag() const;
  float opacity() const { return opacity_; }
  // Stores the wash's opacity (0 to 1) and repaints.
  void setOpacity(float opacity);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  float opacity_ = 0.0f;
};

}  // namespace halvane

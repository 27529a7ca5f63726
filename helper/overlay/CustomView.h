#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QPainter;

namespace halvane {

// The overlay's content: the profile name in large green letters, right-aligned near the
// bottom-right corner, on a fully transparent ground.
class CustomView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRightMargin = 10;
  static constexpr int kBottomMargin = 15;
  // Far more than the view holds at its font size.
  static constexpr qsizetype kMaxShownCharacters = 256;

  explicit CustomView(QWidget* parent = nullptr);

  QString profileName() const { return mProfileName; }
  // A null name draws nothing.
  void setProfileName(const QString& name);

  void drawRect(QPainter& painter, const QRect& rect);

  // Green highlighted 30% toward white.
  static QColor textColor();
  // 24 points of Lucida Grande, or the default sans-serif font where that is missing.
  static QFont textFont();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString mProfileName;
};

}  // namespace halvane

// The view's drawing, rendered into an image: a transparent ground and the name in the
// highlighted green, right-aligned 10 pixels from the right and 15 from the bottom.
#include "helper/overlay/CustomView.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace halvane {
namespace {

// What the drawing left in the image.
struct Ink {
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;  // bounds of every inked pixel
  int solid = 0;                                               // fully opaque pixels
  int offColour = 0;  // opaque pixels not in the text colour
  int leftover = 0;   // pixels of the red ground that were not replaced
};

Ink render(const QString& name, QSize size = {400, 60}) {
  CustomView view;
  view.resize(size);
  view.setProfileName(name);
  QImage image(size, QImage::Format_ARGB32);
  image.fill(QColor(255, 0, 0));  // the drawing must replace this, not blend over it
  {
    QPainter painter(&image);
    view.drawRect(painter, view.rect());
  }
  Ink ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == QColor(255, 0, 0)) ++ink.leftover;
      if (c.alpha() == 0) continue;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
      if (c.alpha() < 255) continue;
      ++ink.solid;
      if (std::abs(c.red() - 77) > 1 || c.green() != 255 || std::abs(c.blue() - 77) > 1)
        ++ink.offColour;
    }
  return ink;
}

TEST(CustomViewDrawing, TextColourIsGreenHighlightedThirtyPercentTowardWhite) {
  const QColor c = CustomView::textColor();
  EXPECT_NEAR(c.redF(), 0.3, 1e-3);
  EXPECT_NEAR(c.greenF(), 1.0, 1e-3);
  EXPECT_NEAR(c.blueF(), 0.3, 1e-3);
  EXPECT_EQ(c.alpha(), 255);
  EXPECT_EQ(CustomView::textFont().pixelSize(), 24);
}

TEST(CustomViewDrawing, NoNameLeavesEverythingTransparent) {
  const Ink ink = render(QString());
  EXPECT_EQ(ink.right, -1) << "inked pixels from " << ink.left << "," << ink.top;
  EXPECT_EQ(ink.leftover, 0);
}

TEST(CustomViewDrawing, NameIsRightAlignedAboveTheBottomMarginInTheHighlightedGreen) {
  const QString name = QStringLiteral("HILT");  // no descenders, straight right edge
  const Ink ink = render(name);
  EXPECT_EQ(ink.leftover, 0);
  ASSERT_GT(ink.solid, 50);
  EXPECT_EQ(ink.offColour, 0);

  const QFontMetricsF metrics(CustomView::textFont());
  const double textWidth = metrics.horizontalAdvance(name);
  // Ink ends just left of the margin (a glyph's side bearing is a pixel or two).
  EXPECT_LE(ink.right, 400 - 10 - 1);
  EXPECT_GE(ink.right, 400 - 10 - 5);
  EXPECT_GE(ink.left, int(400 - 10 - textWidth) - 1);
  EXPECT_LE(ink.left, int(400 - 10 - textWidth) + 5);
  // Capitals stand on the baseline, which is the descent above the line box's bottom at 60-15.
  const double baseline = 60 - 15 - metrics.descent();
  EXPECT_NEAR(ink.bottom + 1, baseline, 1.5);
  EXPECT_NEAR(ink.bottom + 1 - ink.top, metrics.capHeight(), 2.5);
}

TEST(CustomViewDrawing, DescendersReachDownToTheBottomMarginButNotPastIt) {
  const Ink ink = render(QStringLiteral("gjpqy"));
  EXPECT_LE(ink.bottom, 60 - 15 + 1);
  EXPECT_GE(ink.bottom, 60 - 15 - 4);
}

TEST(CustomViewDrawing, NameWiderThanTheViewIsCutOffAtTheLeftAndStaysRightAligned) {
  const Ink narrow = render(QStringLiteral("H"), {60, 60});
  const Ink wide = render(QStringLiteral("HHHHHHHHHH"), {60, 60});
  EXPECT_EQ(wide.left, 0);
  EXPECT_EQ(wide.right, narrow.right);
}

TEST(CustomViewDrawing, PaintingTheWidgetDrawsTheSame) {
  CustomView view;
  view.resize(400, 60);
  view.setProfileName(QStringLiteral("HILT"));
  QImage image(view.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  view.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y).alpha() == 255;
  EXPECT_EQ(inked, render(QStringLiteral("HILT")).solid);
}

}  // namespace
}  // namespace halvane

#pragma once

// Measures taken from rendered pixels: WCAG contrast of a region's text against its ground, and
// how many device pixels an edge takes to go from one side to the other (a bitmap scaled up
// smears an edge over several; a vector drawn at the device's resolution does not).

#include <QHash>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace halvane::test {

inline double wcagLuminance(QRgb pixel) {
  auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
         0.0722 * linear(qBlue(pixel));
}

inline double wcagContrast(QRgb a, QRgb b) {
  const double la = wcagLuminance(a), lb = wcagLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A region of the image in logical coordinates, as device pixels.
inline QRect devicePixels(const QImage& image, const QRect& logical) {
  const qreal ratio = image.devicePixelRatio();
  const QRect scaled(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)),
                     QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
  return scaled.intersected(image.rect());
}

struct TextContrast {
  QRgb ground = 0;  // the region's most frequent colour
  QRgb ink = 0;     // its pixel of the strongest contrast against the ground
  double ratio = 1.0;
  int inkPixels = 0;  // pixels clearly apart from the ground: zero when nothing is drawn
};

// The text in a region (logical coordinates) against the ground it is drawn on.
inline TextContrast textContrast(const QImage& picture, const QRect& logical) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const QRect region = devicePixels(picture, logical);
  TextContrast found;
  QHash<QRgb, int> counts;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) {
      most = it.value();
      found.ground = it.key();
    }
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    const double ratio = wcagContrast(it.key(), found.ground);
    if (ratio >= 1.5) found.inkPixels += it.value();
    if (ratio > found.ratio) {
      found.ratio = ratio;
      found.ink = it.key();
    }
  }
  return found;
}

// Along row y (device pixels), walking from `inside` toward `outside`: the number of pixels
// between the last one still at the inside's level and the first one at the edge's extreme (the
// pixel of the walk most unlike the inside). Levels are luminances; "at" means within a
// twentieth of the step between the two.
inline int edgeRamp(const QImage& picture, int y, int inside, int outside) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const int step = outside > inside ? 1 : -1;
  const double from = wcagLuminance(image.pixel(inside, y));
  double extreme = from;
  for (int x = inside; x != outside + step; x += step) {
    const double level = wcagLuminance(image.pixel(x, y));
    if (std::abs(level - from) > std::abs(extreme - from)) extreme = level;
  }
  const double tolerance = std::abs(extreme - from) / 20;
  int leaves = -1, arrives = -1;
  for (int x = inside; x != outside + step; x += step) {
    const double level = wcagLuminance(image.pixel(x, y));
    if (leaves < 0 && std::abs(level - from) > tolerance) leaves = x;
    if (std::abs(level - extreme) <= tolerance) {
      arrives = x;
      break;
    }
  }
  if (leaves < 0 || arrives < 0) return 0;
  return std::abs(arrives - leaves);
}

}  // namespace halvane::test

#pragma once

// The two palettes the pane is looked at in: Fusion's own light one, and a dark one as dark
// desktop themes give it (Breeze Dark and Adwaita-dark have the same shape): a dark grey window,
// slightly darker fields, white text, a mid blue for the selection and links, grey disabled text.

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace halvane::test {

inline QPalette lightPalette() {
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  const QPalette palette = fusion->standardPalette();
  delete fusion;
  return palette;
}

inline QPalette darkPalette() {
  const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), blue(0x2a, 0x82, 0xda);
  QPalette palette(Qt::white, window, QColor(0x50, 0x50, 0x50), QColor(0x23, 0x23, 0x23),
                   QColor(0x2d, 0x2d, 0x2d), Qt::white, Qt::white, base, window);
  palette.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
  palette.setColor(QPalette::ToolTipBase, window);
  palette.setColor(QPalette::ToolTipText, Qt::white);
  palette.setColor(QPalette::Highlight, blue);
  palette.setColor(QPalette::HighlightedText, Qt::black);
  palette.setColor(QPalette::Link, blue);
  palette.setColor(QPalette::PlaceholderText, QColor(0xff, 0xff, 0xff, 0x80));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(0x7f, 0x7f, 0x7f));
  return palette;
}

// A high-contrast dark theme's: black grounds, white text, yellow selection and links.
inline QPalette highContrastPalette() {
  QPalette palette(Qt::white, Qt::black, QColor(0x60, 0x60, 0x60), Qt::black,
                   QColor(0x30, 0x30, 0x30), Qt::white, Qt::white, Qt::black, Qt::black);
  palette.setColor(QPalette::Highlight, Qt::yellow);
  palette.setColor(QPalette::HighlightedText, Qt::black);
  palette.setColor(QPalette::Link, Qt::yellow);
  palette.setColor(QPalette::ToolTipBase, Qt::black);
  palette.setColor(QPalette::ToolTipText, Qt::white);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(0x9a, 0x9a, 0x9a));
  return palette;
}

// Fusion in the given palette, for the whole application.
inline void useFusion(const QPalette& palette) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(palette);
}

}  // namespace halvane::test

#pragma once

#include "platform/desktop/overlay/OverlaySurface.h"

#include <QList>
#include <QStringList>

namespace halvane {

// Records what the window told it.
class FakeOverlaySurface : public OverlaySurface {
 public:
  void attach(QWidget& window) override { attached = &window; }
  void setShown(bool value) override { shown = value; }
  void setText(const QString& text) override { texts.append(text); }
  void setAlpha(float alpha) override { alphas.append(alpha); }
  void setFrame(const QRect& frame) override { frames.append(frame); }

  QWidget* attached = nullptr;
  bool shown = false;
  QStringList texts;
  QList<float> alphas;
  QList<QRect> frames;
};

}  // namespace halvane

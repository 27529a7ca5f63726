#include "HalvanePrefPanel/controller/MacroStepDescription.h"

#include "HVKeyCombo.h"

#include <cmath>

namespace halvane {
namespace {

// Line breaks and tabs of a stored text would break the one-line label.
QString shortened(const QString& text) {
  QString shown = settings::leftWhole(text, kDescribedTextLength);
  for (QChar& character : shown)
    if (character.category() == QChar::Other_Control) character = u' ';
  return shown.size() < text.size() ? shown + u'…' : shown;
}

const QString& wheelArrow(settings::WheelDirection direction) {
  static const QString arrows[] = {QStringLiteral("↑"), QStringLiteral("↓"), QStringLiteral("←"),
                                   QStringLiteral("→")};
  return arrows[int(direction)];
}

}  // namespace

QString macroStepDescription(const settings::MacroStep& step) {
  const int delay = int(std::lround(step.delay));
  QString text;
  switch (step.kind) {
    case settings::StepKind::Key:
      return HVKeyCombo(step.keyCode, step.modifiers, delay).description();
    case settings::StepKind::Text:
      text = QStringLiteral("“%1”").arg(shortened(step.text));
      break;
    case settings::StepKind::MouseButton:
      text = settings::buttonActionNames().at(int(step.buttonAction)) + u' ' +
             settings::mouseButtonNames().at(int(step.button));
      break;
    case settings::StepKind::Wheel:
      text = QStringLiteral("Wheel %1%2").arg(wheelArrow(step.wheel)).arg(step.notches);
      break;
  }
  if (delay > 0) text += QStringLiteral("+%1ms").arg(delay);
  return text;
}

QString macroDescription(const QList<settings::MacroStep>& steps) {
  QString text;
  for (const settings::MacroStep& step : steps)
    text += QStringLiteral("(%1)").arg(macroStepDescription(step));
  return text;
}

}  // namespace halvane

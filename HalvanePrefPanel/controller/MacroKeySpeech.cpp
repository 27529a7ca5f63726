#include "HalvanePrefPanel/controller/MacroKeySpeech.h"

#include "shared/settings/ActionTypes.h"
#include "shared/settings/PlayMode.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace halvane {
namespace {

// The verb and its object are apart so that five buttons and three actions make eight texts.
const char* const kButtonActions[] = {
    //: %1 is a mouse button as in "the middle button"
    QT_TRANSLATE_NOOP("MacroKeySpeech", "clicks %1"),
    //: Presses a mouse button without releasing it; %1 is a mouse button as in "the left button"
    QT_TRANSLATE_NOOP("MacroKeySpeech", "presses %1"),
    //: %1 is a mouse button as in "the left button"
    QT_TRANSLATE_NOOP("MacroKeySpeech", "releases %1"),
};
const char* const kButtons[] = {
    //: The object of "clicks %1", "presses %1" and "releases %1"
    QT_TRANSLATE_NOOP("MacroKeySpeech", "the left button"),
    QT_TRANSLATE_NOOP("MacroKeySpeech", "the right button"),
    QT_TRANSLATE_NOOP("MacroKeySpeech", "the middle button"),
    //: The mouse's side button that goes back in a browser
    QT_TRANSLATE_NOOP("MacroKeySpeech", "the back button"),
    //: The mouse's side button that goes forward in a browser
    QT_TRANSLATE_NOOP("MacroKeySpeech", "the forward button"),
};
const char* const kScrolls[] = {
    //: The mouse wheel turned %n notches
    QT_TRANSLATE_N_NOOP("MacroKeySpeech", "scrolls up %n notches"),
    QT_TRANSLATE_N_NOOP("MacroKeySpeech", "scrolls down %n notches"),
    QT_TRANSLATE_N_NOOP("MacroKeySpeech", "scrolls left %n notches"),
    QT_TRANSLATE_N_NOOP("MacroKeySpeech", "scrolls right %n notches"),
};

}  // namespace

QString MacroKeySpeech::sentence(const QString& keyName, const PlistValue& macroKey,
                                 const PlistValue& profiles, const DisplayName& displayName) {
  //: A macro key's name (L1 to R5) and what the key does
  return tr("%1: %2").arg(keyName, action(macroKey, profiles, displayName));
}

QString MacroKeySpeech::action(const PlistValue& macroKey, const PlistValue& profiles,
                               const DisplayName& displayName) {
  const QString type = macroKey[QStringLiteral("ActionType")].toString();
  if (type == settings::kLaunchApp) {
    const QString path = macroKey[QStringLiteral("LaunchAppURL")].toString();
    const QString name = displayName ? displayName(path) : QString();
    if (!name.isEmpty()) return tr("opens %1").arg(name);
    //: An application file that is no longer where the key expects it
    if (!path.isEmpty())
      return tr("opens %1, which cannot be found").arg(QFileInfo(path).completeBaseName());
  } else if (type == settings::kSelectProfile) {
    const int target = macroKey[QStringLiteral("SelectProfile")].intValue();
    const QString name = profiles.at(target)[QStringLiteral("Name")].toString();
    if (!name.isEmpty()) return tr("switches to the profile “%1”").arg(name);
    return tr("switches to profile %1").arg(target + 1);
  } else if (type == settings::kExecuteMacro) {
    const QList<settings::MacroStep> steps =
        settings::readMacroSteps(macroKey[QStringLiteral("KeyCombo")]);
    if (!steps.isEmpty()) {
      QStringList parts;
      for (const settings::MacroStep& macroStep : steps) parts << step(macroStep);
      switch (settings::playModeOf(macroKey)) {
        case settings::PlayMode::WhileHeld:
          parts << tr("repeats while the key is held");
          break;
        case settings::PlayMode::Toggle:
          parts << tr("repeats until the key is pressed again");
          break;
        case settings::PlayMode::Once:
          break;
      }
      //: Separates the steps of a macro as a screen reader says them
      return parts.join(tr(", "));
    }
  }
  return tr("nothing assigned");
}

QString MacroKeySpeech::step(const HVKeyCombo& combo) {
  //: %1 is a key combination such as Control+C
  const QString typed = tr("types %1").arg(combo.spokenDescription());
  //: Separates the steps of a macro as a screen reader says them
  return combo.delay() > 0 ? typed + tr(", ") + pause(combo.delay()) : typed;
}

QString MacroKeySpeech::step(const settings::MacroStep& step) {
  const int delay = int(std::lround(step.delay));
  QString done;
  switch (step.kind) {
    case settings::StepKind::Key:
      return MacroKeySpeech::step(HVKeyCombo(step.keyCode, step.modifiers, delay));
    case settings::StepKind::Text: {
      QString text = settings::leftWhole(step.text, kSpokenTextLength);
      if (text.size() < step.text.size()) text += u'…';
      //: %1 is the text a macro types, as the user wrote it
      done = tr("types “%1”").arg(text);
      break;
    }
    case settings::StepKind::MouseButton:
      done = tr(kButtonActions[int(step.buttonAction)]).arg(tr(kButtons[int(step.button)]));
      break;
    case settings::StepKind::Wheel:
      done = tr(kScrolls[int(step.wheel)], "", step.notches);
      break;
  }
  //: Separates the steps of a macro as a screen reader says them
  return delay > 0 ? done + tr(", ") + pause(delay) : done;
}

// Always with decimals ("1.0", "0.05"): a number with decimals takes the same plural form in
// every language, so one text serves every pause, and English reads right without a catalogue.
QString MacroKeySpeech::pause(int milliseconds) {
  const int decimals = milliseconds % 100 == 0 ? 1 : 2;
  //: %1 is a number of seconds, always with decimals, such as 0.5 or 2.0
  return tr("waits %1 seconds").arg(QLocale().toString(milliseconds / 1000.0, 'f', decimals));
}

}  // namespace halvane

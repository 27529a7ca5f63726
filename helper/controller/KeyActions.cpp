// Controller: what a macro key or a media key does under the current profile.

#include "helper/controller/Controller.h"

#include "platform/desktop/workspace/Workspace.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/system/log/SystemLog.h"
#include "platform/system/script/ScriptRunner.h"
#include "shared/settings/MacModifiers.h"

#include <array>

namespace halvane {

namespace {

// Modifier bits of a key combination and the virtual keys that press them, in press order;
// they are released in the reverse order.
struct Modifier {
  int mask;
  quint16 keyCode;
};
constexpr std::array<Modifier, 4> kModifiers{{
    {kCarbonShift, kVK_Shift},
    {kCarbonControl, kVK_Control},
    {kCarbonOption, kVK_Option},
    {kCarbonCommand, kVK_Command},
}};

constexpr double kSuppressionDuringCombination = 0.0;
constexpr double kSuppressionAfterCombination = 0.25;

enum class MediaParam { None, ImagingApplication, MediaPlayer };
struct MediaKey {
  unsigned char code;
  const char* scriptKey;
  MediaParam param;
};
constexpr std::array<MediaKey, 11> kMediaKeys{{
    {0x23, "Home", MediaParam::None},
    {0x2D, "ZoomIn", MediaParam::ImagingApplication},
    {0x2E, "ZoomOut", MediaParam::ImagingApplication},
    {0x31, "100", MediaParam::ImagingApplication},
    {0x83, "MediaPlayer", MediaParam::MediaPlayer},
    {0xC8, "Rotate", MediaParam::ImagingApplication},
    {0xC9, "Shuffle", MediaParam::MediaPlayer},
    {0xF1, "Play", MediaParam::MediaPlayer},
    {0xF2, "Stop", MediaParam::MediaPlayer},
    {0xF3, "Previous", MediaParam::MediaPlayer},
    {0xF4, "Next", MediaParam::MediaPlayer},
}};

// The first macro key's code in a keyboard report; the others follow it.
constexpr int kFirstMacroKeyCode = 0xF1;

QString stopReasonText(MacroPlayer::StopReason why) {
  switch (why) {
    case MacroPlayer::StopReason::Cancel:
      return Controller::tr("cancelled with Escape");
    case MacroPlayer::StopReason::Quit:
      return Controller::tr("the helper quits");
    case MacroPlayer::StopReason::Sleep:
      return Controller::tr("the system goes to sleep");
    case MacroPlayer::StopReason::SessionInactive:
      return Controller::tr("the session is no longer active");
    case MacroPlayer::StopReason::Unplug:
      return Controller::tr("the keyboard was unplugged");
  }
  return QString();
}

}  // namespace

void Controller::readCurrentKeyActions() {
  mKeyActions = readKeyActions(currentProfileRecord());
}

void Controller::macroKeyPressed(int key) {
  if (key < 0 || key >= int(mKeyActions.size())) return;  // no such key: nothing to do
  const KeyAction& action = mKeyActions[size_t(key)];
  switch (action.kind) {
    case KeyAction::Kind::LaunchApp:
      // A missing or empty path names no file: nothing to launch.
      if (!action.launchPath.isEmpty()) mServices.workspace.open(action.launchPath);
      break;
    case KeyAction::Kind::SelectProfile:
      switchToProfile(action.profile, true);
      break;
    case KeyAction::Kind::ExecuteMacro:
      playMacro(action, key);
      break;
    case KeyAction::Kind::None:
      break;
  }
}

void Controller::playMacro(const KeyAction& action, int key) {
  mMacroPlayer.play(
      {action.steps, action.mode, std::uint8_t(kFirstMacroKeyCode + key), mReportSource});
}

void Controller::stopMacro(MacroPlayer::StopReason why) {
  mMacroPlayer.stop(why);
}

void Controller::macroStopped(MacroPlayer::StopReason why) {
  //: A log line; %1 says why, e.g. "cancelled with Escape".
  mServices.log.log(tr("Macro stopped: %1").arg(stopReasonText(why)));
}

void Controller::textSkipped(const QString& characters) {
  QStringList each;
  for (const char32_t c : characters.toUcs4()) each << QString::fromUcs4(&c, 1);
  //: A log line; %1 lists the characters (as the user typed them, separated by spaces) that
  //: a macro's text step could not type on this desktop and left out.
  mServices.log.log(
      tr("A text step left out %n character(s) this desktop cannot type: %1", "", int(each.size()))
          .arg(each.join(u' ')));
}

void Controller::pressKeyCombination(int key, int modifiers) {
  KeyboardEventPoster& keyboard = mHeldKeys;
  keyboard.setLocalEventsSuppressionInterval(kSuppressionDuringCombination);
  keyboard.enableEventStateCombining(false);
  for (const Modifier& m : kModifiers)
    if (modifiers & m.mask) keyboard.postKeyboardEvent(m.keyCode, true);
  const quint16 keyCode = quint16(key);  // the low 16 bits are the virtual key
  keyboard.postKeyboardEvent(keyCode, true);
  keyboard.postKeyboardEvent(keyCode, false);
  for (auto m = kModifiers.rbegin(); m != kModifiers.rend(); ++m)
    if (modifiers & m->mask) keyboard.postKeyboardEvent(m->keyCode, false);
  keyboard.enableEventStateCombining(true);
  keyboard.setLocalEventsSuppressionInterval(kSuppressionAfterCombination);
}

void Controller::mediaKeyPressed(unsigned char key) {
  const PlistValue profile = currentProfileRecord();
  const QString imagingApplication = profile[QStringLiteral("ImagingOptions")].toString();
  const QString mediaPlayer = profile[QStringLiteral("MediaPlayer")].toString();
  for (const MediaKey& media : kMediaKeys) {
    if (media.code != key) continue;
    const QString param = media.param == MediaParam::ImagingApplication ? imagingApplication
                          : media.param == MediaParam::MediaPlayer      ? mediaPlayer
                                                                        : QString();
    runKeyScript(QString::fromLatin1(media.scriptKey), param);
    return;
  }
}

void Controller::runKeyScript(const QString& key, const QString& param) {
  // The script is looked up afresh on every request; without it the request is dropped.
  const QString script = mServices.bundle.resourcePath(QStringLiteral("Halvane"), QString());
  if (script.isEmpty()) return;
  mServices.scripts.run(script, QStringLiteral("handlemediakey"), key, param);
}

}  // namespace halvane

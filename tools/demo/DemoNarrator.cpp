#include "tools/demo/DemoNarrator.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/MacModifiers.h"

#include <QCoreApplication>
#include <QStringList>

namespace halvane::demo {
namespace {

// The modifier a virtual key holds down, or 0 for an ordinary key.
int modifierOf(int keyCode) {
  switch (keyCode) {
    case kVK_Command:
    case kVK_RightCommand:
      return kCarbonCommand;
    case kVK_Shift:
    case kVK_RightShift:
      return kCarbonShift;
    case kVK_Option:
    case kVK_RightOption:
      return kCarbonOption;
    case kVK_Control:
    case kVK_RightControl:
      return kCarbonControl;
    default:
      return 0;
  }
}

QString seconds(double value) {
  //: A duration in seconds.
  return QCoreApplication::translate("DemoNarrator", "%1 s").arg(QString::number(value, 'g', 3));
}

// Collects phrases, joining runs of typed keys into one ("typed H, I, ↩").
class Phrases {
 public:
  void typed(const QString& key) {
    if (typing_)
      phrases_.last() += QStringLiteral(", ") + key;
    else
      //: %1 is a key combination; more may follow, separated by commas.
      phrases_ << QCoreApplication::translate("DemoNarrator", "typed %1").arg(key);
    typing_ = true;
  }
  void add(const QString& phrase) {
    phrases_ << phrase;
    typing_ = false;
  }
  QString text() const { return phrases_.join(QStringLiteral(", ")); }

 private:
  QStringList phrases_;
  bool typing_ = false;
};

}  // namespace

QString describeActions(const std::vector<QJsonObject>& lines, const KeyNamer& nameOf,
                        const ApplicationNames& applications) {
  Phrases phrases;
  int heldModifiers = 0;
  bool modifierUsed = false;  // a key was typed while the modifiers were held
  QString shownName;          // the profile name the overlay last showed
  bool switchTold = false;
  int systemEvents = 0;

  const auto tellSystemEvents = [&] {
    if (systemEvents == 0) return;
    phrases.add(QCoreApplication::translate("DemoNarrator", "posted %n system key events", nullptr,
                                            systemEvents));
    systemEvents = 0;
  };

  for (const QJsonObject& line : lines) {
    const QString op = line[QStringLiteral("op")].toString();
    if (op != QLatin1String("hidPostEvent")) tellSystemEvents();

    if (op == QLatin1String("keyboardEvent")) {
      const int keyCode = line[QStringLiteral("keyCode")].toInt();
      const bool down = line[QStringLiteral("down")].toBool();
      if (const int modifier = modifierOf(keyCode)) {
        if (down) {
          if (heldModifiers == 0) modifierUsed = false;
          heldModifiers |= modifier;
        } else {
          // Modifiers pressed and let go with no key in between were a combination of their own.
          if (!modifierUsed && heldModifiers != 0) {
            //: %1 is a combination of modifier keys only, e.g. ⌘⇧.
            phrases.add(QCoreApplication::translate("DemoNarrator", "pressed %1")
                            .arg(nameOf(-1, heldModifiers)));
            modifierUsed = true;
          }
          heldModifiers &= ~modifier;
        }
      } else if (down) {
        phrases.typed(nameOf(keyCode, heldModifiers));
        modifierUsed = true;
      }
    } else if (op == QLatin1String("sleep")) {
      //: %1 is a duration such as "0.25 s".
      phrases.add(QCoreApplication::translate("DemoNarrator", "waited %1")
                      .arg(seconds(line[QStringLiteral("seconds")].toDouble())));
    } else if (op == QLatin1String("overlayName")) {
      shownName = line[QStringLiteral("name")].toString();
      phrases.add(QCoreApplication::translate("DemoNarrator", "switched to %1 (shown on screen)")
                      .arg(shownName));
      switchTold = true;
    } else if (op == QLatin1String("notification") &&
               line[QStringLiteral("name")].toString() == QLatin1String(control::kProfileChanged)) {
      // The overlay already told the switch when it showed the name.
      if (!switchTold) {
        const QString index = line[QStringLiteral("userInfo")]
                                  .toObject()[QLatin1String(control::kIndexKey)]
                                  .toString();
        phrases.add(QCoreApplication::translate("DemoNarrator", "switched to profile %1")
                        .arg(index.toInt() + 1));
      }
      switchTold = false;
    } else if (op == QLatin1String("script")) {
      const QString key = line[QStringLiteral("key")].toString();
      const QString param = line[QStringLiteral("param")].toString();
      if (key == QLatin1String("MakeLoginItem"))
        phrases.add(QCoreApplication::translate("DemoNarrator", "made sure it starts at login"));
      else if (param.isEmpty())
        phrases.add(QCoreApplication::translate("DemoNarrator", "ran its script for %1").arg(key));
      else
        phrases.add(QCoreApplication::translate("DemoNarrator", "asked %1 to %2")
                        .arg(applications.titleFor(param), key));
    } else if (op == QLatin1String("hidPostEvent")) {
      ++systemEvents;
    } else if (op == QLatin1String("open")) {
      phrases.add(QCoreApplication::translate("DemoNarrator", "opened %1")
                      .arg(line[QStringLiteral("path")].toString()));
    } else if (op == QLatin1String("openURL")) {
      phrases.add(QCoreApplication::translate("DemoNarrator", "opened %1")
                      .arg(line[QStringLiteral("url")].toString()));
    }
  }
  tellSystemEvents();
  return phrases.text();
}

}  // namespace halvane::demo

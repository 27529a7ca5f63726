// Fuzz target for the keyboard report path: arbitrary settings trees (missing keys, wrong types,
// short or long arrays) and arbitrary reports of 0 to 32 bytes with any read status, fed to the
// report handler of a Controller over fakes. Nothing may crash or read out of bounds.
//
// Input layout: a settings-shape part consumed byte by byte from the front, then reports, each
// "<length byte> <status byte> <bytes...>".

#include "helper/controller/Controller.h"
#include "helper/overlay/FakeProfileOverlay.h"
#include "shared/KeyboardIdentity.h"
#include "shared/settings/SettingsStore.h"
#include "tests/helper/controller/FakeServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <vector>

using namespace halvane;

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A value of a type the input picks: often the expected one, sometimes anything else.
PlistValue scalar(Input& in, const PlistValue& expected) {
  switch (in.byte() % 8) {
    case 0:
      return {};
    case 1:
      return PlistValue(qint64(std::int8_t(in.byte())));
    case 2:
      return PlistValue(bool(in.byte() & 1));
    case 3:
      return PlistValue(double(std::int8_t(in.byte())) * 37.5);
    case 4:
      return PlistValue(QString::number(std::int8_t(in.byte())));
    case 5:
      return PlistValue::array();
    case 6:
      return PlistValue::dictionary();
    default:
      return expected;
  }
}

// A step of another kind than a key in slot i: its kind and the entries of every kind, each
// often usable. Only slots whose byte asks for it take bytes for them, so that older corpus
// files keep their meaning.
void kindEntries(Input& in, PlistValue& combo, int i) {
  static const char* const kKinds[] = {"Key", "Text", "MouseButton", "Wheel", "Other"};
  static const char* const kWords[] = {"Left", "Right", "Middle", "Back",  "Forward",
                                       "Up",   "Down",  "Click",  "Press", "Release"};
  const std::uint8_t shape = in.byte();
  combo.set(QStringLiteral("stepKind%1").arg(i),
            scalar(in, QString::fromLatin1(kKinds[shape % 5])));
  combo.set(QStringLiteral("text%1").arg(i),
            scalar(in, QString(in.byte() % 3 == 0 ? 1001 : in.byte() % 8, QChar(0xE9))));
  combo.set(QStringLiteral("button%1").arg(i),
            scalar(in, QString::fromLatin1(kWords[in.byte() % 10])));
  combo.set(QStringLiteral("buttonAction%1").arg(i),
            scalar(in, QString::fromLatin1(kWords[in.byte() % 10])));
  combo.set(QStringLiteral("wheel%1").arg(i),
            scalar(in, QString::fromLatin1(kWords[in.byte() % 10])));
  combo.set(QStringLiteral("notches%1").arg(i), scalar(in, qint64(std::int8_t(in.byte()))));
  if (shape & 0x80) combo.set(QStringLiteral("keyCode%1").arg(i), qint64(-1));
}

PlistValue keyCombo(Input& in) {
  PlistValue combo = PlistValue::dictionary();
  for (int i = 0; i < 8; ++i) {
    const std::uint8_t slot = in.byte();
    if (slot & 1) continue;  // slot missing
    combo.set(QStringLiteral("keyCode%1").arg(i), scalar(in, qint64(std::int8_t(in.byte()))));
    combo.set(QStringLiteral("modifiers%1").arg(i), scalar(in, qint64(in.byte()) << 8));
    combo.set(QStringLiteral("delay%1").arg(i), scalar(in, qint64(0)));
    if ((slot & 0xF0) == 0xA0) kindEntries(in, combo, i);
  }
  return combo;
}

PlistValue macroKey(Input& in) {
  static const char* const kActions[] = {"", "LaunchApp", "SelectProfile", "ExecuteMacro", "Other"};
  PlistValue entry = PlistValue::dictionary();
  const std::uint8_t shape = in.byte();
  entry.set(QStringLiteral("ActionType"), scalar(in, QString::fromLatin1(kActions[shape % 5])));
  entry.set(QStringLiteral("SelectProfile"), scalar(in, qint64(std::int8_t(in.byte()) % 12)));
  entry.set(QStringLiteral("LaunchAppURL"), scalar(in, QStringLiteral("/bin/true")));
  entry.set(QStringLiteral("KeyCombo"), (shape & 0x80) ? scalar(in, {}) : keyCombo(in));
  return entry;
}

PlistValue profile(Input& in, int index) {
  PlistValue record = PlistValue::dictionary();
  record.set(QStringLiteral("Name"), scalar(in, QStringLiteral("Profile %1").arg(index + 1)));
  record.set(QStringLiteral("SwapCmdAlt"), scalar(in, true));
  record.set(QStringLiteral("AutoSwitching"), scalar(in, true));
  record.set(QStringLiteral("ApplicationPath"),
             scalar(in, QStringLiteral("/usr/bin/app%1").arg(in.byte() % 4)));
  record.set(QStringLiteral("MediaPlayer"), scalar(in, QStringLiteral("VLC")));
  record.set(QStringLiteral("ImagingOptions"), scalar(in, QStringLiteral("Preview")));
  const int keys = in.byte() % 13;
  PlistValue macroKeys = PlistValue::array();
  for (int k = 0; k < keys; ++k) macroKeys.append(macroKey(in));
  record.set(QStringLiteral("MacroKeys"), (in.byte() & 0x0F) ? macroKeys : scalar(in, {}));
  return record;
}

void fillSettings(Input& in, PlistValue& root) {
  root.set(QStringLiteral("ShowChangesOnScreen"), scalar(in, true));
  root.set(QStringLiteral("AutoSwitchingOverride"), scalar(in, false));
  const int count = in.byte() % 13;
  PlistValue profiles = PlistValue::array();
  for (int i = 0; i < count; ++i) profiles.append(profile(in, i));
  root.set(QStringLiteral("Profiles"), (in.byte() & 0x0F) ? profiles : scalar(in, {}));
}

struct Environment {
  Environment() {
    const QString resources = dir.filePath(QStringLiteral("HalvaneHelper.app/Contents/Resources"));
    QDir().mkpath(resources);
    QFile script(resources + QStringLiteral("/Halvane"));
    if (script.open(QIODevice::WriteOnly)) script.write("#!/bin/sh\n");
    settingsPath = dir.filePath(QStringLiteral("settings.plist"));
    settings::write(PlistValue::dictionary(), settingsPath);
    devNull = std::fopen("/dev/null", "w");
  }
  QTemporaryDir dir;
  QString settingsPath;
  std::FILE* devNull = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Environment environment;
  Input in(data, size);

  test::FakeServices fakes;
  FakeProfileOverlay overlay;
  Controller controller(
      fakes.services(Bundle(environment.dir.filePath(QStringLiteral("HalvaneHelper.app"))),
                     environment.settingsPath, environment.devNull, environment.devNull));
  controller.setItsWindow(&overlay);

  const std::uint8_t mode = in.byte();
  if (!(mode & 1)) {  // otherwise: no settings at all
    controller.loadPreferences();
    PlistValue root = controller.prefs();
    for (const QString& key : root.keys()) root.remove(key);
    fillSettings(in, root);
    // The key actions are read from the settings when they load and on a switch: read the
    // filled tree's, as if it had been loaded.
    controller.switchToProfile(0, false);
  }
  controller.createHIDSystem();
  controller.installApplicationSwitchHandler();
  controller.InitKeyboard();
  const ServiceId keyboards[] = {
      fakes.devices.attach(MatchingCriteria{keyboard::kVendorID, keyboard::kFirstProductID, 1, 6}),
      fakes.devices.attach(
          MatchingCriteria{keyboard::kVendorID, keyboard::kSecondProductID, 0x0C, 1})};
  controller.switchToProfile(std::int8_t(in.byte()) % 12, mode & 2);

  static const int kStatuses[] = {kIOReturnSuccess, kIOReturnUnderrun, int(0xE00002D8)};
  while (!in.empty()) {
    const std::uint8_t header = in.byte();
    if (header == 0xFF) {  // now and then another application comes to the front
      const std::uint8_t which = in.byte();
      fakes.front.bringToFront(which & 0x80 ? std::optional<QString>()
                                            : QStringLiteral("/usr/bin/app%1").arg(which % 5));
      continue;
    }
    const std::uint8_t status = in.byte();
    std::vector<std::uint8_t> report(header % 33);
    for (std::uint8_t& b : report) b = in.byte();
    fakes.devices.sendReport(keyboards[(header >> 7) & 1], report, kStatuses[status % 3]);
  }
  return 0;
}

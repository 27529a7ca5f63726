#include "tests/helper/controller/ControllerRig.h"

#include "platform/input/hidevent/EventRecord.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace halvane::test {

CapturedStream::CapturedStream() : file_(std::tmpfile()) {}

CapturedStream::~CapturedStream() {
  if (file_) std::fclose(file_);
}

QString CapturedStream::take() {
  std::fflush(file_);
  const long end = std::ftell(file_);
  QByteArray bytes(end - read_, '\0');
  std::fseek(file_, read_, SEEK_SET);
  const size_t n = std::fread(bytes.data(), 1, size_t(bytes.size()), file_);
  std::fseek(file_, end, SEEK_SET);
  read_ = end;
  return QString::fromUtf8(bytes.left(qsizetype(n)));
}

namespace {

void makeFile(const QString& path, const QByteArray& content, bool executable) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(content);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QString number(double value) {
  return QString::number(value, 'g', 12);
}

// One trace line as the short text of ControllerRig::take.
QString shortLine(const QJsonObject& o) {
  const QString op = o.value(QStringLiteral("op")).toString();
  if (op == u"keyboardEvent")
    return QStringLiteral("key %1 %2")
        .arg(o[QStringLiteral("keyCode")].toInt())
        .arg(o[QStringLiteral("down")].toBool() ? u"down" : u"up");
  if (op == u"eventStateCombining")
    return o[QStringLiteral("enabled")].toBool() ? QStringLiteral("combine on")
                                                 : QStringLiteral("combine off");
  if (op == u"suppressionInterval")
    return QStringLiteral("suppress ") + number(o[QStringLiteral("seconds")].toDouble());
  if (op == u"sleep")
    return QStringLiteral("sleep ") + number(o[QStringLiteral("seconds")].toDouble());
  if (op == u"open") return QStringLiteral("open ") + o[QStringLiteral("path")].toString();
  if (op == u"script") {
    const QString handler = o[QStringLiteral("handler")].toString();
    const QString prefix = handler == u"handlemediakey" ? QString() : handler + u' ';
    return QStringLiteral("script ") + prefix + o[QStringLiteral("key")].toString() + u'/' +
           o[QStringLiteral("param")].toString();
  }
  if (op == u"driverProperties")
    return QStringLiteral("driver 0x%1 %2 %3")
        .arg(o[QStringLiteral("service")].toString().toUInt(), 0, 16)
        .arg(o[QStringLiteral("SwapCmdAlt")].toInt())
        .arg(o[QStringLiteral("MacroMask")].toInt());
  if (op == u"hidPostEvent") {
    const QByteArray bytes = QByteArray::fromHex(o[QStringLiteral("record")].toString().toLatin1());
    NXEventData record{};
    std::copy_n(bytes.begin(), std::min<qsizetype>(bytes.size(), 48), record.begin());
    return QStringLiteral("hid %1 sub %2 %3 %4")
        .arg(o[QStringLiteral("type")].toInt())
        .arg(hidevent::get16(record, hidevent::kCompoundSubType))
        .arg(hidevent::get32(record, hidevent::kCompoundData1), 8, 16, QChar(u'0'))
        .arg(hidevent::get32(record, hidevent::kCompoundData2), 8, 16, QChar(u'0'));
  }
  if (op == u"notification") {
    const QString index =
        o[QStringLiteral("userInfo")].toObject()[QStringLiteral("Index")].toString();
    if (o[QStringLiteral("name")].toString() == u"Profile Changed" &&
        o[QStringLiteral("object")].toString() == u"com.halvane.keyboard.pane")
      return QStringLiteral("notify ") + index;
    return QStringLiteral("notification ") +
           QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
  }
  if (op == u"overlayName")
    return QStringLiteral("overlay ") + o[QStringLiteral("name")].toString();
  if (op == u"overlayHide") return QStringLiteral("overlay hide");
  if (op == u"log") return QStringLiteral("log ") + o[QStringLiteral("message")].toString();
  if (op == u"beginText") return QStringLiteral("text begin");
  if (op == u"endText") return QStringLiteral("text end");
  if (op == u"typeCharacter")
    return QStringLiteral("type ") + o[QStringLiteral("character")].toString();
  if (op == u"pointerButton")
    return QStringLiteral("button %1 %2")
        .arg(o[QStringLiteral("button")].toString(),
             o[QStringLiteral("down")].toBool() ? u"down" : u"up");
  if (op == u"wheel")
    return QStringLiteral("wheel %1 %2")
        .arg(o[QStringLiteral("direction")].toString())
        .arg(o[QStringLiteral("notches")].toInt());
  return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

}  // namespace

ControllerRig::ControllerRig(bool withScript) : trace(dir.filePath(QStringLiteral("trace.jsonl"))) {
  const QString resources = bundlePath() + QStringLiteral("/Contents/Resources/");
  QDir().mkpath(resources);
  makeFile(bundlePath() + QStringLiteral("/Contents/Info.plist"), QByteArray(), false);
  QFile::copy(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"),
              resources + QStringLiteral("defaults.plist"));
  if (withScript) makeFile(resources + QStringLiteral("Halvane"), "#!/bin/sh\n", true);

  ControllerServices services{tracedLog_,
                              tracedSleeper_,
                              clock,
                              tracedKeyboard_,
                              tracedTypist_,
                              tracedPointer_,
                              tracedHidEvents_,
                              tracedWorkspace_,
                              tracedScripts_,
                              front,
                              tracedNotifications_,
                              tracedDevices_,
                              Bundle(bundlePath()),
                              settingsPath(),
                              out.file(),
                              err.file()};
  controller = std::make_unique<Controller>(services);
  controller->setItsWindow(&overlay);
}

ControllerRig::~ControllerRig() {
  controller.reset();
}

QString ControllerRig::settingsPath() const {
  return dir.filePath(QStringLiteral("home/Library/Preferences/com.halvane.keyboard.plist"));
}

QString ControllerRig::bundlePath() const {
  return dir.filePath(QStringLiteral("HalvaneHelper.app"));
}

PlistValue ControllerRig::defaultSettings() {
  static const PlistValue defaults =
      settings::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  return defaults.deepCopy();
}

PlistValue ControllerRig::profile(const PlistValue& tree, int index) {
  return tree[QStringLiteral("Profiles")].at(index);
}

PlistValue ControllerRig::macroKey(const PlistValue& tree, int profileIndex, int key) {
  return profile(tree, profileIndex)[QStringLiteral("MacroKeys")].at(key);
}

void ControllerRig::setMacro(const PlistValue& tree, int profileIndex, int key,
                             const std::vector<Step>& steps) {
  PlistValue entry = macroKey(tree, profileIndex, key);
  PlistValue combo = PlistValue::dictionary();
  for (int i = 0; i < settings::kMacroStepCount; ++i) {
    const bool used = size_t(i) < steps.size();
    combo.set(QStringLiteral("keyCode%1").arg(i), used ? steps[size_t(i)].keyCode : -1);
    combo.set(QStringLiteral("modifiers%1").arg(i), used ? steps[size_t(i)].modifiers : -1);
    // Whole milliseconds are stored as integers, as the pane writes them.
    const double delay = used ? steps[size_t(i)].delay : 0.0;
    combo.set(QStringLiteral("delay%1").arg(i),
              delay == std::floor(delay) ? PlistValue(qint64(delay)) : PlistValue(delay));
  }
  entry.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  entry.set(QStringLiteral("KeyCombo"), combo);
}

void ControllerRig::setMacroSteps(const PlistValue& tree, int profileIndex, int key,
                                  const QList<settings::MacroStep>& steps) {
  PlistValue entry = macroKey(tree, profileIndex, key);
  PlistValue combo = PlistValue::dictionary();
  settings::writeMacroSteps(combo, steps);
  entry.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  entry.set(QStringLiteral("KeyCombo"), combo);
}

void ControllerRig::writeSettingsFile(const PlistValue& tree) const {
  settings::write(tree, settingsPath());
}

void ControllerRig::load(const PlistValue& tree) {
  writeSettingsFile(tree);
  controller->loadPreferences();
  take();
}

ServiceId ControllerRig::attach(int productID, bool consumer) {
  return devices.attach(
      MatchingCriteria{keyboard::kVendorID, productID, consumer ? 0x0C : 0x01, consumer ? 1 : 6});
}

QStringList ControllerRig::take(const QStringList& ops) {
  QFile file(dir.filePath(QStringLiteral("trace.jsonl")));
  QStringList lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  file.seek(traceRead_);
  while (!file.atEnd()) {
    const QByteArray raw = file.readLine();
    const QString line = shortLine(QJsonDocument::fromJson(raw).object());
    if (ops.isEmpty() || ops.contains(line.section(u' ', 0, 0))) lines.append(line);
  }
  traceRead_ = file.pos();
  return lines;
}

QStringList ControllerRig::takeFolded() {
  const QStringList lines = take();
  QStringList folded;
  for (qsizetype i = 0; i < lines.size();) {
    // suppress 0, combine off, key events..., combine on, suppress 0.25
    qsizetype end = i + 2;
    while (end < lines.size() && lines[end].startsWith(u"key ")) ++end;
    const bool combination = i + 1 < lines.size() && lines[i] == u"suppress 0" &&
                             lines[i + 1] == u"combine off" && end + 1 < lines.size() &&
                             lines[end] == u"combine on" && lines[end + 1] == u"suppress 0.25";
    if (!combination) {
      folded.append(lines[i++]);
      continue;
    }
    QStringList events;
    for (qsizetype k = i + 2; k < end; ++k) {
      const QStringList parts = lines[k].split(u' ');
      events.append(parts[1] + (parts[2] == u"down" ? QStringLiteral("v") : QStringLiteral("^")));
    }
    folded.append(u'[' + events.join(u' ') + u']');
    i = end + 2;
  }
  return folded;
}

std::vector<std::uint8_t> keys(std::uint8_t modifiers, std::initializer_list<std::uint8_t> codes) {
  std::vector<std::uint8_t> report(8, 0);
  report[0] = modifiers;
  size_t j = 2;
  for (std::uint8_t c : codes)
    if (j < report.size()) report[j++] = c;
  return report;
}

}  // namespace halvane::test

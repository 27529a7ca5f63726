// Controller: keyboard report handling and decoding.

#include "helper/controller/Controller.h"

#include "helper/hidsystem/HIDSystem.h"
#include "platform/input/hidevent/EventRecord.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

namespace halvane {

namespace {

// Key codes with a meaning in bytes 2 to 7 of a keyboard report.
constexpr std::uint8_t kF1 = 0x3A, kF8 = 0x41;  // profiles 0 to 7
constexpr std::uint8_t kFirstMacroKey = 0xF1, kLastMacroKey = 0xFA;
constexpr std::uint8_t kProfileKey = 0xFB;
constexpr std::uint8_t kEjectKey = 0xFC;
constexpr std::uint8_t kProfile8Key = 0xFD, kProfile9Key = 0xFE;
// Modifier bytes that turn the profile key into the profile-key script: one Command key alone.
constexpr std::uint8_t kLeftCommandOnly = 0x08, kRightCommandOnly = 0x80;

constexpr unsigned long kMediaReportSize = 3;
constexpr unsigned long kKeyboardReportSize = 8;

}  // namespace

void Controller::hidCallback(KeyboardRecord* target, int result, Controller* refcon,
                             quint32 bufferSize) {
  if (result != kIOReturnSuccess && result != kIOReturnUnderrun) {
    refcon->printOut("hidCallback called with result 0x%x\n", unsigned(result));
    return;
  }
  // The device writes at most the buffer's 32 bytes; a larger count is clamped so that neither
  // the comparison nor the copy below can reach past the buffer or the record.
  const quint32 size = std::min(bufferSize, kReportBufferSize);
  const std::uint8_t* report = refcon->mReportBuffer.data();
  if (size == target->lastReportSize && std::memcmp(report, target->lastReport.data(), size) == 0)
    return;
  target->lastReportSize = size;
  std::memcpy(target->lastReport.data(), report, size);
  refcon->reportChanged(target->service, size);
}

void Controller::reportChanged(ServiceId service, quint32 size) {
  // Compared and stored above as it arrives, decoded only when no macro plays: the keyboard's
  // record sees its reports in the order sent either way.
  const ReportBuffer report = mReportBuffer;
  // Without a macro in the way the report is decoded at once, with no queued work made for it.
  if (mMacroPlayer.isIdle()) {
    decodeReport(service, report, size);
    return;
  }
  mMacroPlayer.whenIdle(service, report, size,
                        [this, service, report, size] { decodeReport(service, report, size); });
}

void Controller::decodeReport(ServiceId service, const ReportBuffer& report, quint32 size) {
  // The copy stands in for the keyboard's last report, which it equals; the keyboard may be
  // gone by the time a queued report is decoded. The shared buffer holds the report again, as
  // the decoder is handed it.
  mReportBuffer = report;
  mReportSource = service;
  processKeys(mReportBuffer.data(), size, report.data(), size);
  mReportSource.reset();
}

void Controller::processKeys(std::uint8_t* report, unsigned long reportSize,
                             const std::uint8_t* /*prevBuf*/, unsigned long /*prevSize*/) {
  if (reportSize == kMediaReportSize) {
    if (report[1] != 0) mediaKeyPressed(report[1]);
    return;
  }
  if (reportSize != kKeyboardReportSize) return;

  const std::uint8_t modifiers = report[0];
  report[1] = 0x25;  // the reserved byte is never acted on
  // Scan a copy: an action may run the event loop (a script, a launch), and the next report
  // written into the shared buffer must not change the rest of this scan.
  std::array<std::uint8_t, kKeyboardReportSize> keys;
  std::memcpy(keys.data(), report, keys.size());
  const auto codes = std::span(keys).subspan(2);
  // The profile key anywhere in the report enables profile selection, even before the scan
  // reaches it.
  const bool profileKey = std::find(codes.begin(), codes.end(), kProfileKey) != codes.end();

  for (const std::uint8_t d : codes) {
    if (d >= kFirstMacroKey && d <= kLastMacroKey) {
      macroKeyPressed(d - kFirstMacroKey);
      return;
    }
    if (d == kProfile8Key && profileKey) switchToProfile(8, true);
    if (d == kProfile9Key && profileKey) switchToProfile(9, true);
    if (d >= kF1 && d <= kF8) {
      if (profileKey) switchToProfile(d - kF1, true);
      return;
    }
    if (d == kProfileKey) {
      if (modifiers == kLeftCommandOnly || modifiers == kRightCommandOnly)
        runKeyScript(QStringLiteral("ProfileKey"), QString());
      return;
    }
    if (d == kEjectKey && mHIDSystem) {
      mHIDSystem->postSystemDefineEvent(hidevent::kAuxKeyEject, 1);
      mHIDSystem->postSystemDefineEvent(hidevent::kAuxKeyEject, 0);
    }
  }
}

}  // namespace halvane

#include "platform/input/devices/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace halvane::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The standard boot keyboard descriptor, as keyboards ship it.
const Bytes kBootKeyboard = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29,
                             0xE7, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,
                             0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01, 0x05,
                             0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03,
                             0x91, 0x01, 0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00,
                             0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0xC0};

// A consumer control interface with a three-byte report.
const Bytes kConsumerControl = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,
                                0x95, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x19,
                                0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0xC0};

// A mouse: the application collection holds a physical one.
const Bytes kMouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
                      0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,
                      0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0xC0, 0xC0};

struct Case {
  const char* name;
  Bytes descriptor;
  std::optional<PrimaryUsage> expected;
};

TEST(ReportDescriptorTest, PrimaryUsageOfDescriptors) {
  const Case cases[] = {
      {"boot keyboard", kBootKeyboard, PrimaryUsage{0x01, 0x06}},
      {"consumer control", kConsumerControl, PrimaryUsage{0x0C, 0x01}},
      {"mouse", kMouse, PrimaryUsage{0x01, 0x02}},
      {"vendor page, two-byte",
       {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xC0},
       PrimaryUsage{0xFF00, 0x01}},
      {"four-byte usage page",
       {0x07, 0x01, 0x00, 0x00, 0x00, 0x09, 0x06, 0xA1, 0x01},
       PrimaryUsage{0x01, 0x06}},
      {"first of two usages",
       {0x05, 0x01, 0x09, 0x06, 0x09, 0x02, 0xA1, 0x01},
       PrimaryUsage{0x01, 0x06}},
      {"extended usage names its page",
       {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01},
       PrimaryUsage{0x0C, 0x01}},
      {"usage page restored by pop",
       {0x05, 0x0C, 0xA4, 0x05, 0x01, 0xB4, 0x09, 0x01, 0xA1, 0x01},
       PrimaryUsage{0x0C, 0x01}},
      {"pop without push is ignored",
       {0x05, 0x0C, 0xB4, 0x09, 0x01, 0xA1, 0x01},
       PrimaryUsage{0x0C, 0x01}},
      {"usages end at a main item",
       {0x05, 0x01, 0x09, 0x02, 0xB1, 0x02, 0xA1, 0x01},
       PrimaryUsage{0x01, 0x00}},
      {"nested application skipped",
       {0x05, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x09, 0x02, 0xA1, 0x01, 0xC0, 0xC0, 0x09, 0x06, 0xA1,
        0x01},
       PrimaryUsage{0x01, 0x06}},
      {"long item skipped",
       {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x01, 0x09, 0x06, 0xA1, 0x01},
       PrimaryUsage{0x01, 0x06}},
      {"empty", {}, std::nullopt},
      {"no collection", {0x05, 0x01, 0x09, 0x06}, std::nullopt},
      {"only a physical collection", {0x05, 0x01, 0x09, 0x06, 0xA1, 0x00, 0xC0}, std::nullopt},
      {"usage data cut off", {0x05, 0x01, 0x09}, std::nullopt},
      {"two-byte item cut off", {0x06, 0x01}, std::nullopt},
      {"four-byte item cut off", {0x0B, 0x01, 0x00, 0x0C}, std::nullopt},
      {"long item longer than the rest",
       {0xFE, 0xFF, 0x00, 0x05, 0x01, 0x09, 0x06, 0xA1, 0x01},
       std::nullopt},
      {"long item header cut off", {0xFE, 0x01}, std::nullopt},
  };
  for (const Case& c : cases) {
    // An exact-size heap copy, so any read past the end is caught by the address sanitizer.
    const auto copy = std::make_unique<std::uint8_t[]>(c.descriptor.size() + 1);
    std::copy(c.descriptor.begin(), c.descriptor.end(), copy.get());
    EXPECT_EQ(primaryUsage({copy.get(), c.descriptor.size()}), c.expected) << c.name;
  }
}

// The answer appears exactly when the bytes up to the application collection are there.
TEST(ReportDescriptorTest, EveryTruncationOfARealDescriptor) {
  constexpr std::size_t kThroughCollection = 6;  // 05 01 09 06 A1 01
  for (std::size_t length = 0; length <= kBootKeyboard.size(); ++length) {
    const Bytes prefix(kBootKeyboard.begin(), kBootKeyboard.begin() + std::ptrdiff_t(length));
    const auto usage = primaryUsage(prefix);
    if (length < kThroughCollection)
      EXPECT_FALSE(usage) << length;
    else
      EXPECT_EQ(usage, (PrimaryUsage{0x01, 0x06})) << length;
  }
}

// Random descriptors built from real items and raw bytes, cut at random places: never a read
// out of bounds (sanitized builds), and whatever is found stays found when more bytes follow,
// since parsing stops at the first top-level application collection.
TEST(ReportDescriptorTest, RandomDescriptorsAreSafeAndAnswersArePrefixStable) {
  const std::vector<Bytes> items = {{0x05, 0x01},
                                    {0x05, 0x0C},
                                    {0x06, 0x00, 0xFF},
                                    {0x09, 0x06},
                                    {0x09, 0x01},
                                    {0x0B, 0x01, 0x00, 0x0C, 0x00},
                                    {0xA1, 0x01},
                                    {0xA1, 0x00},
                                    {0xC0},
                                    {0xA4},
                                    {0xB4},
                                    {0x81, 0x02},
                                    {0xFE, 0x03, 0x00},
                                    {0x07},
                                    {0x0A}};
  std::mt19937 random(4856);
  std::uniform_int_distribution<int> byte(0, 255), pick(0, int(items.size())), count(0, 12);
  int found = 0;
  for (int round = 0; round < 20000; ++round) {
    Bytes bytes;
    for (int n = count(random); n > 0; --n) {
      const int which = pick(random);
      if (which == int(items.size()))
        bytes.push_back(std::uint8_t(byte(random)));
      else
        bytes.insert(bytes.end(), items[std::size_t(which)].begin(),
                     items[std::size_t(which)].end());
    }
    const auto exact = std::make_unique<std::uint8_t[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    const auto usage = primaryUsage({exact.get(), bytes.size()});
    if (!usage) continue;
    ++found;
    Bytes longer = bytes;
    for (int i = 0; i < 8; ++i) longer.push_back(std::uint8_t(byte(random)));
    EXPECT_EQ(primaryUsage(longer), usage);
  }
  // The stability check must actually have been exercised.
  EXPECT_GT(found, 1000);
}

}  // namespace
}  // namespace halvane::hid

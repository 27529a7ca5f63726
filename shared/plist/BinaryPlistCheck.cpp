#include "shared/plist/BinaryPlistCheck.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace halvane {

namespace {

// The context of every text the property-list files give: one set of texts for one subject.
struct PropertyList {
  Q_DECLARE_TR_FUNCTIONS(PropertyList)
};

constexpr qsizetype kHeaderSize = 8;
constexpr qsizetype kTrailerSize = 32;

class Checker {
 public:
  Checker(const QByteArray& bytes, int maxDepth, qint64 maxNodes)
      : b_(reinterpret_cast<const std::uint8_t*>(bytes.constData())),
        size_(quint64(bytes.size())),
        maxDepth_(maxDepth),
        nodesLeft_(maxNodes) {}

  bool run() {
    if (size_ < quint64(kHeaderSize + kTrailerSize + 1)) return false;
    if (std::string_view(reinterpret_cast<const char*>(b_), 7) != "bplist0") return false;
    const quint64 trailer = size_ - kTrailerSize;
    offsetSize_ = b_[trailer + 6];
    refSize_ = b_[trailer + 7];
    const quint64 count = bigEndian(trailer + 8, 8);
    const quint64 top = bigEndian(trailer + 16, 8);
    tableStart_ = bigEndian(trailer + 24, 8);
    if (offsetSize_ < 1 || offsetSize_ > 8 || refSize_ < 1 || refSize_ > 8) return false;
    if (count < 1 || top >= count || tableStart_ < quint64(kHeaderSize) || tableStart_ > trailer)
      return false;
    if (count > (trailer - tableStart_) / offsetSize_) return false;  // table must fit
    count_ = count;
    onPath_.assign(count, false);
    return object(top, 0);
  }

  // Whether the file failed for nesting too deep rather than for damage.
  bool tooDeep() const { return tooDeep_; }

 private:
  quint64 bigEndian(quint64 at, unsigned width) const {
    quint64 v = 0;
    for (unsigned i = 0; i < width; ++i) v = (v << 8) | b_[at + i];
    return v;
  }

  std::optional<quint64> offsetOf(quint64 index) const {
    const quint64 offset = bigEndian(tableStart_ + index * offsetSize_, offsetSize_);
    if (offset < quint64(kHeaderSize) || offset >= tableStart_) return std::nullopt;
    return offset;
  }

  // The element count of an object whose marker's low nibble is info, at position *at (just
  // after the marker); advances *at past an extended count.
  std::optional<quint64> countOf(std::uint8_t info, quint64* at) const {
    if (info != 0x0F) return info;
    if (*at >= tableStart_) return std::nullopt;
    const std::uint8_t marker = b_[*at];
    if ((marker & 0xF0) != 0x10 || (marker & 0x0F) > 3) return std::nullopt;
    const unsigned width = 1u << (marker & 0x0F);
    if (*at + 1 + width > tableStart_) return std::nullopt;
    const quint64 n = bigEndian(*at + 1, width);
    *at += 1 + width;
    return n;
  }

  bool fits(quint64 at, quint64 length) const {
    return at <= tableStart_ && length <= tableStart_ - at;
  }

  bool isString(quint64 index) const {
    const auto offset = offsetOf(index);
    if (!offset) return false;
    const std::uint8_t type = b_[*offset] >> 4;
    return type == 0x5 || type == 0x6;
  }

  bool object(quint64 index, int depth) {
    if (depth >= maxDepth_) {
      tooDeep_ = true;
      return false;
    }
    if (index >= count_ || --nodesLeft_ < 0 || onPath_[index]) return false;
    const auto offset = offsetOf(index);
    if (!offset) return false;
    const std::uint8_t marker = b_[*offset];
    const std::uint8_t type = marker >> 4, info = marker & 0x0F;
    quint64 at = *offset + 1;
    switch (type) {
      case 0x0:
        return info == 0x8 || info == 0x9;  // false, true
      case 0x1:
        return info <= 4 && fits(at, 1u << info);
      case 0x2:
        return (info == 2 || info == 3) && fits(at, 1u << info);
      case 0x3:
        return info == 3 && fits(at, 8);
      case 0x4: {
        const auto n = countOf(info, &at);
        return n && fits(at, *n);
      }
      case 0x5: {  // ASCII text; a NUL inside would cut it short in the parser
        const auto n = countOf(info, &at);
        if (!n || !fits(at, *n)) return false;
        return std::memchr(b_ + at, 0, *n) == nullptr;
      }
      case 0x6: {  // UTF-16 text, big-endian
        const auto n = countOf(info, &at);
        if (!n || *n > tableStart_ / 2 || !fits(at, *n * 2)) return false;
        for (quint64 i = 0; i < *n; ++i)
          if (b_[at + 2 * i] == 0 && b_[at + 2 * i + 1] == 0) return false;
        return true;
      }
      case 0x8:
        return fits(at, quint64(info) + 1);
      case 0xA:
      case 0xD: {
        const auto n = countOf(info, &at);
        const quint64 refs = type == 0xD ? 2 : 1;
        if (!n || *n > tableStart_ || !fits(at, *n * refs * refSize_)) return false;
        onPath_[index] = true;
        for (quint64 i = 0; i < *n; ++i) {
          if (type == 0xD) {
            const quint64 key = bigEndian(at + i * refSize_, refSize_);
            if (key >= count_ || !isString(key) || !object(key, depth + 1)) return false;
          }
          const quint64 valueAt = at + (type == 0xD ? *n + i : i) * refSize_;
          if (!object(bigEndian(valueAt, refSize_), depth + 1)) return false;
        }
        onPath_[index] = false;
        return true;
      }
      default:
        return false;  // sets and reserved markers never appear in settings
    }
  }

  const std::uint8_t* b_;
  quint64 size_;
  int maxDepth_;
  qint64 nodesLeft_;
  unsigned offsetSize_ = 0, refSize_ = 0;
  quint64 count_ = 0, tableStart_ = 0;
  std::vector<bool> onPath_;
  bool tooDeep_ = false;
};

}  // namespace

bool isSaneBinaryPlist(const QByteArray& bytes, int maxDepth, qint64 maxNodes, QString* why) {
  Checker checker(bytes, maxDepth, maxNodes);
  if (checker.run()) return true;
  if (why)
    *why = checker.tooDeep()
               //: %1: how many levels a file may nest.
               ? PropertyList::tr("nested deeper than %1").arg(maxDepth)
               : PropertyList::tr("a damaged binary property list");
  return false;
}

}  // namespace halvane

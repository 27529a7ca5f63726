#pragma once

#include <QByteArray>
#include <QString>

namespace halvane {

// Settings files are a few hundred kilobytes at most; anything far larger is not one of ours.
inline constexpr qint64 kMaxPlistFileSize = 16 * 1024 * 1024;

// Why a file gave nothing; callers act differently on each.
enum class FileFault {
  None,
  Missing,     // nothing at the path (a dangling link included)
  NotRegular,  // a folder, FIFO, socket or device, after following links: never replaced
  Unreadable,  // refused by the system, or larger than the limit
  Malformed,   // read, but not what was expected (filled in by the parsers)
};

// What a read gave: the value, or why there is none.
template <typename T>
struct ReadResult {
  T value{};
  FileFault fault = FileFault::None;
  QString error;  // why, in words; empty when fault is None

  bool ok() const { return fault == FileFault::None; }
};

// Reads a regular file (links followed), or a Qt resource (":/..."), of at most maxSize bytes.
// Never blocks on a FIFO, never reads an endless device, never takes more memory than the
// file's size.
ReadResult<QByteArray> readRegularFile(const QString& path, qint64 maxSize = kMaxPlistFileSize);

// Why a file of more than maxSize bytes is refused: "larger than 16 MiB".
QString tooLargeText(qint64 maxSize = kMaxPlistFileSize);

// "a FIFO, not a regular file" (or a folder, socket, device) for a path that exists but is not
// a regular file after following links; empty for a regular file or nothing at all.
QString notRegularReason(const QString& path);

}  // namespace halvane

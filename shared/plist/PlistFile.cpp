#include "shared/plist/PlistFile.h"

#include "shared/plist/BinaryPlistCheck.h"
#include "shared/plist/FileRead.h"
#include "shared/plist/FolderSync.h"
#include "shared/plist/PlistXmlReader.h"
#include "shared/plist/PlistXmlWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace halvane {

namespace {

// The context of every text the property-list files give: one set of texts for one subject.
struct PropertyList {
  Q_DECLARE_TR_FUNCTIONS(PropertyList)
};

// Deeper nesting than this is never a settings file, and would only exhaust the stack.
constexpr int kMaxDepth = 64;
// A binary file can share one object many times over; expanded, no settings file comes near.
constexpr qint64 kMaxNodes = 1 << 20;

// Seconds between the Unix epoch and the property-list epoch (2001-01-01 UTC).
constexpr qint64 kPlistEpochOffset = 978307200;

struct PlistDeleter {
  void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

QString takeString(char* s) {
  QString result = s ? QString::fromUtf8(s) : QString();
  std::free(s);
  return result;
}

PlistValue fromNode(plist_t node, int depth) {
  if (!node || depth >= kMaxDepth) return {};
  switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
      uint8_t b = 0;
      plist_get_bool_val(node, &b);
      return PlistValue(b != 0);
    }
    case PLIST_UINT: {
      uint64_t u = 0;
      plist_get_uint_val(node, &u);
      return PlistValue(qint64(u));  // negative integers are stored two's complement
    }
    case PLIST_REAL: {
      double d = 0;
      plist_get_real_val(node, &d);
      return PlistValue(d);
    }
    case PLIST_STRING: {
      char* s = nullptr;
      plist_get_string_val(node, &s);
      return PlistValue(takeString(s));
    }
    case PLIST_DATA: {
      char* bytes = nullptr;
      uint64_t length = 0;
      plist_get_data_val(node, &bytes, &length);
      QByteArray data(bytes, bytes ? qsizetype(length) : 0);
      std::free(bytes);
      return PlistValue(data);
    }
    case PLIST_DATE: {
      int32_t sec = 0, usec = 0;
      plist_get_date_val(node, &sec, &usec);
      return PlistValue(QDateTime::fromMSecsSinceEpoch(
          (qint64(sec) + kPlistEpochOffset) * 1000 + usec / 1000, QTimeZone::utc()));
    }
    case PLIST_ARRAY: {
      PlistValue array = PlistValue::array();
      const uint32_t n = plist_array_get_size(node);
      for (uint32_t i = 0; i < n; ++i)
        array.append(fromNode(plist_array_get_item(node, i), depth + 1));
      return array;
    }
    case PLIST_DICT: {
      PlistValue dict = PlistValue::dictionary();
      plist_dict_iter it = nullptr;
      plist_dict_new_iter(node, &it);
      for (;;) {
        char* key = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, it, &key, &item);
        if (!item) {
          std::free(key);
          break;
        }
        dict.set(takeString(key), fromNode(item, depth + 1));
      }
      std::free(it);
      return dict;
    }
    default:
      return {};  // keys, UIDs and unknown node types carry nothing a setting can use
  }
}

// The file a chain of links ends at (path itself when it is no link), even when that file does
// not exist yet; a loop of links leaves path as it is.
QString linkTarget(const QString& path) {
  QFileInfo info(path);
  for (int hops = 0; info.isSymLink(); ++hops) {
    if (hops == 40) return path;
    info.setFile(info.symLinkTarget());
  }
  return info.filePath();
}

}  // namespace

ReadResult<PlistValue> parsePlistExplained(QByteArray bytes) {
  ReadResult<PlistValue> result;
  auto malformed = [&result](const QString& why) {
    result.fault = FileFault::Malformed;
    result.error = why;
    return result;
  };
  if (bytes.isEmpty()) return malformed(PropertyList::tr("the file is empty"));
  if (bytes.size() > kMaxPlistFileSize) return malformed(tooLargeText());
  QString why;
  if (!bytes.startsWith("bplist")) {
    result.value = readXmlPlist(std::move(bytes), kMaxDepth, &why);
    return result.value.isNone() ? malformed(why) : result;
  }
  // The binary parser trusts its input; only a structurally sound file reaches it.
  if (!isSaneBinaryPlist(bytes, kMaxDepth, kMaxNodes, &why)) return malformed(why);
  plist_t root = nullptr;
  plist_from_bin(bytes.constData(), uint32_t(bytes.size()), &root);
  PlistPtr owner(root);
  result.value = fromNode(root, 0);
  return result.value.isNone() ? malformed(PropertyList::tr("a damaged binary property list"))
                               : result;
}

PlistValue parsePlist(QByteArray bytes) {
  return parsePlistExplained(std::move(bytes)).value;
}

ReadResult<PlistValue> readPlist(const QString& path) {
  ReadResult<QByteArray> file = readRegularFile(path);
  if (!file.ok()) return {PlistValue(), file.fault, file.error};
  return parsePlistExplained(std::move(file.value));
}

PlistValue readPlistFile(const QString& path) {
  return readPlist(path).value;
}

QByteArray toXmlPlist(const PlistValue& root) {
  return writeXmlPlist(root);
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  // A link stays a link: its target gets the new contents, in the target's own folder.
  const QString target = linkTarget(path);
  // A FIFO, device or folder is never replaced, nor written through.
  const QString notRegular = notRegularReason(target);
  if (!notRegular.isEmpty()) return fail(notRegular);
  const QFileInfo existing(target);
  const bool keepPermissions = existing.exists();
  const QFileDevice::Permissions permissions = existing.permissions();

  // QSaveFile flushes the new file's data before it renames it over the old one. Unbuffered:
  // a buffered write that fails only when flushed is not noticed by commit(), which then renames
  // a cut-off file into place. A short write is followed by another, whose failure carries the
  // system's reason ("No space left on device").
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
  for (qint64 written = 0; written < bytes.size();) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString why = file.errorString();  // cancelling replaces it with its own words
      file.cancelWriting();
      return fail(why);
    }
    written += n;
  }
  if (keepPermissions) file.setPermissions(permissions);
  if (!file.commit()) return fail(file.errorString());
  // The rename itself is only durable once the folder is flushed. The new contents are in place
  // either way, so a folder that cannot be flushed is no reason to report a failure.
  syncFolder(existing.absolutePath());
  return true;
}

bool writePlistFileAtomically(const QString& path, const PlistValue& root, QString* error) {
  const QByteArray xml = toXmlPlist(root);
  if (xml.isEmpty()) {
    if (error) *error = PropertyList::tr("nothing to write");
    return false;
  }
  return replaceFileAtomically(path, xml, error);
}

}  // namespace halvane

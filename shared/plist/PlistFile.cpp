#include "shared/plist/PlistFile.h"

#include "shared/plist/BinaryPlistCheck.h"
#include "shared/plist/FolderSync.h"
#include "shared/plist/PlistXmlReader.h"
#include "shared/plist/PlistXmlWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace halvane {

namespace {

// A settings file is a few kilobytes; anything far larger is not one of ours.
constexpr qsizetype kMaxFileSize = 16 * 1024 * 1024;
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
  if (!node || depth > kMaxDepth) return {};
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
      for (uint32_t i = 0; i < n; ++i) array.append(fromNode(plist_array_get_item(node, i), depth + 1));
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

}  // namespace

PlistValue parsePlist(QByteArray bytes) {
  if (bytes.isEmpty() || bytes.size() > kMaxFileSize) return {};
  if (!bytes.startsWith("bplist")) return readXmlPlist(std::move(bytes), kMaxDepth);
  // The binary parser trusts its input; only a structurally sound file reaches it.
  if (!isSaneBinaryPlist(bytes, kMaxDepth, kMaxNodes)) return {};
  plist_t root = nullptr;
  plist_from_bin(bytes.constData(), uint32_t(bytes.size()), &root);
  PlistPtr owner(root);
  return fromNode(root, 0);
}

PlistValue readPlistFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (file.size() > kMaxFileSize) return {};
  return parsePlist(file.readAll());
}

QByteArray toXmlPlist(const PlistValue& root) { return writeXmlPlist(root); }

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const QFileInfo existing(path);
  const bool keepPermissions = existing.exists();
  const QFileDevice::Permissions permissions = existing.permissions();

  // QSaveFile flushes the new file's data before it renames it over the old one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return fail(file.errorString());
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
    if (error) *error = QStringLiteral("nothing to write");
    return false;
  }
  return replaceFileAtomically(path, xml, error);
}

}  // namespace halvane

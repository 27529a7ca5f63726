#include "shared/plist/PlistXmlWriter.h"

#include <QDateTime>
#include <QTimeZone>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace halvane {

namespace {

constexpr char kProlog[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";
constexpr char kEpilog[] = "</plist>\n";

// Seconds between the Unix epoch and the property-list epoch (2001-01-01 UTC).
constexpr qint64 kPlistEpochOffset = 978307200;

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void node(const PlistValue& v, int depth) {
    switch (v.type()) {
      case PlistValue::Type::None:
        return;
      case PlistValue::Type::Boolean:
        indent(depth);
        out_.append(v.toBool() ? "<true/>\n" : "<false/>\n");
        return;
      case PlistValue::Type::Integer: {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, v.toInteger()).ptr;
        leaf(depth, "integer", QByteArrayView(digits, end - digits));
        return;
      }
      case PlistValue::Type::Real:
        leaf(depth, "real", real(v.doubleValue()));
        return;
      case PlistValue::Type::String:
        text(depth, "string", v.toString());
        return;
      case PlistValue::Type::Data:
        data(depth, v.toData());
        return;
      case PlistValue::Type::Date:
        leaf(depth, "date", date(v.toDate()));
        return;
      case PlistValue::Type::Array: {
        const PlistArray& items = *v.arrayItems();
        if (!container(depth, "array", hasValue(items))) return;
        for (const PlistValue& item : items) node(item, depth + 1);
        close(depth, "array");
        return;
      }
      case PlistValue::Type::Dictionary: {
        const PlistDictionary& entries = *v.dictionaryItems();
        if (!container(depth, "dict", hasValue(entries))) return;
        for (const auto& [key, item] : entries) {
          if (item.isNone()) continue;
          text(depth + 1, "key", key);
          node(item, depth + 1);
        }
        close(depth, "dict");
        return;
      }
    }
  }

 private:
  static bool hasValue(const PlistArray& items) {
    for (const PlistValue& item : items)
      if (!item.isNone()) return true;
    return false;
  }
  static bool hasValue(const PlistDictionary& entries) {
    for (const auto& entry : entries)
      if (!entry.second.isNone()) return true;
    return false;
  }

  void indent(int depth) { out_.append(size_t(depth), '\t'); }

  void leaf(int depth, const char* tag, QByteArrayView content) {
    indent(depth);
    out_.append(1, '<').append(tag).append(1, '>');
    out_.append(content.data(), size_t(content.size()));
    out_.append("</").append(tag).append(">\n");
  }

  // An empty container is one self-closing tag; false then, as nothing follows.
  bool container(int depth, const char* tag, bool filled) {
    indent(depth);
    out_.append(1, '<').append(tag).append(filled ? ">\n" : "/>\n");
    return filled;
  }
  void close(int depth, const char* tag) {
    indent(depth);
    out_.append("</").append(tag).append(">\n");
  }

  // Strings are stored as C strings: the text ends at its first NUL character. Only &, < and >
  // are escaped.
  void text(int depth, const char* tag, const QString& s) {
    indent(depth);
    out_.append(1, '<').append(tag).append(1, '>');
    bool ascii = true;
    for (QChar c : s) {
      if (c.unicode() >= 0x80) {
        ascii = false;
        break;
      }
    }
    if (ascii) {
      for (QChar c : s) {
        if (c.unicode() == 0) break;
        escaped(char(c.unicode()));
      }
    } else {
      const QByteArray utf8 = s.toUtf8();
      for (char c : utf8) {
        if (c == 0) break;
        escaped(c);
      }
    }
    out_.append("</").append(tag).append(">\n");
  }

  void escaped(char c) {
    switch (c) {
      case '<':
        out_.append("&lt;");
        break;
      case '>':
        out_.append("&gt;");
        break;
      case '&':
        out_.append("&amp;");
        break;
      default:
        out_.push_back(c);
    }
  }

  // Base64 in lines that shrink with the indentation (never below that of depth 8).
  void data(int depth, const QByteArray& bytes) {
    indent(depth);
    out_.append("<data>\n");
    const int lineIndent = depth > 8 ? 8 : depth;
    const qsizetype perLine = ((76 - (lineIndent << 3)) >> 2) * 3;
    for (qsizetype at = 0; at < bytes.size(); at += perLine) {
      indent(lineIndent);
      out_.append(bytes.mid(at, perLine).toBase64().toStdString());
      out_.push_back('\n');
    }
    indent(depth);
    out_.append("</data>\n");
  }

  static QByteArray real(double d) {
    if (std::isnan(d)) return QByteArrayLiteral("nan");
    if (std::isinf(d))
      return d > 0 ? QByteArrayLiteral("+infinity") : QByteArrayLiteral("-infinity");
    if (d == 0.0) return QByteArrayLiteral("0.0");
    char digits[64];
    const int n = std::snprintf(digits, sizeof digits, "%.17g", d);
    return QByteArray(digits, n);
  }

  // Whole seconds, as the binary and XML writers both keep them.
  static QByteArray date(const QDateTime& t) {
    const qint64 ms = t.toMSecsSinceEpoch() - kPlistEpochOffset * 1000;
    const qint64 seconds = qint64(qint32(ms / 1000)) + kPlistEpochOffset;
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"))
        .toLatin1();
  }

  std::string& out_;
};

}  // namespace

QByteArray writeXmlPlist(const PlistValue& root) {
  if (root.isNone()) return {};
  // Appending to a std::string is inlined, which a QByteArray's appends are not; the one copy at
  // the end costs far less than that.
  std::string out;
  out.reserve(64 * 1024);
  out.append(kProlog);
  Writer(out).node(root, 0);
  out.append(kEpilog);
  return QByteArray(out.data(), qsizetype(out.size()));
}

}  // namespace halvane

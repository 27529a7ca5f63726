#include "shared/plist/PlistXmlReader.h"

#include <pugixml.hpp>

#include <QByteArrayView>
#include <QCoreApplication>

#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace halvane {

namespace {

// The context of every text the property-list files give: one set of texts for one subject.
struct PropertyList {
  Q_DECLARE_TR_FUNCTIONS(PropertyList)
};

QString elementName(const pugi::xml_node& node) {
  return QString::fromUtf8(node.name());
}

// pugixml builds the element tree (it parses without recursion, so no nesting exhausts the
// stack); this walks it into PlistValues. Blank text is kept only as an element's one child: a
// string of blanks reads as itself, and the indentation between elements costs nothing.
constexpr unsigned kParseOptions =
    pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_ws_pcdata_single;

bool isText(const pugi::xml_node& node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

bool isBlank(const char* text) {
  for (; *text; ++text)
    if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
  return true;
}

// "line 3, column 17" of a byte offset into text. The buffer was parsed in place, so text with
// escapes or carriage returns before the offset may shift the count a little; elsewhere it is
// exact.
QString place(const char* text, size_t offset) {
  int line = 1, column = 1;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((text[i] & 0xC0) != 0x80) {  // one column per character, not per UTF-8 byte
      ++column;
    }
  }
  //: Where in a file a problem is: %1 and %2 are numbers.
  return PropertyList::tr("line %1, column %2").arg(line).arg(column);
}

class Reader {
 public:
  Reader(int maxDepth, const char* text) : maxDepth_(maxDepth), text_(text) {}

  PlistValue document(const pugi::xml_document& doc) {
    pugi::xml_node root;
    for (pugi::xml_node child : doc.children()) {
      if (child.type() == pugi::node_element) {
        if (root) {
          fail(child, PropertyList::tr("a second root element"));
          return {};
        }
        root = child;
      } else if (isText(child) && !isBlank(child.value())) {
        fail(child, PropertyList::tr("text outside the elements"));
        return {};
      }
    }
    if (!root) {
      fail(doc, PropertyList::tr("no element"));
      return {};
    }
    PlistValue result;
    if (std::strcmp(root.name(), "plist") != 0)
      return value(root, 0, result) ? result : PlistValue();
    pugi::xml_node inner;
    for (pugi::xml_node child = firstElement(root, nullptr); child; child = nextElement(child)) {
      if (inner) {
        //: <plist> is the file's XML element, not translated.
        fail(child, PropertyList::tr("a second value inside <plist>"));
        return {};
      }
      inner = child;
    }
    if (!ok_) return {};
    if (!inner) {
      //: <plist> is the file's XML element, not translated.
      fail(root, PropertyList::tr("<plist> holds no value"));
      return {};
    }
    return value(inner, 0, result) ? result : PlistValue();
  }

  const QString& error() const { return error_; }

 private:
  // The first element child of node; text that is not blank between elements spoils the file.
  pugi::xml_node firstElement(const pugi::xml_node& node, const pugi::xml_node* after) {
    for (pugi::xml_node child = after ? after->next_sibling() : node.first_child(); child;
         child = child.next_sibling()) {
      if (child.type() == pugi::node_element) return child;
      if (isText(child) && !isBlank(child.value()) && ok_) ok_ = failTextBetween(child);
    }
    return {};
  }
  // Apart from firstElement, whose qualified return type lupdate mistakes for its class.
  bool failTextBetween(const pugi::xml_node& text) {
    return fail(text, PropertyList::tr("text between elements"));
  }
  pugi::xml_node nextElement(const pugi::xml_node& node) {
    return firstElement(node.parent(), &node);
  }

  // The text of a leaf element; false when it holds an element.
  bool text(const pugi::xml_node& node, std::string_view& out) {
    const pugi::xml_node first = node.first_child();
    if (!first) {
      out = {};
      return true;
    }
    if (!first.next_sibling() && isText(first)) {
      out = first.value();
      return true;
    }
    buffer_.clear();
    for (pugi::xml_node child : node.children()) {
      if (!isText(child)) return false;
      buffer_ += child.value();
    }
    out = buffer_;
    return true;
  }

  enum class Tag { Dict, Array, String, True, False, Integer, Real, Data, Date, Other };

  // Settings files hold tens of thousands of elements: one look at the name's first letter
  // settles most of them without a chain of comparisons.
  static Tag tag(const char* name) {
    switch (name[0]) {
      case 'd':
        if (!std::strcmp(name, "dict")) return Tag::Dict;
        if (!std::strcmp(name, "data")) return Tag::Data;
        if (!std::strcmp(name, "date")) return Tag::Date;
        break;
      case 'a':
        if (!std::strcmp(name, "array")) return Tag::Array;
        break;
      case 's':
        if (!std::strcmp(name, "string")) return Tag::String;
        break;
      case 'i':
        if (!std::strcmp(name, "integer")) return Tag::Integer;
        break;
      case 't':
        if (!std::strcmp(name, "true")) return Tag::True;
        break;
      case 'f':
        if (!std::strcmp(name, "false")) return Tag::False;
        break;
      case 'r':
        if (!std::strcmp(name, "real")) return Tag::Real;
        break;
    }
    return Tag::Other;
  }

  bool value(const pugi::xml_node& node, int depth, PlistValue& out) {
    if (depth >= maxDepth_)
      //: %1: how many levels a file may nest.
      return fail(node, PropertyList::tr("nested deeper than %1").arg(maxDepth_));
    const Tag kind = tag(node.name());
    if (kind == Tag::Dict) return dictionary(node, depth, out);
    if (kind == Tag::Array) return array(node, depth, out);
    if (kind == Tag::Other)
      //: %1: an XML element's name as the file spells it.
      return fail(node,
                  PropertyList::tr("<%1> is not a property-list element").arg(elementName(node)));
    std::string_view content;
    if (!text(node, content))
      //: %1: an XML element's name as the file spells it.
      return fail(node, PropertyList::tr("<%1> holds an element").arg(elementName(node)));
    const QByteArrayView bytes(content.data(), qsizetype(content.size()));
    bool ok = false;
    switch (kind) {
      case Tag::String:
        out = PlistValue(shortStrings(content));
        return true;
      case Tag::True:
      case Tag::False:
        out = PlistValue(kind == Tag::True);
        ok = content.empty();
        break;
      case Tag::Integer:
        ok = integer(bytes.trimmed(), out);
        break;
      case Tag::Real:
        ok = real(bytes.trimmed(), out);
        break;
      case Tag::Data:
        ok = data(bytes, out);
        break;
      case Tag::Date:
        ok = date(bytes.trimmed(), out);
        break;
      default:
        break;
    }
    return ok ||
           //: %1: an XML element's name; %2: the start of the text it holds.
           fail(node,
                PropertyList::tr("<%1> holds \"%2\"")
                    .arg(elementName(node),
                         QString::fromUtf8(content.data(), qMin<qsizetype>(content.size(), 40))));
  }

  bool dictionary(const pugi::xml_node& node, int depth, PlistValue& out) {
    PlistDictionary entries;
    for (pugi::xml_node key = firstElement(node, nullptr); key && ok_;) {
      std::string_view name;
      if (std::strcmp(key.name(), "key") != 0 || !text(key, name))
        //: %1: an XML element's name as the file spells it; <key> is an element, not translated.
        return fail(key, PropertyList::tr("<%1> where a <key> belongs").arg(elementName(key)));
      const pugi::xml_node item = nextElement(key);
      if (!ok_) return false;
      //: <key> is the file's XML element, not translated.
      if (!item) return fail(key, PropertyList::tr("a <key> without a value"));
      PlistValue v;
      if (!value(item, depth + 1, v)) return false;
      // Files come with their keys in order, so the hint makes each insertion constant time; a
      // key given twice keeps its last value.
      entries.insert_or_assign(entries.end(), shortStrings(name), std::move(v));
      key = nextElement(item);
    }
    if (!ok_) return false;
    out = PlistValue::dictionary(std::move(entries));
    return true;
  }

  bool array(const pugi::xml_node& node, int depth, PlistValue& out) {
    PlistArray items;
    for (pugi::xml_node item = firstElement(node, nullptr); item && ok_; item = nextElement(item)) {
      PlistValue v;
      if (!value(item, depth + 1, v)) return false;
      items.push_back(std::move(v));
    }
    if (!ok_) return false;
    out = PlistValue::array(std::move(items));
    return true;
  }

  // Settings files repeat a few dozen key names and short values thousands of times: each is
  // made once and shared.
  QString shortStrings(std::string_view text) {
    if (text.size() > 24) return QString::fromUtf8(text.data(), qsizetype(text.size()));
    auto it = strings_.find(text);
    if (it != strings_.end()) return it->second;
    QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    strings_.emplace(std::string(text), s);
    return s;
  }

  // Plain decimals of up to 18 digits cannot overflow; they are nearly every integer of a
  // settings file, and the general conversion below costs several times as much.
  static bool plainDecimal(QByteArrayView text, qint64& out) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (negative) ++i;
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > 18) return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
      const unsigned d = unsigned(text[i]) - '0';
      if (d > 9) return false;
      v = v * 10 + d;
    }
    out = negative ? -v : v;
    return true;
  }

  static bool integer(QByteArrayView text, PlistValue& out) {
    qint64 plain = 0;
    if (plainDecimal(text, plain)) {
      out = PlistValue(plain);
      return true;
    }
    bool ok = false;
    qint64 v = text.toLongLong(&ok, 10);
    // Unsigned values past the signed range keep their bits, as the binary format does.
    if (!ok) v = qint64(text.toULongLong(&ok, 10));
    if (!ok && (text.startsWith("0x") || text.startsWith("0X")))
      v = qint64(text.sliced(2).toULongLong(&ok, 16));
    if (ok) out = PlistValue(v);
    return ok;
  }

  static bool real(QByteArrayView text, PlistValue& out) {
    bool ok = false;
    double d = text.toDouble(&ok);
    if (!ok) {
      const QByteArray word = text.toByteArray().toLower();
      ok = true;
      if (word == "nan")
        d = std::numeric_limits<double>::quiet_NaN();
      else if (word == "inf" || word == "+infinity" || word == "infinity")
        d = std::numeric_limits<double>::infinity();
      else if (word == "-inf" || word == "-infinity")
        d = -std::numeric_limits<double>::infinity();
      else
        ok = false;
    }
    if (ok) out = PlistValue(d);
    return ok;
  }

  static bool data(QByteArrayView text, PlistValue& out) {
    QByteArray compact;
    compact.reserve(text.size());
    for (char c : text) {
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') continue;
      compact.append((c & 0x80) ? '!' : c);  // not base64: refused below
    }
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    out = PlistValue(*decoded);
    return true;
  }

  static bool date(QByteArrayView text, PlistValue& out) {
    const QDateTime t = QDateTime::fromString(QString::fromUtf8(text), Qt::ISODate);
    if (!t.isValid()) return false;
    out = PlistValue(t.toUTC());
    return true;
  }

  // Notes the first problem with its place; always false.
  bool fail(const pugi::xml_node& node, const QString& what) {
    if (error_.isEmpty()) {
      // An element's offset is its name's; the "<" is one before.
      const ptrdiff_t at = node.offset_debug();
      const size_t offset = at > 0 && node.type() == pugi::node_element
                                ? size_t(at - 1)
                                : size_t(qMax<ptrdiff_t>(at, 0));
      error_ = place(text_, offset) + QStringLiteral(": ") + what;
    }
    return false;
  }

  int maxDepth_;
  const char* text_;
  QString error_;
  bool ok_ = true;
  std::string buffer_;
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  std::unordered_map<std::string, QString, Hash, std::equal_to<>> strings_;
};

}  // namespace

PlistValue readXmlPlist(QByteArray bytes, int maxDepth, QString* why) {
  pugi::xml_document doc;
  char* text = bytes.data();
  const pugi::xml_parse_result parsed =
      doc.load_buffer_inplace(text, size_t(bytes.size()), kParseOptions, pugi::encoding_auto);
  if (!parsed) {
    if (why) {
      QString description = QString::fromUtf8(parsed.description());
      if (!description.isEmpty()) description[0] = description[0].toLower();
      //: %1: where, e.g. "line 3, column 17"; %2: the XML parser's own English description.
      *why = PropertyList::tr("XML error at %1: %2")
                 .arg(place(text,
                            size_t(qBound(ptrdiff_t(0), parsed.offset, ptrdiff_t(bytes.size())))),
                      description);
    }
    return {};
  }
  Reader reader(maxDepth, text);
  PlistValue result = reader.document(doc);
  if (why && result.isNone()) *why = reader.error();
  return result;
}

}  // namespace halvane

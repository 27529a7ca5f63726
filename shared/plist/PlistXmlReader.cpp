#include "shared/plist/PlistXmlReader.h"

#include <QXmlStreamReader>

#include <cmath>
#include <limits>
#include <optional>

namespace halvane {

namespace {

class Reader {
 public:
  Reader(const QByteArray& bytes, int maxDepth) : xml_(bytes), maxDepth_(maxDepth) {}

  PlistValue document() {
    if (!nextElement()) return {};
    std::optional<PlistValue> root;
    if (xml_.name() == u"plist") {
      if (!nextElement()) return {};  // <plist/> holds nothing
      root = value(0);
      if (root && !expectEnd()) root.reset();  // exactly one value inside <plist>
    } else {
      root = value(0);
    }
    // Whatever follows must be well-formed too.
    while (root && !xml_.atEnd()) {
      xml_.readNext();
      if (xml_.isStartElement()) root.reset();
    }
    if (xml_.hasError() && xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError) return {};
    if (xml_.hasError()) return {};
    return root ? *root : PlistValue();
  }

 private:
  // Moves to the next start element; false at an end element, the end or an error.
  bool nextElement() {
    while (!xml_.atEnd()) {
      switch (xml_.readNext()) {
        case QXmlStreamReader::StartElement: return true;
        case QXmlStreamReader::EndElement: return false;
        case QXmlStreamReader::Characters:
          if (!xml_.isWhitespace()) return false;
          break;
        default: break;
      }
    }
    return false;
  }

  // True when the current container ends here (no further element before its end tag).
  bool expectEnd() { return !nextElement() && xml_.isEndElement(); }

  std::optional<PlistValue> value(int depth) {
    if (depth > maxDepth_) return std::nullopt;
    const QStringView name = xml_.name();
    if (name == u"dict") return dictionary(depth);
    if (name == u"array") return array(depth);
    if (name == u"true" || name == u"false") {
      const bool b = name == u"true";
      if (!xml_.readElementText().isEmpty()) return std::nullopt;
      return PlistValue(b);
    }
    const QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (xml_.hasError()) return std::nullopt;
    if (name == u"string") return PlistValue(text);
    if (name == u"integer") return integer(text.trimmed());
    if (name == u"real") return real(text.trimmed());
    if (name == u"data") return data(text);
    if (name == u"date") return date(text.trimmed());
    return std::nullopt;
  }

  std::optional<PlistValue> dictionary(int depth) {
    PlistValue dict = PlistValue::dictionary();
    while (nextElement()) {
      if (xml_.name() != u"key") return std::nullopt;
      const QString key = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
      if (xml_.hasError() || !nextElement()) return std::nullopt;
      std::optional<PlistValue> item = value(depth + 1);
      if (!item) return std::nullopt;
      dict.set(key, *item);
    }
    if (!xml_.isEndElement()) return std::nullopt;
    return dict;
  }

  std::optional<PlistValue> array(int depth) {
    PlistValue list = PlistValue::array();
    while (nextElement()) {
      std::optional<PlistValue> item = value(depth + 1);
      if (!item) return std::nullopt;
      list.append(*item);
    }
    if (!xml_.isEndElement()) return std::nullopt;
    return list;
  }

  static std::optional<PlistValue> integer(const QString& text) {
    bool ok = false;
    qint64 v = text.toLongLong(&ok, 10);
    if (ok) return PlistValue(v);
    // Unsigned values past the signed range keep their bits, as the binary format does.
    const quint64 u = text.toULongLong(&ok, 10);
    if (ok) return PlistValue(qint64(u));
    if (text.startsWith(u"0x") || text.startsWith(u"0X")) {
      v = qint64(text.mid(2).toULongLong(&ok, 16));
      if (ok) return PlistValue(v);
    }
    return std::nullopt;
  }

  static std::optional<PlistValue> real(const QString& text) {
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (ok) return PlistValue(d);
    const QString word = text.toLower();
    if (word == u"nan") return PlistValue(std::numeric_limits<double>::quiet_NaN());
    if (word == u"inf" || word == u"+infinity" || word == u"infinity")
      return PlistValue(std::numeric_limits<double>::infinity());
    if (word == u"-inf" || word == u"-infinity")
      return PlistValue(-std::numeric_limits<double>::infinity());
    return std::nullopt;
  }

  static std::optional<PlistValue> data(const QString& text) {
    QByteArray compact;
    compact.reserve(text.size());
    for (QChar c : text)
      if (!c.isSpace()) compact.append(char(c.unicode() < 128 ? c.unicode() : '!'));
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return std::nullopt;
    return PlistValue(*decoded);
  }

  static std::optional<PlistValue> date(const QString& text) {
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    if (!t.isValid()) return std::nullopt;
    return PlistValue(t.toUTC());
  }

  QXmlStreamReader xml_;
  int maxDepth_;
};

}  // namespace

PlistValue readXmlPlist(const QByteArray& bytes, int maxDepth) {
  return Reader(bytes, maxDepth).document();
}

}  // namespace halvane

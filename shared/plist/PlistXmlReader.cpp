#include "shared/plist/PlistXmlReader.h"

#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace halvane {

namespace {

class Reader {
 public:
  Reader(const QByteArray& bytes, int maxDepth) : xml_(bytes), maxDepth_(maxDepth) {}

  PlistValue document() {
    if (!nextElement()) return {};
    PlistValue root;
    bool ok = false;
    if (xml_.name() == u"plist") {
      if (!nextElement()) return {};  // <plist/> holds nothing
      ok = value(0, root) && expectEnd();  // exactly one value inside <plist>
    } else {
      ok = value(0, root);
    }
    // Whatever follows must be well-formed too.
    while (ok && !xml_.atEnd()) {
      xml_.readNext();
      if (xml_.isStartElement()) ok = false;
    }
    if (!ok || xml_.hasError()) return {};
    return root;
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

  // Each reader stores what it read in out and answers whether the element was sound.
  bool value(int depth, PlistValue& out) {
    if (depth > maxDepth_) return false;
    const QStringView name = xml_.name();
    if (name == u"dict") return dictionary(depth, out);
    if (name == u"array") return array(depth, out);
    if (name == u"true" || name == u"false") {
      out = PlistValue(name == u"true");
      return xml_.readElementText().isEmpty();
    }
    const QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (xml_.hasError()) return false;
    if (name == u"string") {
      out = PlistValue(text);
      return true;
    }
    if (name == u"integer") return integer(text.trimmed(), out);
    if (name == u"real") return real(text.trimmed(), out);
    if (name == u"data") return data(text, out);
    if (name == u"date") return date(text.trimmed(), out);
    return false;
  }

  bool dictionary(int depth, PlistValue& out) {
    out = PlistValue::dictionary();
    while (nextElement()) {
      if (xml_.name() != u"key") return false;
      const QString key = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
      if (xml_.hasError() || !nextElement()) return false;
      PlistValue item;
      if (!value(depth + 1, item)) return false;
      out.set(key, item);
    }
    return xml_.isEndElement();
  }

  bool array(int depth, PlistValue& out) {
    out = PlistValue::array();
    while (nextElement()) {
      PlistValue item;
      if (!value(depth + 1, item)) return false;
      out.append(item);
    }
    return xml_.isEndElement();
  }

  static bool integer(const QString& text, PlistValue& out) {
    bool ok = false;
    qint64 v = text.toLongLong(&ok, 10);
    // Unsigned values past the signed range keep their bits, as the binary format does.
    if (!ok) v = qint64(text.toULongLong(&ok, 10));
    if (!ok && (text.startsWith(u"0x") || text.startsWith(u"0X")))
      v = qint64(text.mid(2).toULongLong(&ok, 16));
    if (ok) out = PlistValue(v);
    return ok;
  }

  static bool real(const QString& text, PlistValue& out) {
    bool ok = false;
    double d = text.toDouble(&ok);
    if (!ok) {
      const QString word = text.toLower();
      ok = true;
      if (word == u"nan")
        d = std::numeric_limits<double>::quiet_NaN();
      else if (word == u"inf" || word == u"+infinity" || word == u"infinity")
        d = std::numeric_limits<double>::infinity();
      else if (word == u"-inf" || word == u"-infinity")
        d = -std::numeric_limits<double>::infinity();
      else
        ok = false;
    }
    if (ok) out = PlistValue(d);
    return ok;
  }

  static bool data(const QString& text, PlistValue& out) {
    QByteArray compact;
    compact.reserve(text.size());
    for (QChar c : text)
      if (!c.isSpace()) compact.append(char(c.unicode() < 128 ? c.unicode() : '!'));
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    out = PlistValue(*decoded);
    return true;
  }

  static bool date(const QString& text, PlistValue& out) {
    const QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    if (!t.isValid()) return false;
    out = PlistValue(t.toUTC());
    return true;
  }

  QXmlStreamReader xml_;
  int maxDepth_;
};

}  // namespace

PlistValue readXmlPlist(const QByteArray& bytes, int maxDepth) {
  return Reader(bytes, maxDepth).document();
}

}  // namespace halvane

#pragma once

#include "shared/plist/PlistValue.h"

#include <QByteArray>
#include <QString>

namespace halvane {

// Reads an XML property list. Returns None for anything that is not one (bad XML, unknown
// elements, a key without a value, unparsable numbers, nesting deeper than maxDepth), and then
// says why in *why when given, with the line and column.
// The text is parsed in place: a buffer handed over with std::move is never copied.
PlistValue readXmlPlist(QByteArray bytes, int maxDepth, QString* why = nullptr);

}  // namespace halvane

#pragma once

#include "shared/plist/PlistValue.h"

#include <QByteArray>

namespace halvane {

// Reads an XML property list. Returns None for anything that is not one (bad XML, unknown
// elements, a key without a value, unparsable numbers, nesting deeper than maxDepth).
// The text is parsed in place: a buffer handed over with std::move is never copied.
PlistValue readXmlPlist(QByteArray bytes, int maxDepth);

}  // namespace halvane

#pragma once

#include "shared/plist/PlistValue.h"

#include <QByteArray>

namespace halvane {

// Reads an XML property list. Returns None for anything that is not one (bad XML, unknown
// elements, a key without a value, unparsable numbers, nesting deeper than maxDepth).
PlistValue readXmlPlist(const QByteArray& bytes, int maxDepth);

}  // namespace halvane

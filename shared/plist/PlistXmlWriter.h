#pragma once

#include "shared/plist/PlistValue.h"

#include <QByteArray>

namespace halvane {

// The tree as an XML property list, byte for byte as libplist's XML writer lays it out (tab
// indentation, keys in the dictionaries' order, None values left out), so files written before
// and after compare equal. Empty for a None root.
QByteArray writeXmlPlist(const PlistValue& root);

}  // namespace halvane

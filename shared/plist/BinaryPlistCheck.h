#pragma once

#include <QByteArray>
#include <QString>

namespace halvane {

// Checks the structure of a binary property list before any parser sees it: the trailer, the
// offset table, every object's extent and references, dictionary keys being strings, no
// reference cycles, nesting at most maxDepth, and no more than maxNodes values once shared
// objects are expanded into a tree. Only a file that passes is handed to the parser. Otherwise
// *why, when given, says what is wrong.
bool isSaneBinaryPlist(const QByteArray& bytes, int maxDepth, qint64 maxNodes,
                       QString* why = nullptr);

}  // namespace halvane

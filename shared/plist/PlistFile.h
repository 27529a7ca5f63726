#pragma once

#include "shared/plist/PlistValue.h"

#include <QByteArray>
#include <QString>

namespace halvane {

// Parses XML or binary property-list bytes. Returns a None value for anything that is not a
// well-formed property list (or nests deeper than any settings file ever could).
PlistValue parsePlist(QByteArray bytes);

// Reads the property list at path; None when the file is missing or does not parse.
PlistValue readPlistFile(const QString& path);

// The tree as an XML property list.
QByteArray toXmlPlist(const PlistValue& root);

// Writes bytes through a temporary file that then replaces path, so a reader sees the old file
// or the new one, never a part. The new file and then its folder are flushed to disk before
// this returns, so a power loss leaves the old contents or the new, never an empty file. An
// existing file's permission bits are kept. Returns false, with a reason in *error when given,
// if anything failed; the old file is then intact.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The tree as XML, written as replaceFileAtomically() does.
bool writePlistFileAtomically(const QString& path, const PlistValue& root,
                              QString* error = nullptr);

}  // namespace halvane

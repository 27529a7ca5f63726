#pragma once

#include "shared/plist/FileRead.h"
#include "shared/plist/PlistValue.h"

#include <QByteArray>
#include <QString>

namespace halvane {

// Parses XML or binary property-list bytes. Anything that is not a well-formed property list (or
// nests deeper than any settings file ever could) gives a None value, a Malformed fault and the
// reason, with the line and column of an XML file's first problem.
ReadResult<PlistValue> parsePlistExplained(QByteArray bytes);
PlistValue parsePlist(QByteArray bytes);  // the value alone

// Reads the property list at path as readRegularFile() reads files: a missing, special, too
// large or unreadable file gives None with its fault and reason, as does one that does not parse.
ReadResult<PlistValue> readPlist(const QString& path);
PlistValue readPlistFile(const QString& path);  // the value alone

// The tree as an XML property list.
QByteArray toXmlPlist(const PlistValue& root);

// Writes bytes through a temporary file that then replaces path, so a reader sees the old file
// or the new one, never a part. The new file and then its folder are flushed to disk before
// this returns, so a power loss leaves the old contents or the new, never an empty file. An
// existing file's permission bits are kept. A link keeps pointing where it did, at the new
// contents; a path that is a FIFO, device or folder is refused. Returns false, with the system's
// reason in *error when given, if anything failed; the old file is then intact.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The tree as XML, written as replaceFileAtomically() does.
bool writePlistFileAtomically(const QString& path, const PlistValue& root,
                              QString* error = nullptr);

}  // namespace halvane

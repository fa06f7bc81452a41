#pragma once

#include <QString>

// File names are bytes. Qt turns them into text through the locale's codec,
// whose UTF-8 cannot give back a name that is not valid UTF-8: such a file
// was left out of every listing and could not be opened. install() makes
// the locale's codec a UTF-8 that keeps each byte it cannot decode as the
// code unit U+DC80 + (byte - 0x80) ("surrogate escape") and writes it back as
// that byte, so QFile, QDir and QFileInfo reach every file by its real name.
namespace filenames {

// Once, before the first file name is read; idempotent.
void install();
// The name to show: kept bytes appear as U+FFFD.
QString displayName(const QString &name);
// Whether the name holds bytes that are no UTF-8.
bool hasKeptBytes(const QString &name);

} // namespace filenames

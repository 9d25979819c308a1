#pragma once

#include "foundation/base/cp1254.h"
#include "foundation/base/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvel {

// Side files are read only when they are regular files of a sane size
// (smallfile.h): any other is said and read as missing.

// ---- INI files (private-profile format) ---------------------------------
// One key each; IniFile reads or writes many at once. Sections and keys match
// without regard to case; a value is at most 254 characters and loses
// surrounding blanks. Missing file/section/key: "".
QString iniread(const QString &section, const QString &key, const QString &file);
// Sets one key, creating file, section and key as needed; every other byte of
// the file stays as it was. Failures are not reported.
void iniwrite(const QString &section, const QString &key, const QString &value, const QString &file);

// ---- Line files ------------------------------------------------------------
// Reads up to maxLines lines; a missing file or a missing line ends the reading,
// so the result may be shorter (empty when the file does not exist).
QStringList readLineFile(const QString &file, int maxLines);
// Writes the whole file anew (writeWholeFile), every line (the last included)
// ending in CR LF.
Result<void> writeLineFile(const QString &file, const QStringList &lines);

// A file in a directory; the directory is always passed in, never guessed.
QString fileIn(const QString &directory, const QString &fileName);

} // namespace tarvel

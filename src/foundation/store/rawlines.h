#pragma once

// Internal to the store: side files as lines that keep their own ends, so a
// file is written back with every byte the program did not change.

#include <QByteArray>
#include <QList>

namespace tarvel {

struct RawLine {
    QByteArray text; // without the line end
    QByteArray end;  // "\r\n", "\n" or empty for a last line without one
};

QList<RawLine> splitLines(const QByteArray &bytes);

// Editors that save "UTF-8 with BOM" put these three bytes first. Read with
// them, the first line would be "\xEF\xBB\xBF[section]" and never match.
inline const QByteArray utf8Bom("\xEF\xBB\xBF");

// Removes a leading byte-order mark; true when there was one.
bool takeBom(QByteArray &bytes);

} // namespace tarvel

#pragma once

#include <QByteArray>
#include <QString>

namespace tarvel {

// Writes a file the printing reads (a layout, its printer file, the pointer,
// a background picture kept with a layout) through a temporary file renamed
// over it, so the previous one stays whole until the new one is complete.
// A path that is something other than a regular file (a folder, a FIFO) is
// left alone. Throws tarvel::Error "<failure>: <path> (<cause>)".
void writeWholeFile(const QString &path, const QByteArray &bytes, const QString &failure);

} // namespace tarvel

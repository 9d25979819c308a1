#pragma once

#include "foundation/base/result.h"

#include <QByteArray>
#include <QString>

namespace tarvel {

// Every file the program writes whole goes through here: the side files, the
// layouts and what goes with them, the chart pictures, the start-up entry.
// The bytes go to a temporary file beside the target, renamed over it only
// once all of them are written, so a failure (a full disk, no permission)
// leaves the old file as it was and nothing beside it. A path that exists as
// something other than a regular file (a folder, a FIFO, a device, also
// behind a symlink) is left alone: the rename would put a file in its place.
// The folder is not made.
//
// The error reads "<failure>: <path> (<cause>)", the cause as the system says it.
Result<void> writeWholeFile(const QString &path, const QByteArray &bytes,
                            const QString &failure = QStringLiteral("Dosya yazılamadı"));

} // namespace tarvel

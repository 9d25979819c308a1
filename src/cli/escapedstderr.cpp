#include "escapedstderr.h"

#include "foundation/base/oneline.h"

#include <cstdio>

namespace tarvel::cli {

// QTextStream hands over whole encoded characters, so each piece decodes alone.
qint64 EscapedStderr::writeData(const char *data, qint64 length)
{
    const QByteArray shown = escapedControls(QString::fromUtf8(data, qsizetype(length)), true).toUtf8();
    if (std::fwrite(shown.constData(), 1, size_t(shown.size()), stderr) != size_t(shown.size()))
        return -1;
    std::fflush(stderr);
    return length;
}

} // namespace tarvel::cli

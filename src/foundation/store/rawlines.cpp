#include "foundation/store/rawlines.h"

namespace tarvel {

QList<RawLine> splitLines(const QByteArray &bytes)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        RawLine line;
        if (nl < 0) {
            line.text = bytes.mid(start);
            start = bytes.size();
        } else {
            line.text = bytes.mid(start, nl - start);
            line.end = "\n";
            if (line.text.endsWith('\r')) {
                line.text.chop(1);
                line.end = "\r\n";
            }
            start = nl + 1;
        }
        lines.append(line);
    }
    return lines;
}

bool takeBom(QByteArray &bytes)
{
    if (!bytes.startsWith(utf8Bom))
        return false;
    bytes.remove(0, utf8Bom.size());
    return true;
}

} // namespace tarvel

#pragma once

#include <QString>

namespace tarvel {

// The text with every CR and LF as a blank: for anything shown or stored one
// entry per line (list entries, line files, "NR- NAME" output), where a line
// break inside a value would start a line of its own.
inline QString oneLine(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

} // namespace tarvel

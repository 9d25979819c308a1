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

// The text with its control characters written out ("\x1b", "\u0085"), for a
// value typed by someone shown in a message: it can neither drive the
// terminal nor hide what it holds. keepLineBreaks keeps LF and TAB, for a
// message's own lines.
inline QString escapedControls(const QString &text, bool keepLineBreaks = false)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u <= 0x9f);
        if (!control || (keepLineBreaks && (u == u'\n' || u == u'\t')))
            out += c;
        else if (u < 0x80)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

} // namespace tarvel

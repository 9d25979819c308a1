#include "pickers/combocompletion.h"

#include "foundation/base/numbers.h"

#include <QRegularExpression>

namespace tarvel {

namespace {

// The pattern as a regular expression matching the whole text.
QRegularExpression likeExpression(const QString &pattern)
{
    QString rx;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('*')) {
            rx += QStringLiteral(".*");
        } else if (c == QLatin1Char('?')) {
            rx += QLatin1Char('.');
        } else if (c == QLatin1Char('#')) {
            rx += QStringLiteral("[0-9]");
        } else if (c == QLatin1Char('[') && pattern.indexOf(QLatin1Char(']'), i + 1) > i) {
            const int close = pattern.indexOf(QLatin1Char(']'), i + 1);
            QString list = pattern.mid(i + 1, close - i - 1);
            QString cls = QStringLiteral("[");
            if (list.startsWith(QLatin1Char('!'))) {
                cls += QLatin1Char('^');
                list.remove(0, 1);
            }
            for (const QChar m : list) {
                // Ranges keep their '-'; everything else is a literal member.
                if (m == QLatin1Char('-'))
                    cls += m;
                else
                    cls += QRegularExpression::escape(QString(m));
            }
            cls += QLatin1Char(']');
            rx += list.isEmpty() ? QStringLiteral("(?!)") : cls;
            i = close;
        } else {
            rx += QRegularExpression::escape(QString(c));
        }
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(rx),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

std::optional<ComboCompletion> completeComboText(const QStringList &entries, const QString &text, int caret)
{
    if (text.isEmpty())
        return std::nullopt;
    caret = qBound(0, caret, int(text.size()));
    const QRegularExpression prefix = likeExpression(turkishUpper(text.left(caret)) + QLatin1Char('*'));
    const QString whole = turkishUpper(text);
    for (const QString &entry : entries) {
        const QString upper = turkishUpper(entry);
        if (upper == whole || !prefix.match(upper).hasMatch())
            continue;
        ComboCompletion completion;
        completion.text = text.left(caret) + entry.mid(caret) + text.mid(caret);
        completion.selectionStart = caret;
        completion.selectionLength = int(completion.text.size()) - caret;
        return completion;
    }
    return std::nullopt;
}

std::optional<QString> exactComboEntry(const QStringList &entries, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QString upper = turkishUpper(text);
    for (const QString &entry : entries) {
        if (turkishUpper(entry) == upper)
            return entry;
    }
    return std::nullopt;
}

} // namespace tarvel

// The read-only guard.

#include "foundation/erp/erpconnection.h"

#include <QSet>

namespace tarvel {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#') ||
           c == QLatin1Char('$');
}

// Words that write, run code or change the server (writetext and updatetext
// write text columns, enable and disable switch triggers, send and receive
// write to and take from message queues, conversation ends or moves one,
// begin/commit/rollback/tran open and end transactions that hold locks, and
// the locking hints take locks that block the ERP's own users). T-SQL needs no
// ';' between statements ("select 1 delete from x" is two), so a select that
// carries one of them outside literals, quoted names and comments is refused
// as well.
const QSet<QString> &writingWords()
{
    static const QSet<QString> words{
        QStringLiteral("insert"),      QStringLiteral("update"),         QStringLiteral("delete"),
        QStringLiteral("merge"),       QStringLiteral("into"),           QStringLiteral("exec"),
        QStringLiteral("execute"),     QStringLiteral("drop"),           QStringLiteral("create"),
        QStringLiteral("alter"),       QStringLiteral("truncate"),       QStringLiteral("grant"),
        QStringLiteral("revoke"),      QStringLiteral("deny"),           QStringLiteral("backup"),
        QStringLiteral("restore"),     QStringLiteral("dbcc"),           QStringLiteral("kill"),
        QStringLiteral("shutdown"),    QStringLiteral("declare"),        QStringLiteral("bulk"),
        QStringLiteral("openrowset"),  QStringLiteral("opendatasource"), QStringLiteral("openquery"),
        QStringLiteral("reconfigure"), QStringLiteral("writetext"),      QStringLiteral("updatetext"),
        QStringLiteral("enable"),      QStringLiteral("disable"),        QStringLiteral("send"),
        QStringLiteral("receive"),     QStringLiteral("conversation"),   QStringLiteral("begin"),
        QStringLiteral("tran"),        QStringLiteral("transaction"),    QStringLiteral("commit"),
        QStringLiteral("rollback"),    QStringLiteral("tablockx"),       QStringLiteral("holdlock"),
        QStringLiteral("updlock"),     QStringLiteral("xlock"),
    };
    return words;
}

// Skips a quoted part starting at i (the opening character); the closing
// character doubled stands for itself. Returns the index after the closing
// character, or -1 when the text ends first.
int skipQuoted(const QString &s, int i, QChar close)
{
    for (++i; i < s.size(); ++i) {
        if (s.at(i) == close) {
            if (i + 1 < s.size() && s.at(i + 1) == close) {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return -1;
}

} // namespace

bool isReadOnlyStatement(const QString &statement)
{
    const QString &s = statement;
    const int n = int(s.size());
    bool firstToken = true;
    bool startsWithSelect = false;
    bool afterSemicolon = false;
    QString previousWord;
    int i = 0;
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
            while (i < n && s.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            // Block comments nest in T-SQL.
            int depth = 0;
            while (i < n) {
                if (s.at(i) == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
                    ++depth;
                    i += 2;
                } else if (s.at(i) == QLatin1Char('*') && i + 1 < n && s.at(i + 1) == QLatin1Char('/')) {
                    i += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++i;
                }
            }
            if (depth != 0)
                return false;
            continue;
        }
        if (c == QLatin1Char(';')) {
            afterSemicolon = true;
            ++i;
            continue;
        }
        // Anything else is part of a statement: after a ';' it is a second one.
        if (afterSemicolon)
            return false;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            i = skipQuoted(s, i, close);
            if (i < 0)
                return false; // an open literal: nobody can tell where the statement ends
            firstToken = false;
            previousWord.clear();
            continue;
        }
        if (isWordChar(c)) {
            const int start = i;
            while (i < n && isWordChar(s.at(i)))
                ++i;
            const QString word = s.mid(start, i - start).toLower();
            if (firstToken)
                startsWithSelect = word == QLatin1String("select");
            else if (writingWords().contains(word))
                return false;
            // "next value for SEQ" advances the sequence; "next" alone is harmless.
            if (previousWord == QLatin1String("next") && word == QLatin1String("value"))
                return false;
            previousWord = word;
            firstToken = false;
            continue;
        }
        firstToken = false;
        previousWord.clear();
        ++i;
    }
    return startsWithSelect;
}

} // namespace tarvel

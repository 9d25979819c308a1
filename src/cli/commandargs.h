#pragma once

#include "cli.h"
#include "foundation/base/result.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tarvel::cli {

// The options of a report command: flags (--merge), options with one value
// (--from 20240101) and options that may be repeated (--salesman 3 --salesman 5).
// Anything else - an unknown option, a missing value, a stray word, an option
// given twice that may not repeat - is an error naming it.
class CommandArgs {
public:
    struct Options {
        QStringList flags{};
        QStringList values{};
        QStringList repeated{};
        QStringList required{};
    };
    static Result<CommandArgs> parse(const QStringList &args, const Options &options);

    bool flag(const QString &name) const { return m_flags.contains(name); }
    bool has(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name) const { return m_values.value(name).value(0); }
    QStringList values(const QString &name) const { return m_values.value(name); }

    // A yyyyMMdd option as a date in the years 1900 to 9999; an error naming
    // the option otherwise.
    Result<QDate> date(const QString &name) const;
    // A comma-separated list ("12,15,9"); an error when it is empty or holds an empty item.
    Result<QStringList> list(const QString &name) const;

private:
    CommandArgs() = default;
    QSet<QString> m_flags;
    QHash<QString, QStringList> m_values;
};

// The options of a command that requires --from and --to (yyyyMMdd; options
// need not name them), with the two dates; an error names the first option
// at fault.
struct DateRange {
    QDate from;
    QDate to;
};
struct DatedArgs {
    CommandArgs args;
    DateRange range;
};
Result<DatedArgs> parseDated(const QStringList &words, CommandArgs::Options options);

// The options of a command that takes --refs R1,R2,..., with the references.
struct RefArgs {
    CommandArgs args;
    QStringList refs;
};
Result<RefArgs> parseWithRefs(const QStringList &words, const CommandArgs::Options &options);

// The argument error and the command's usage on stderr; exit code 2.
int usageError(Context &context, const char *command, const Error &error, const char *usage);

} // namespace tarvel::cli

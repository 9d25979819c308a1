#include "commandargs.h"

#include "foundation/base/oneline.h"
#include "foundation/erp/filterlengths.h"

#include <QHash>

namespace tarvel::cli {

namespace {

// The ERP keeps no dates before 1900; years of other lengths make no date key.
constexpr int firstYear = 1900;
constexpr int lastYear = 9999;

// Options naming a file written: an empty name writes nothing, silently.
const QStringList fileOptions{QStringLiteral("--xls"), QStringLiteral("--xlsx"), QStringLiteral("--pdf"),
                              QStringLiteral("--chart")};

// Typed filters take no more than the window's boxes do.
int longestValue(const QString &option)
{
    static const QHash<QString, int> lengths{
        {QStringLiteral("--customer"), filterLength::customerName},
        {QStringLiteral("--customer-code"), filterLength::customerCode},
        {QStringLiteral("--name"), filterLength::itemName},
        {QStringLiteral("--special-code"), filterLength::itemSpecialCode},
        {QStringLiteral("--group-code"), filterLength::itemGroupCode},
    };
    return lengths.value(option, -1);
}

} // namespace

Result<CommandArgs> CommandArgs::parse(const QStringList &args, const Options &options)
{
    CommandArgs parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (options.flags.contains(arg)) {
            parsed.m_flags.insert(arg);
        } else if (options.values.contains(arg) || options.repeated.contains(arg)) {
            if (i + 1 >= args.size() || args.at(i + 1).startsWith(QLatin1String("--")))
                return Error(QStringLiteral("%1 bir değer ister (needs a value)").arg(arg));
            if (parsed.m_values.contains(arg) && !options.repeated.contains(arg))
                return Error(QStringLiteral("%1 bir kez verilebilir (may be given once)").arg(arg));
            const QString &value = args.at(++i);
            if (value.isEmpty() && fileOptions.contains(arg))
                return Error(
                    QStringLiteral("%1 bir dosya adı ister, boş değil (needs a file name)").arg(arg));
            if (const int longest = longestValue(arg); longest >= 0 && value.size() > longest)
                return Error(QStringLiteral("%1 en çok %2 karakter alır, %3 karakter verildi (too long)")
                                 .arg(arg)
                                 .arg(longest)
                                 .arg(value.size()));
            parsed.m_values[arg].append(value);
        } else {
            return Error(QStringLiteral("bilinmeyen seçenek (unknown option): %1").arg(escapedControls(arg)));
        }
    }
    for (const QString &name : options.required) {
        if (!parsed.m_values.contains(name))
            return Error(QStringLiteral("%1 verilmeli (is required)").arg(name));
    }
    return parsed;
}

Result<QDate> CommandArgs::date(const QString &name) const
{
    const QString text = value(name);
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (text.size() != 8 || !date.isValid())
        return Error(QStringLiteral("%1 yyyyMMdd biçiminde bir tarih ister, \"%2\" değil (needs a date)")
                         .arg(name, escapedControls(text)));
    if (date.year() < firstYear || date.year() > lastYear)
        return Error(
            QStringLiteral("%1 %2 ile %3 yılları arasında bir tarih ister, \"%4\" değil (year out of range)")
                .arg(name)
                .arg(firstYear)
                .arg(lastYear)
                .arg(escapedControls(text)));
    return date;
}

Result<QStringList> CommandArgs::list(const QString &name) const
{
    const QStringList items = value(name).split(QLatin1Char(','));
    QStringList trimmed;
    for (const QString &item : items) {
        if (item.trimmed().isEmpty())
            return Error(QStringLiteral("%1 virgülle ayrılmış değerler ister (needs comma-separated values)")
                             .arg(name));
        trimmed << item.trimmed();
    }
    return trimmed;
}

Result<DatedArgs> parseDated(const QStringList &words, CommandArgs::Options options)
{
    const QStringList dates{QStringLiteral("--from"), QStringLiteral("--to")};
    options.values += dates;
    options.required = dates + options.required;
    Result<CommandArgs> args = CommandArgs::parse(words, options);
    if (!args)
        return args.error();
    const Result<QDate> from = args->date(QStringLiteral("--from"));
    if (!from)
        return from.error();
    const Result<QDate> to = args->date(QStringLiteral("--to"));
    if (!to)
        return to.error();
    return DatedArgs{std::move(*args), {*from, *to}};
}

Result<RefArgs> parseWithRefs(const QStringList &words, const CommandArgs::Options &options)
{
    Result<CommandArgs> args = CommandArgs::parse(words, options);
    if (!args)
        return args.error();
    Result<QStringList> refs = args->list(QStringLiteral("--refs"));
    if (!refs)
        return refs.error();
    return RefArgs{std::move(*args), std::move(*refs)};
}

int usageError(Context &context, const char *command, const Error &error, const char *usage)
{
    context.err << "tarvel-report " << command << ": " << error.description() << "\n" << usage;
    return 2;
}

} // namespace tarvel::cli

#include "commandargs.h"

namespace tarvel::cli {

namespace {

// The ERP keeps no dates before 1900; years of other lengths make no date key.
constexpr int firstYear = 1900;
constexpr int lastYear = 9999;

} // namespace

CommandArgs::CommandArgs(const QStringList &args, const Spec &spec)
{
    for (int i = 0; i < args.size() && ok(); ++i) {
        const QString &arg = args.at(i);
        if (spec.flags.contains(arg)) {
            m_flags.insert(arg);
        } else if (spec.values.contains(arg) || spec.repeated.contains(arg)) {
            if (i + 1 >= args.size() || args.at(i + 1).startsWith(QLatin1String("--")))
                m_error = QStringLiteral("%1 bir değer ister (needs a value)").arg(arg);
            else if (m_values.contains(arg) && !spec.repeated.contains(arg))
                m_error = QStringLiteral("%1 bir kez verilebilir (may be given once)").arg(arg);
            else
                m_values[arg].append(args.at(++i));
        } else {
            m_error = QStringLiteral("bilinmeyen seçenek (unknown option): %1").arg(arg);
        }
    }
    for (const QString &name : spec.required) {
        if (ok() && !m_values.contains(name))
            m_error = QStringLiteral("%1 verilmeli (is required)").arg(name);
    }
}

std::optional<QDate> CommandArgs::date(const QString &name)
{
    const QString text = value(name);
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (text.size() != 8 || !date.isValid()) {
        m_error = QStringLiteral("%1 yyyyMMdd biçiminde bir tarih ister, \"%2\" değil (needs a date)")
                      .arg(name, text);
        return std::nullopt;
    }
    if (date.year() < firstYear || date.year() > lastYear) {
        m_error =
            QStringLiteral("%1 %2 ile %3 yılları arasında bir tarih ister, \"%4\" değil (year out of range)")
                .arg(name)
                .arg(firstYear)
                .arg(lastYear)
                .arg(text);
        return std::nullopt;
    }
    return date;
}

std::optional<QStringList> CommandArgs::list(const QString &name)
{
    const QStringList items = value(name).split(QLatin1Char(','));
    for (const QString &item : items) {
        if (item.trimmed().isEmpty()) {
            m_error = QStringLiteral("%1 virgülle ayrılmış değerler ister (needs comma-separated values)")
                          .arg(name);
            return std::nullopt;
        }
    }
    QStringList trimmed;
    for (const QString &item : items)
        trimmed << item.trimmed();
    return trimmed;
}

} // namespace tarvel::cli

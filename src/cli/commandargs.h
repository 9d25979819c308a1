#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvel::cli {

// The options of a report command: flags (--merge), options with one value
// (--from 20240101) and options that may be repeated (--salesman 3 --salesman 5).
// Anything else - an unknown option, a missing value, a stray word, an option
// given twice that may not repeat - is an error naming it.
class CommandArgs {
public:
    struct Spec {
        QStringList flags{};
        QStringList values{};
        QStringList repeated{};
        QStringList required{};
    };
    CommandArgs(const QStringList &args, const Spec &spec);

    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    bool flag(const QString &name) const { return m_flags.contains(name); }
    bool has(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name) const { return m_values.value(name).value(0); }
    QStringList values(const QString &name) const { return m_values.value(name); }

    // A yyyyMMdd option as a date in the years 1900 to 9999; an error (see
    // error()) naming it otherwise.
    std::optional<QDate> date(const QString &name);
    // A comma-separated list ("12,15,9"); an error when it is empty or holds an empty item.
    std::optional<QStringList> list(const QString &name);

private:
    QSet<QString> m_flags;
    QHash<QString, QStringList> m_values;
    QString m_error;
};

} // namespace tarvel::cli

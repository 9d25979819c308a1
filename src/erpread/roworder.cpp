#include "erpread/roworder.h"

#include <QDateTime>
#include <algorithm>

namespace tarvel {

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

QString referenceKey(const QString &reference)
{
    const QString trimmed = reference.trimmed();
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    return ok ? QString::number(number) : trimmed;
}

QString referenceKey(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (d == double(qlonglong(d)))
            return QString::number(qlonglong(d));
    }
    return referenceKey(value.toString());
}

bool onOrBefore(const QVariant &date, const QString &dateKey)
{
    if (date.isNull())
        return false;
    if (date.typeId() == QMetaType::QDateTime) {
        // As "DATE_ <= day" compares: up to the day's midnight. Compared by its
        // parts: a local QDateTime built per row asks the time zone each time.
        const QDate day = QDate::fromString(dateKey, QStringLiteral("yyyyMMdd"));
        const QDateTime at = date.toDateTime();
        return day.isValid() && (at.date() < day || (at.date() == day && at.time() == QTime(0, 0)));
    }
    return date.toString() <= dateKey;
}

int compareValues(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (isNumber(a) && isNumber(b)) {
        if (a.typeId() != QMetaType::Double && b.typeId() != QMetaType::Double) {
            const qlonglong x = a.toLongLong();
            const qlonglong y = b.toLongLong();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime) {
        const QDateTime x = a.toDateTime();
        const QDateTime y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

int columnIndex(const QStringList &columns, const QString &name)
{
    for (int c = 0; c < columns.size(); ++c) {
        if (columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

void sortRows(ValueRows &rows, const QVector<int> &columns)
{
    if (columns.isEmpty())
        return;
    std::stable_sort(rows.begin(), rows.end(),
                     [&columns](const QVector<QVariant> &x, const QVector<QVariant> &y) {
                         for (const int c : columns) {
                             if (c < 0)
                                 continue;
                             const int order = compareValues(x.at(c), y.at(c));
                             if (order != 0)
                                 return order < 0;
                         }
                         return false;
                     });
}

} // namespace tarvel

#include "foundation/erp/erpconnection.h"
#include "foundation/erp/erpdatetime.h"

#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"

#include <cmath>

namespace tarvel {

// ---- Datetimes stored as text ------------------------------------------------

namespace {

bool digitsAt(const QString &text, int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

int numberAt(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i)
        value = value * 10 + (text.at(i).unicode() - '0');
    return value;
}

} // namespace

QDateTime parseErpDateTime(const QString &raw)
{
    const QString text = raw.trimmed();
    if ((text.size() == 8 || text.size() == 17) && digitsAt(text, 0, 8)) {
        const QDate date(numberAt(text, 0, 4), numberAt(text, 4, 2), numberAt(text, 6, 2));
        if (!date.isValid())
            return {};
        if (text.size() == 8)
            return QDateTime(date, QTime(0, 0));
        if (text.at(8) != QLatin1Char(' ') || text.at(11) != QLatin1Char(':') ||
            text.at(14) != QLatin1Char(':') || !digitsAt(text, 9, 2) || !digitsAt(text, 12, 2) ||
            !digitsAt(text, 15, 2))
            return {};
        const QTime time(numberAt(text, 9, 2), numberAt(text, 12, 2), numberAt(text, 15, 2));
        return time.isValid() ? QDateTime(date, time) : QDateTime();
    }
    QDateTime iso = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!iso.isValid())
        iso = QDateTime::fromString(QString(text).replace(QLatin1Char(' '), QLatin1Char('T')),
                                    Qt::ISODateWithMs);
    if (!iso.isValid()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid())
            iso = QDateTime(date, QTime(0, 0));
    }
    return iso;
}

// ---- ErpRows ---------------------------------------------------------------------

ErpRows::ErpRows(QStringList columns, QVector<QVector<QVariant>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

int ErpRows::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant ErpRows::value(const QString &column) const
{
    const int index = columnIndex(column);
    if (index < 0)
        throw ErpError(QStringLiteral("Sonuçta %1 alanı yok.").arg(column));
    if (m_pos < 0 || m_pos >= rowCount())
        throw ErpError(QStringLiteral("Geçerli kayıt yok (%1).").arg(column));
    return m_rows.at(m_pos).at(index);
}

bool ErpRows::isNull(const QString &column) const
{
    return value(column).isNull();
}

QString ErpRows::text(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return formatPlain(v.toDouble());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        const QString day = dt.toString(QStringLiteral("dd.MM.yyyy"));
        return dt.time().msecsSinceStartOfDay() == 0 ? day : day + dt.toString(QStringLiteral(" HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

double ErpRows::number(const QString &column) const
{
    const double result = storedNumber(column);
    // "inf", "nan" and a REAL infinity are no amount: they would spread
    // through every total they are added to.
    return std::isfinite(result) ? result : 0;
}

double ErpRows::storedNumber(const QString &column) const
{
    const QVariant v = value(column);
    double result = 0;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        result = v.toDouble();
        break;
    case QMetaType::QString: {
        // A number kept in a text column: the server's own form first
        // ("12.5"), then the Turkish one ("12,5").
        bool ok = false;
        result = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            result = numberOrZero(v.toString());
        break;
    }
    default:
        break;
    }
    return result;
}

QDateTime ErpRows::dateTime(const QString &column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QString)
        return parseErpDateTime(v.toString());
    return {};
}

} // namespace tarvel

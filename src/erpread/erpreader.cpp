#include "erpread/erpreader.h"

#include "foundation/base/sqlvalue.h"

namespace tarvel {

ErpReader::ErpReader(ReadMode mode, Send send, int chunk)
    : m_mode(mode), m_send(std::move(send)), m_chunk(qMax(1, chunk))
{
}

ErpReader::Read ErpReader::define(const ErpRead &read)
{
    m_kinds.push_back(Kind{});
    m_kinds.back().read = read;
    return Read(m_kinds.size() - 1);
}

void ErpReader::want(Read read, const QString &reference)
{
    if (!sets())
        return;
    Kind &kind = m_kinds.at(size_t(read));
    const QString key = referenceKey(reference);
    if (kind.wanted.contains(key))
        return;
    kind.wanted.insert(key, true);
    kind.pending << key;
}

void ErpReader::onRead(Read read, std::function<void(const ErpRows &set)> hook)
{
    m_kinds.at(size_t(read)).hooks.push_back(std::move(hook));
}

QString ErpReader::setStatement(const Kind &kind, const QStringList &keys)
{
    QString values;
    for (const QString &key : keys)
        values += (values.isEmpty() ? QString() : QStringLiteral(",")) + sqlValue(key);
    const KeyedRead &read = kind.read.sets;
    QString columns = read.columns;
    for (const QString &column : read.optional) {
        if (hasColumn(read.table, column))
            columns += QLatin1Char(',') + column;
    }
    return QStringLiteral("select ") + columns + QStringLiteral(" from ") + read.table +
           QStringLiteral(" where ") + read.key + QStringLiteral(" IN (") + values + QLatin1Char(')') +
           read.condition + read.tail;
}

void ErpReader::readSet(Kind &kind, const QString &first)
{
    // The reference asked about, then the next pending ones in the order wanted.
    QStringList keys{first};
    kind.wanted.insert(first, true);
    while (!kind.pending.isEmpty() && keys.size() < m_chunk) {
        const QString key = kind.pending.takeFirst();
        if (key != first && !kind.loaded.contains(key) && !kind.failed.contains(key))
            keys << key;
    }
    ErpRows set;
    try {
        const QString statement = setStatement(kind, keys);
        set = m_send(statement);
    } catch (const ErpError &e) {
        for (const QString &key : std::as_const(keys))
            kind.failed.insert(key, e);
        throw;
    }
    kind.columns = set.columns();
    const int column = columnIndex(kind.columns, kind.read.sets.key);
    if (column < 0)
        throw ErpError(QStringLiteral("Sonuçta %1 alanı yok.").arg(kind.read.sets.key));
    QVector<int> order;
    for (const QString &name : std::as_const(kind.read.sets.order))
        order << columnIndex(kind.columns, name);
    for (const QString &key : std::as_const(keys))
        kind.loaded.insert(key, {});
    for (int row = 0; row < set.rowCount(); ++row) {
        const QVector<QVariant> &values = set.rowValues(row);
        const auto found = kind.loaded.find(referenceKey(values.at(column)));
        if (found != kind.loaded.end())
            found->append(values);
    }
    for (const QString &key : std::as_const(keys))
        sortRows(kind.loaded[key], order);
    for (const auto &hook : kind.hooks)
        hook(set);
}

ErpRows ErpReader::rows(Read read, const QString &reference)
{
    Kind &kind = m_kinds.at(size_t(read));
    if (!sets()) {
        Q_ASSERT(kind.read.verbatim);
        return m_send(kind.read.verbatim(reference));
    }
    const QString key = referenceKey(reference);
    if (const auto failure = kind.failed.constFind(key); failure != kind.failed.constEnd())
        throw failure.value();
    if (!kind.loaded.contains(key))
        readSet(kind, key);
    return ErpRows(kind.columns, kind.loaded.value(key));
}

ErpRows ErpReader::lastUpTo(Read read, const QString &reference, const QString &dateKey)
{
    Kind &kind = m_kinds.at(size_t(read));
    if (!sets() || dateKey > kind.read.sets.upTo) {
        Q_ASSERT(kind.read.verbatimUpTo);
        return m_send(kind.read.verbatimUpTo(reference, dateKey));
    }
    const ErpRows all = rows(read, reference);
    const int date = columnIndex(kind.columns, QStringLiteral("DATE_"));
    if (date < 0)
        throw ErpError(QStringLiteral("Sonuçta DATE_ alanı yok."));
    // The rows are in their statement's order: the last one on or before the date counts.
    for (int row = all.rowCount() - 1; row >= 0; --row) {
        if (onOrBefore(all.rowValues(row).at(date), dateKey))
            return ErpRows(kind.columns, {all.rowValues(row)});
    }
    return ErpRows(kind.columns, {});
}

void ErpReader::release(Read read, const QString &reference)
{
    if (!sets())
        return;
    Kind &kind = m_kinds.at(size_t(read));
    const QString key = referenceKey(reference);
    kind.loaded.remove(key);
    kind.failed.remove(key);
    kind.wanted.remove(key);
}

ErpRows ErpReader::reread(const ErpReread &read, const ErpRows &row, const QString &reference)
{
    if (!sets())
        return m_send(read.verbatim(reference));
    QStringList names;
    QVector<QVariant> values;
    for (const auto &[source, name] : read.sets) {
        names << name;
        values << row.value(source);
    }
    return ErpRows(names, {values});
}

bool ErpReader::hasColumn(const QString &table, const QString &column)
{
    auto found = m_tableColumns.find(table);
    if (found == m_tableColumns.end()) {
        const ErpRows none = m_send(QStringLiteral("select * from ") + table + QStringLiteral(" where 1=0"));
        found = m_tableColumns.insert(table, none.columns());
    }
    return found->contains(column, Qt::CaseInsensitive);
}

} // namespace tarvel

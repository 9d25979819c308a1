#pragma once

#include "erpread/erpread.h"
#include "erpread/roworder.h"
#include "foundation/base/errors.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/readmode.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <functional>
#include <optional>
#include <vector>

namespace tarvel {

// The reading layer of one run: answers a model's per-row questions (a card by
// its reference, the lines of a document, the last purchase of an item up to a
// date, a line read again) either with the per-row statement the program has
// always sent (Verbatim) or from sets read a few hundred references per
// statement (Sets), each as its declaration (ErpRead, ErpReread) says. The
// model asks the same questions in both modes and gets the same rows, so both
// compute the same lists. Nothing is kept beyond the reader: a run makes its own.
//
// In Sets mode a model first says which references it will ask about (want);
// the first question on a reference not yet read reads it together with the
// next pending ones of the same kind. A hook (onRead) sees each set as it
// arrives, so the references it holds (the cards of the lines just read) are
// wanted before their first question. In Verbatim mode want and onRead do
// nothing.
//
// Every statement goes through the send function (the model's, which counts
// it and watches for a server that is gone); it throws ErpError. A set whose
// statement failed fails each question it would have answered with that
// error, as each per-row statement would have failed.
class ErpReader {
public:
    using Send = std::function<ErpRows(const QString &statement)>;
    using Read = int;
    // A few hundred literals per IN list: far below SQL Server's limits on
    // parameters and batch length, and few statements per run.
    static constexpr int defaultChunk = 200;

    ErpReader(ReadMode mode, Send send, int chunk = defaultChunk);

    ReadMode mode() const { return m_mode; }
    bool sets() const { return m_mode == ReadMode::Sets; }

    // A kind of read of this run.
    Read define(const ErpRead &read);
    void want(Read read, const QString &reference);
    void onRead(Read read, std::function<void(const ErpRows &set)> hook);

    // The rows of a reference, as its verbatim statement gives them; an
    // empty result (with the columns when known) for none. Throws ErpError.
    ErpRows rows(Read read, const QString &reference);
    // The last of a reference's rows whose DATE_ is on or before the date key
    // (yyyyMMdd), as the last row of its verbatimUpTo statement gives it; a
    // date after the read's upTo is asked with that statement in sets mode too.
    ErpRows lastUpTo(Read read, const QString &reference, const QString &dateKey);
    // A reference's rows are no longer needed (the run is past it).
    void release(Read read, const QString &reference);

    // A line (row, whose key is reference) read again: in Sets mode from the
    // row the run already holds, no statement.
    using Columns = ErpReread::Columns;
    ErpRows reread(const ErpReread &read, const ErpRows &row, const QString &reference);

    // Whether a table has a column (one statement per table and run, Sets mode only).
    bool hasColumn(const QString &table, const QString &column);

private:
    struct Kind {
        ErpRead read;
        QStringList columns;
        QHash<QString, ValueRows> loaded;
        QHash<QString, ErpError> failed;
        QStringList pending;
        QHash<QString, bool> wanted; // pending or asked
        std::vector<std::function<void(const ErpRows &)>> hooks;
    };
    void readSet(Kind &kind, const QString &first);
    QString setStatement(const Kind &kind, const QStringList &keys);

    ReadMode m_mode;
    Send m_send;
    int m_chunk;
    std::vector<Kind> m_kinds;
    QHash<QString, QStringList> m_tableColumns;
};

} // namespace tarvel

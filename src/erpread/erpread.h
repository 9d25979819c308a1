#pragma once

#include "erpread/keyedread.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace tarvel {

// One read of the ERP, declared once for both reading modes: how sets mode
// reads it for many references at once, and pinned beside it the statement
// verbatim mode sends for one reference, exactly as the program has always
// sent it. Whoever changes one half sees the other; both give the same rows
// (the read-mode tests compare every report in both modes).
//
// The statements take the reference (and date key) as given and put them in
// with sqlValue(). Their lambdas return QString explicitly (-> QString): a
// deduced string-builder type would refer to temporaries gone by then.
struct ErpRead {
    KeyedRead sets;
    // The statement of one reference (ErpReader::rows).
    std::function<QString(const QString &reference)> verbatim{};
    // The statement of one reference up to a date key (ErpReader::lastUpTo).
    std::function<QString(const QString &reference, const QString &dateKey)> verbatimUpTo{};
};

// A line read again by its key, declared once for both modes: in sets mode
// the columns (source, name in the answer) of the row the run already holds,
// no statement; in verbatim mode the statement of the line's reference.
struct ErpReread {
    using Columns = QList<QPair<QString, QString>>;
    Columns sets;
    std::function<QString(const QString &reference)> verbatim;
};

} // namespace tarvel

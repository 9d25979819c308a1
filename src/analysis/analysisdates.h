#pragma once

#include <QDate>
#include <QString>

namespace tarvel {

// The date range tr1 - tr2 of the invoice and material windows, compared as
// date keys (yyyymmdd) with the ERP's DATE_.
struct AnalysisDates {
    QDate tr1;
    QDate tr2;

    // As the windows open: 1 January of the current year to today.
    static AnalysisDates opening(const QDate &today);
    QString startKey() const;
    QString endKey() const;
};

} // namespace tarvel

#pragma once

#include "loading/loadingfields.h"
#include "printing/printtable.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace tarvel {

class LoadingReport;

// What the printing reads from the vehicle loading report: the list rows in
// the order the list shows them, the customer fields and the totals captions.
struct LoadingListInput {
    QList<LoadingRow> rows;
    LoadingCustomer customer;
    LoadingTotals totals;
};

LoadingListInput loadingListInput(const LoadingReport &report);

// The loading list cut into waybill forms: each form the print table rows it
// feeds, numbered from 1. The first form holds rowsPerForm items, every later
// one the carried-forward line "Nakli Yekün" and rowsPerForm - 1 items; the
// totals and the net total in words go into the last row of the last form.
// Filling stops at a line amount that is no number, or before the first form
// when the net total has too many digits for words: error then says why, and
// forms holds the forms completed before that point (they are still printed).
struct LoadingListForms {
    QList<PrintTable> forms;
    QString error;
};

LoadingListForms loadingListForms(const LoadingListInput &input, int rowsPerForm, const QDateTime &now);

} // namespace tarvel

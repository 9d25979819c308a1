#pragma once

#include "foundation/base/result.h"
#include "foundation/erp/reportcontext.h"
#include "loading/forms/loadinglistforms.h"
#include "printing/reportlayout.h"
#include "printing/waybillreport.h"

#include <QList>
#include <QStringList>

namespace tarvel {

// The loading lists the designer fills a layout with before anything is
// printed.

// A loading list of the demo company's kind (its customer, its goods) with
// rowsPerForm + 3 rows, so the forms show the carried-forward line "Nakli
// Yekün" on a second form, and amounts large enough for a seven-digit
// carried total.
LoadingListInput sampleLoadingList(int rowsPerForm);

// The loading list of sales waybills given by their numbers (FİŞ NO), in
// that order, as the waybill picker hands them over. Throws tarvel::Error
// (ErpError for the ERP) naming a number no sales waybill of the period has.
LoadingListInput waybillLoadingList(const ReportContext &context, const QStringList &numbers);

// Connects to the ERP of the program folder's data.dbs as the program does
// and reads the firm and period chosen there, or says why it cannot (server
// and database named, never the password).
Result<ReportContext> openErp(const AppPaths &paths);

// The forms of a list on a layout, as "Önizleme" shows them one by one.
QList<WaybillReport> previewForms(const ReportLayout &layout, const LoadingListInput &input, int rowsPerForm);

} // namespace tarvel

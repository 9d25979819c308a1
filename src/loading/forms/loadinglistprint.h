#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/base/printmode.h"
#include "loading/forms/loadinglistforms.h"
#include "printing/printoutcome.h"

#include <QDateTime>
#include <QString>

namespace tarvel {

class FormOutput;

inline const QString waybillJobName = QStringLiteral("VELMOR-TARVEL-IRSALIYE");
// The print quality the waybill forms ask for: the printer's highest resolution.
constexpr int waybillPrintQuality = -4;

// Printing the loading list (printloadinglist) without its windows: reads the
// print counts and the selected layout, checks its printer, cuts the list
// into forms and hands them to the output one by one: Preview shows each
// form, Print prints each form copies times. Forms handed on before a
// failure stay printed. An empty list prints nothing.
PrintOutcome runLoadingListPrint(const LoadingListInput &input, PrintMode mode, const AppPaths &paths,
                                 FormOutput &output, const QDateTime &now = QDateTime::currentDateTime());

} // namespace tarvel

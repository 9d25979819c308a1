#pragma once

#include "foundation/apppaths.h"
#include "printing/loadinglistforms.h"

#include <QDateTime>
#include <QString>

namespace tarvel {

class FormOutput;

inline const QString waybillJobName = QStringLiteral("VELMOR-TARVEL-IRSALIYE");
// The print quality the waybill forms ask for: the printer's highest resolution.
constexpr int waybillPrintQuality = -4;

struct PrintOutcome {
    enum Kind { Done, PrinterNotFound, Failed };
    Kind kind = Done;
    QString description; // what failed
    int forms = 0;       // forms previewed or printed before the end

    // The message for the user, empty when done: "Yazıcı Bulunamadı", or
    // "Hata Yeri:Fatura Yazdırma", a line break and the description.
    QString message() const;
};

// Printing the loading list (printloadinglist) without its windows: reads the
// print counts and the selected layout, checks its printer, cuts the list
// into forms and hands them to the output one by one: mode 1 previews each
// form, mode 2 prints each form copies times. Forms handed on before a
// failure stay printed. An empty list prints nothing.
PrintOutcome runLoadingListPrint(const LoadingListInput &input, int mode, const AppPaths &paths,
                                 FormOutput &output, const QDateTime &now = QDateTime::currentDateTime());

} // namespace tarvel

#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <QStringList>

namespace tarvel {

// The printer the default layout's printer file names: the PDF queue the
// README's commands set up.
inline const QString defaultLayoutPrinter = QStringLiteral("TARVEL-PDF");

// Writes the default waybill layout tree Tsrm/ (the pointer, the A4 layout
// and its printer file) into a program folder and returns the files written,
// relative to it, or the error naming the file it could not write.
Result<QStringList> writeDefaultLayouts(const QString &programDir);

} // namespace tarvel

#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The printer the default layout's printer file names: the PDF queue the
// README's commands set up.
inline const QString defaultLayoutPrinter = QStringLiteral("TARVEL-PDF");

// Writes the default waybill layout tree Tsrm/ (the pointer, the A4 layout
// and its printer file) into a program folder and returns the files written,
// relative to it. Throws tarvel::Error naming the file it could not write.
QStringList writeDefaultLayouts(const QString &programDir);

} // namespace tarvel

#pragma once

#include "foundation/base/result.h"

#include <QString>

namespace tarvel {

// Writing the files findlayout reads: a layout's printer file and the pointer
// to the layout in use. Each is written through a file renamed over the old
// one; a failure names the file and the cause.

// layoutPath + ".aln": the layout's name and the printer, one pair of lines.
Result<void> writePrinterFile(const QString &layoutPath, const QString &printerName);
// Tsrm/default/irsaliye.aln in the program folder: the layout's name.
Result<void> writeLayoutPointer(const QString &programDir, const QString &layoutName);

} // namespace tarvel

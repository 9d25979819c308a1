#pragma once

#include "foundation/base/apppaths.h"

#include <QString>

namespace tarvel {

// The selected layout and the printer chosen for it.
struct LayoutChoice {
    QString layoutPath;  // program directory/Tsrm/Tsrm/<last line of the pointer>
    QString printerName; // empty when the printer file gives none
    // Why there is no layout to print with, "Yazdırma tasarımı bulunamadı: PATH"
    // (no pointer, an empty or unreadable one, no such file), or the pointer is
    // refused (it leads outside Tsrm/Tsrm/); "" when the layout file is there.
    QString problem;
};

// Reads the pointer Tsrm/default/irsaliye.aln (its last line names the
// layout) and the layout's printer file (layout path + ".aln"), read as pairs
// of lines: the printer is the second line of the last complete pair. Missing
// files leave the name (and so the printer) empty. A name that leads outside
// Tsrm/Tsrm/ ("../x", an absolute path) leaves layoutPath empty.
LayoutChoice findlayout(const AppPaths &paths);

// The printer a layout's printer file names: the second line of its last
// complete pair of lines; empty when there is none.
QString layoutPrinter(const QString &layoutPath);

// The files findlayout reads, for messages and for writing them.
QString layoutPointerPath(const QString &programDir);
QString layoutPathFor(const QString &programDir, const QString &layoutName);
QString printerFilePath(const QString &layoutPath);

} // namespace tarvel

#pragma once

#include "foundation/base/apppaths.h"

#include <QString>

namespace tarvel {

// The selected layout and the printer chosen for it.
struct LayoutChoice {
    QString layoutPath;  // program directory/Tsrm/Tsrm/<last line of the pointer>
    QString printerName; // empty when the printer file gives none
};

// Reads the pointer Tsrm/default/irsaliye.aln (its last line names the
// layout) and the layout's printer file (layout path + ".aln"), read as pairs
// of lines: the printer is the second line of the last complete pair. Missing
// files leave the name (and so the printer) empty.
LayoutChoice findlayout(const AppPaths &paths);

// The files findlayout reads, for messages and for writing them.
QString layoutPointerPath(const QString &programDir);
QString layoutPathFor(const QString &programDir, const QString &layoutName);
QString printerFilePath(const QString &layoutPath);

} // namespace tarvel

#pragma once

#include "foundation/base/result.h"
#include "printing/reportlayout.h"

#include <QByteArray>
#include <QString>

namespace tarvel {

// Writes a layout in the format LayoutReader reads (docs/layout-format.md):
// what it writes reads back as the same layout. Fonts, sizes and other
// values equal to their defaults are left out, so a file stays as short as
// one written by hand.
class LayoutWriter {
public:
    static QByteArray write(const ReportLayout &layout);
    // Writes the file whole (writeWholeFile), so the previous layout stays
    // whole until the new one is complete; the error names the file and the
    // cause.
    static Result<void> save(const ReportLayout &layout, const QString &path);
};

} // namespace tarvel

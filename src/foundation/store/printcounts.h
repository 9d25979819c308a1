#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/base/result.h"

#include <QString>

#include <optional>

namespace tarvel {

// irssatir.velmor in the working directory: line 1 the rows on one waybill
// form, line 2 the copies printed of each form (Windows-1254, CR LF).
struct PrintCounts {
    int rowsPerForm = 1;
    int copies = 1;
};

// Always in the working directory, never beside the program.
QString printCountsPath(const AppPaths &paths);

// The counts as printing uses them: a missing file or line, an empty line or
// a value that is no positive whole number gives 1. A line that is there but
// replaced is said once per program run (notices.h): file, line, what was read.
PrintCounts readprintcounts(const AppPaths &paths);

// The lines as written, for the settings window, which shows them also when
// they are no counts; a line the file lacks is nothing.
struct PrintCountTexts {
    std::optional<QString> rowsPerForm;
    std::optional<QString> copies;
};
PrintCountTexts readPrintCountTexts(const AppPaths &paths);

// Replaces the file with both counts, in one step.
Result<void> writePrintCounts(const AppPaths &paths, const PrintCounts &counts);

} // namespace tarvel

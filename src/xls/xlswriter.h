#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tarvel {

// Writes a workbook of text cells in the legacy Excel format (.xls, BIFF8): the
// caption row, then the rows. More rows than one sheet holds (65,536 including the
// caption row) continue on further sheets ("Sayfa1", "Sayfa2", ...), each starting
// with the caption row. The columns are the captions; a row's extra fields are not
// written, missing ones stay empty. Texts longer than a cell holds (32,767
// characters) are cut there.
// Fails, naming the file and the cause, when the file cannot be written; a partly
// written file is removed. The file name is used exactly as given.
Result<void> writeXls(const QString &path, const QStringList &captions, int rowCount,
                      const std::function<QStringList(int row)> &rowAt);

} // namespace tarvel

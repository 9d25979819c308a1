#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <memory>

class QPdfWriter;

namespace tarvel {

// A PDF writer on path, set up as every PDF of the program is (creator,
// 600 dpi). The file is created first because QPdfWriter says nothing when it
// cannot create it: the error is then the file's own cause.
Result<std::unique_ptr<QPdfWriter>> openPdfWriter(const QString &path);

} // namespace tarvel

#pragma once

#include "foundation/base/result.h"

#include <QString>

namespace tarvel {
class DataGrid;
} // namespace tarvel

namespace tarvel::cli {

// --sort FIELD[:desc] and --filter TEXT: the list arranged as caption clicks
// and the search box "Ara" arrange it in the window. FIELD is a field of the
// rows (as the JSON names it) shown in a visible column, ascending unless
// ":desc" follows; anything else is an error naming it and the fields that do
// sort. Empty values leave the list as it is.
Result<void> arrangeList(DataGrid &list, const QString &sort, const QString &filter);

} // namespace tarvel::cli

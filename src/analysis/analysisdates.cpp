#include "analysis/analysisdates.h"

#include "foundation/base/numbers.h"

namespace tarvel {

AnalysisDates AnalysisDates::opening(const QDate &today)
{
    return {QDate(today.year(), 1, 1), today};
}

QString AnalysisDates::startKey() const
{
    return datekey(tr1);
}

QString AnalysisDates::endKey() const
{
    return datekey(tr2);
}

} // namespace tarvel

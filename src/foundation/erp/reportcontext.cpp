#include "foundation/erp/reportcontext.h"

#include "foundation/erp/tablenames.h"

namespace tarvel {

QString ReportContext::firmTable(const QString &table) const
{
    return tarvel::firmTable(fir, table);
}

QString ReportContext::periodTable(const QString &table) const
{
    return tarvel::periodTable(fir, don, table);
}

QString ReportContext::rawFirmNumber() const
{
    return tarvel::rawFirmNumber(fir);
}

} // namespace tarvel

#include "foundation/erp/readmode.h"

#include <QString>
#include <QtGlobal>

namespace tarvel {

ReadMode readModeOfEnvironment()
{
    return qEnvironmentVariable("TARVEL_VERBATIM_SQL").trimmed() == QLatin1String("1") ? ReadMode::Verbatim
                                                                                       : ReadMode::Sets;
}

} // namespace tarvel

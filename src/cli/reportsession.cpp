#include "reportsession.h"

#include "foundation/erp/erpsession.h"
#include "foundation/store/sharedsettings.h"
#include "grid/gridexport.h"
#include "grid/gridprinter.h"
#include "grid/reportjson.h"

#include <QFile>

namespace tarvel::cli {

std::optional<ReportContext> openReport(Context &context)
{
    if (!connectErp(context))
        return std::nullopt;
    SharedSettings settings;
    QString cause;
    if (!oku(context.storeDir, settings, &cause)) {
        context.err << settingsCheckMessage(cause) << "\n";
        return std::nullopt;
    }
    return ReportContext{context.paths, settings.fir, settings.don, ErpSession::instance().primary()};
}

int finishReport(Context &context, const ReportJson &json, const DataGrid &list, const ReportFiles &files)
{
    QString error;
    if (!files.xls.isEmpty() && !saveGridXls(list, files.xls, &error)) {
        context.err << QStringLiteral("Dosya yazılamadı: %1 (%2)\n").arg(files.xls, error);
        return 1;
    }
    if (!files.pdf.isEmpty() && !GridPrinter(list).savePdf(files.pdf, &error)) {
        context.err << QStringLiteral("Dosya yazılamadı: %1 (%2)\n").arg(files.pdf, error);
        return 1;
    }
    context.out.flush();
    // The document is UTF-8 whatever the locale says: write the bytes.
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly))
        out.write(json.toJson());
    return 0;
}

} // namespace tarvel::cli

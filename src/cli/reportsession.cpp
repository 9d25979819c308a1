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
    if (const Result<void> loaded = oku(context.storeDir, settings); !loaded) {
        context.err << settingsCheckMessage(loaded.errorText()) << "\n";
        return std::nullopt;
    }
    return ReportContext{context.paths, settings.fir, settings.don, ErpSession::instance().primary()};
}

int finishReport(Context &context, const ReportJson &json, const DataGrid &list, const ReportFiles &files)
{
    const auto written = [&context](const QString &path, const Result<void> &saved) {
        if (!saved)
            context.err << QStringLiteral("Dosya yazılamadı: %1 (%2)\n").arg(path, saved.errorText());
        return saved.ok();
    };
    if (!files.xls.isEmpty() && !written(files.xls, saveGridXls(list, files.xls)))
        return 1;
    if (!files.pdf.isEmpty() && !written(files.pdf, GridPrinter(list).savePdf(files.pdf)))
        return 1;
    context.out.flush();
    // The document is UTF-8 whatever the locale says: write the bytes.
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly))
        out.write(json.toJson());
    return 0;
}

} // namespace tarvel::cli

#include "reportsession.h"

#include "charts/profitchart.h"
#include "foundation/erp/erpsession.h"
#include "foundation/store/sharedsettings.h"
#include "grid/datagrid.h"
#include "grid/gridexport.h"
#include "grid/gridprinter.h"
#include "grid/gridxlsx.h"
#include "grid/reportjson.h"
#include "listview.h"

#include <QFile>

namespace tarvel::cli {

const QSize chartSize(1000, 600);

std::optional<ReportContext> openReport(Context &context)
{
    if (!connectErp(context))
        return std::nullopt;
    SharedSettings settings;
    if (const Result<void> loaded = oku(context.storeDir, settings); !loaded) {
        context.err << settingsCheckMessage(loaded.errorText()) << "\n";
        return std::nullopt;
    }
    return ReportContext{context.paths, settings.fir, settings.don, ErpSession::instance().primary(),
                         context.readMode};
}

int finishReport(Context &context, ReportJson &json, DataGrid &list, const ReportFiles &files,
                 const ProfitFields *chartFields)
{
    if (const Result<void> arranged = arrangeList(list, files.sort, files.filter); !arranged) {
        context.err << "tarvel-report: " << arranged.errorText() << "\n";
        return 2;
    }
    // Nobody should take a filtered total for the whole list's.
    if (list.isFiltered())
        json.addField(QStringLiteral("shown"), list.shownRowsText());
    const auto written = [&context](const QString &path, const Result<void> &saved) {
        if (!saved)
            context.err << QStringLiteral("Dosya yazılamadı: %1 (%2)\n").arg(path, saved.errorText());
        return saved.ok();
    };
    if (!files.xls.isEmpty() && !written(files.xls, saveGridXls(list, files.xls)))
        return 1;
    if (!files.xlsx.isEmpty() && !written(files.xlsx, saveGridXlsx(list, files.xlsx)))
        return 1;
    if (!files.pdf.isEmpty() && !written(files.pdf, GridPrinter(list).savePdf(files.pdf)))
        return 1;
    if (chartFields && !files.chart.isEmpty() &&
        !written(files.chart, ProfitChart::renderPng(list, *chartFields, ProfitChart::Mode::Largest,
                                                     chartSize, files.chart)))
        return 1;
    context.out.flush();
    // The document is UTF-8 whatever the locale says: write the bytes.
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly))
        out.write(json.toJson());
    return 0;
}

} // namespace tarvel::cli

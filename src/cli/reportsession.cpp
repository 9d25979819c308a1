#include "reportsession.h"

#include "foundation/erpsession.h"
#include "foundation/localstore.h"
#include "foundation/sharedsettings.h"
#include "grid/gridexport.h"
#include "grid/gridprinter.h"
#include "grid/reportjson.h"

#include <QFile>
#include <QFileInfo>

namespace tarvel::cli {

std::optional<ReportContext> openReport(Context &context)
{
    ErpSession &session = ErpSession::instance();
    if (!session.connect(context.storeDir)) {
        const ErpServerSettings &settings = session.settings();
        context.err << QStringLiteral(
                           "ERP veritabanına bağlanılamadı (sunucu: \"%1\", veritabanı: \"%2\").\n")
                           .arg(settings.server, settings.database);
        const QString error = session.primary().lastError();
        if (!QFileInfo::exists(storePath(context.storeDir)))
            context.err << QStringLiteral("data.dbs bulunamadı: ") << storePath(context.storeDir) << "\n";
        else if (!error.isEmpty())
            context.err << error << "\n";
        return std::nullopt;
    }
    SharedSettings settings;
    if (!oku(context.storeDir, settings)) {
        context.err << QStringLiteral("Ayarları Kontrol Ediniz... (firma ve dönem okunamadı: %1)\n")
                           .arg(storePath(context.storeDir));
        return std::nullopt;
    }
    ReportContext report;
    report.paths = context.paths;
    report.fir = settings.fir;
    report.don = settings.don;
    return report;
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

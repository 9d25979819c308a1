// tarvel-report firms: connects as the program does at start-up and lists the
// ERP firms the way the settings window offers them, so an installation can be
// checked without a window.
#include "cli.h"
#include "foundation/erpsession.h"
#include "foundation/errors.h"
#include "foundation/localstore.h"

#include <QFileInfo>

namespace tarvel::cli {

int firmsCommand(Context &context)
{
    if (!context.args.isEmpty()) {
        context.err << "usage: tarvel-report firms\n";
        return 2;
    }
    ErpSession &session = ErpSession::instance();
    if (!session.connect(context.storeDir)) {
        // Server and database help to find the fault; the password never appears.
        const ErpServerSettings &settings = session.settings();
        const QString error = session.primary().lastError();
        context.err << QStringLiteral(
                           "ERP veritabanına bağlanılamadı (sunucu: \"%1\", veritabanı: \"%2\").\n"
                           "Cannot connect to the ERP database (server: \"%1\", database: \"%2\").\n")
                           .arg(settings.server, settings.database);
        if (!QFileInfo::exists(storePath(context.storeDir)))
            context.err << QStringLiteral("data.dbs bulunamadı / not found: ") << storePath(context.storeDir)
                        << "\n";
        else if (!error.isEmpty())
            context.err << error << "\n";
        return 1;
    }
    try {
        ErpRows rows = session.primary().query(QStringLiteral("select * from L_CAPIFIRM"));
        for (rows.first(); !rows.eof(); rows.next())
            context.out << rows.text(QStringLiteral("NR")) << "- " << rows.text(QStringLiteral("name"))
                        << "\n";
    } catch (const ErpError &e) {
        context.err << QStringLiteral("Firma listesi okunamadı / Cannot read the firm list: ")
                    << e.description() << "\n";
        return 1;
    }
    return 0;
}

} // namespace tarvel::cli

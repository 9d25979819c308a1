// tarvel-report firms: connects as the program does at start-up and lists the
// ERP firms the way the settings window offers them, so an installation can be
// checked without a window.
#include "cli.h"
#include "foundation/erpsession.h"
#include "foundation/errors.h"
#include "foundation/sharedsettings.h"

namespace tarvel::cli {

int firmsCommand(Context &context)
{
    if (!context.args.isEmpty()) {
        context.err << "usage: tarvel-report firms\n";
        return 2;
    }
    ErpSession &session = ErpSession::instance();
    const bool connected = session.connect(context.storeDir);
    // A store that cannot be read is said as the window says it, with its
    // cause; "no server given" alone would send the user to the wrong place.
    if (!session.storeError().isEmpty())
        context.err << settingsCheckMessage(session.storeError()) << "\n";
    if (!connected) {
        // Server and database help to find the fault; the password never appears.
        const ErpServerSettings &settings = session.settings();
        context.err << QStringLiteral(
                           "ERP veritabanına bağlanılamadı (sunucu: \"%1\", veritabanı: \"%2\").\n"
                           "Cannot connect to the ERP database (server: \"%1\", database: \"%2\").\n")
                           .arg(settings.server, settings.database);
        if (session.storeError().isEmpty())
            context.err << session.primary().lastError() << "\n";
        return 1;
    }
    try {
        ErpRows rows = session.primary().query(QStringLiteral("select * from L_CAPIFIRM"));
        // One firm per line: a line break inside a name shows as a blank.
        for (rows.first(); !rows.eof(); rows.next())
            context.out << rows.lineText(QStringLiteral("NR")) << "- "
                        << rows.lineText(QStringLiteral("name")) << "\n";
    } catch (const ErpError &e) {
        context.err << QStringLiteral("Firma listesi okunamadı / Cannot read the firm list: ")
                    << e.description() << "\n";
        return 1;
    }
    return 0;
}

} // namespace tarvel::cli

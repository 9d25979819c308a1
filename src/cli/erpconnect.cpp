// The connection every ERP command starts with, and what it says when the
// store or the server fails.
#include "cli.h"
#include "foundation/erp/erpsession.h"
#include "foundation/erp/openfailure.h"
#include "foundation/store/sharedsettings.h"

namespace tarvel::cli {

bool connectErp(Context &context)
{
    ErpSession &session = ErpSession::instance();
    // No watch connection: only the connection-failure window uses it.
    const Result<void> connected = session.connect(context.storeDir, false);
    // A store that cannot be read is said as the window says it, with its
    // cause; "no server given" alone would send the user to the wrong place.
    if (!session.storeError().isEmpty())
        context.err << settingsCheckMessage(session.storeError()) << "\n";
    if (!connected) {
        // Server and database help to find the fault; the password never appears.
        const ErpServerSettings &settings = session.settings();
        context.err << QStringLiteral(
                           "ERP veritabanına bağlanılamadı (sunucu: \"%1\", veritabanı: \"%2\").\n")
                           .arg(settings.server, settings.database);
        if (session.storeError().isEmpty())
            context.err << describeOpenFailure(settings, connected.errorText(),
                                               session.primary().lastDiagnostics())
                               .text
                        << "\n";
    }
    return connected.ok();
}

} // namespace tarvel::cli

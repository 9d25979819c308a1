// tarvel-report firms: connects as the program does at start-up and lists the
// ERP firms the way the settings window offers them, so an installation can be
// checked without a window.
#include "cli.h"
#include "foundation/base/errors.h"
#include "foundation/base/oneline.h"
#include "foundation/erp/erpsession.h"

namespace tarvel::cli {

int firmsCommand(Context &context)
{
    if (!context.args.isEmpty()) {
        context.err
            << QStringLiteral("tarvel-report firms: beklenmeyen argüman \"%1\"\n").arg(context.args.first())
            << "usage: tarvel-report firms\n";
        return 2;
    }
    if (!connectErp(context))
        return 1;
    try {
        ErpRows rows = erp().query(QStringLiteral("select * from L_CAPIFIRM"));
        // One firm per line: a line break inside a name shows as a blank.
        for (rows.first(); !rows.eof(); rows.next())
            context.out << oneLine(rows.text(QStringLiteral("NR"))) << "- "
                        << oneLine(rows.text(QStringLiteral("name"))) << "\n";
    } catch (const ErpError &e) {
        context.err << QStringLiteral("Firma listesi okunamadı: ") << e.description() << "\n";
        return 1;
    }
    return 0;
}

} // namespace tarvel::cli

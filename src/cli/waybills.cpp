// tarvel-report waybills --from yyyyMMdd --to yyyyMMdd [--type 7|8]
// [--customer NAME] [--special-code CODE]: the waybill picker's "Göster" with
// those filter choices, and its list as JSON.
#include "analysisreport.h"
#include "cli.h"
#include "commandargs.h"
#include "foundation/base/errors.h"
#include "grid/reportjson.h"
#include "loading/loadingreport.h"
#include "pickers/waybillpicker.h"
#include "reportsession.h"

namespace tarvel::cli {

namespace {

const char *const waybillsUsage = "usage: tarvel-report waybills --from yyyyMMdd --to yyyyMMdd [--type 7|8]"
                                  " [--customer NAME] [--special-code CODE]\n"
                                  "         [--sort FIELD[:desc]] [--filter TEXT]\n";

// The entry of a list whose text before " --> " (or whole text) is the code.
std::optional<QString> entryOf(const QStringList &entries, const QString &code)
{
    for (const QString &entry : entries.mid(1)) { // past "Tümü"
        if (entry.section(QStringLiteral(" --> "), 0, 0) == code)
            return entry;
    }
    return std::nullopt;
}

} // namespace

int waybillsCommand(Context &context)
{
    const Result<DatedArgs> parsed = parseDated(
        context.args, {.values = QStringList{QStringLiteral("--type"), QStringLiteral("--customer"),
                                             QStringLiteral("--special-code")} +
                                 listOptions});
    if (!parsed)
        return usageError(context, "waybills", parsed.error(), waybillsUsage);
    const auto &[args, range] = *parsed;
    if (!documentTypeFits(context, args, "waybills", waybillsUsage))
        return 2;

    const std::unique_ptr<PickerScreen<LoadingReport, WaybillPicker>> screen =
        openPickerScreen<LoadingReport, WaybillPicker>(context);
    if (!screen)
        return 1;
    WaybillPicker &picker = screen->picker;
    try {
        picker.setTr1(range.from);
        picker.setTr2(range.to);
        chooseDocumentType(picker, args);
        if (args.has(QStringLiteral("--special-code"))) {
            const QString code = args.value(QStringLiteral("--special-code"));
            const std::optional<QString> entry = entryOf(picker.specialCodes(), code);
            if (!entry) {
                context.err << QStringLiteral(
                                   "Özel kod bulunamadı: %1 (satış irsaliyesi özel kodlarında yok)\n")
                                   .arg(code);
                return 1;
            }
            picker.setOzkod(*entry);
        }
        // Typed, not chosen: a name that is no card's whole name lists nothing.
        if (args.has(QStringLiteral("--customer")))
            picker.setCr(args.value(QStringLiteral("--customer")));
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return 1;
    }
    return showPickerList(context, picker, filesOf(args), [&picker](ReportJson &json) {
        json.addField(QStringLiteral("tr1"), picker.startKey());
        json.addField(QStringLiteral("tr2"), picker.endKey());
        json.addField(QStringLiteral("irstip"), picker.irstip());
        json.addField(QStringLiteral("cr"), picker.cr());
        json.addField(QStringLiteral("crref"), picker.crref());
        json.addField(QStringLiteral("ozkod"), picker.ozkod());
    });
}

} // namespace tarvel::cli

// tarvel-report orders and order-analysis: the order picker's list after
// "Göster" and the order run of picked orders, each as the report document.
#include "analysis/orderanalysis.h"
#include "analysisreport.h"
#include "foundation/base/errors.h"
#include "pickers/customerpicker.h"
#include "pickers/orderpicker.h"

namespace tarvel::cli {

namespace {

const char *const ordersUsage =
    "usage: tarvel-report orders --from yyyyMMdd --to yyyyMMdd [--customer NAME | --customer-ref REF]\n"
    "         [--salesman REF ...] [--payment 0|1] [--xls FILE] [--xlsx FILE] [--pdf FILE]\n"
    "         [--sort FIELD[:desc]] [--filter TEXT]\n";
const char *const orderAnalysisUsage =
    "usage: tarvel-report order-analysis --refs R1,R2,... [--vat-included] [--extra-tax]\n"
    "         [--xls FILE] [--xlsx FILE] [--pdf FILE] [--sort FIELD[:desc]] [--filter TEXT] [--chart "
    "FILE.png]\n";

using OrderScreen = PickerScreen<OrderAnalysis, OrderPicker>;

// --customer-ref as "Cari Kartlar" chooses it: the card of that reference
// among those the customer picker lists (active ones); false after saying why.
bool chooseCustomerCard(Context &context, OrderPicker &picker, const CommandArgs &args)
{
    if (!args.has(QStringLiteral("--customer-ref")))
        return true;
    const QString ref = args.value(QStringLiteral("--customer-ref"));
    CustomerPicker cariform(picker.context());
    cariform.cariyukle(QString());
    MemTable &cards = cariform.l1().table();
    for (cards.first(); !cards.eof(); cards.next()) {
        const CustomerPicker::Choice card = cariform.choice();
        if (card.ref == ref) {
            picker.setCr(card.name);
            picker.setCrref(card.ref);
            return true;
        }
    }
    context.err << QStringLiteral("Bu referansta etkin cari kart yok: %1\n").arg(ref);
    return false;
}

// The option errors the argument parser does not see; true when there is none.
bool ordersOptionsFit(Context &context, const CommandArgs &args)
{
    const QString payment = args.value(QStringLiteral("--payment"));
    if (!payment.isEmpty() && payment != QLatin1String("0") && payment != QLatin1String("1")) {
        context.err << "tarvel-report orders: --payment 0 (ödemesiz) ya da 1 (ödemeli) olur\n" << ordersUsage;
        return false;
    }
    if (args.has(QStringLiteral("--customer")) && args.has(QStringLiteral("--customer-ref"))) {
        context.err << "tarvel-report orders: --customer ile --customer-ref birlikte verilemez\n"
                    << ordersUsage;
        return false;
    }
    return true;
}

} // namespace

int ordersCommand(Context &context)
{
    const Result<DatedArgs> parsed = parseDated(
        context.args, {.values = QStringList{QStringLiteral("--customer"), QStringLiteral("--customer-ref"),
                                             QStringLiteral("--payment")} +
                                 fileOptions + listOptions,
                       .repeated = {QStringLiteral("--salesman")}});
    if (!parsed)
        return usageError(context, "orders", parsed.error(), ordersUsage);
    const auto &[args, range] = *parsed;
    if (!ordersOptionsFit(context, args))
        return 2;

    const std::unique_ptr<OrderScreen> screen = openPickerScreen<OrderAnalysis, OrderPicker>(context);
    if (!screen)
        return 1;
    OrderPicker &picker = screen->picker;
    picker.setTr1(range.from);
    picker.setTr2(range.to);
    try {
        if (!typeCustomerName(context, picker, args) || !chooseCustomerCard(context, picker, args) ||
            !selectSalesmen(context, picker.satel(), args))
            return 1;
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return 1;
    }
    if (const QString payment = args.value(QStringLiteral("--payment")); !payment.isEmpty())
        picker.setSiptip(OrderPicker::paymentTypes().value(payment.toInt() + 1));
    return showPickerList(context, picker, filesOf(args));
}

int orderAnalysisCommand(Context &context)
{
    const Result<RefArgs> parsed = parseWithRefs(context.args, handOverOptions());
    if (!parsed)
        return usageError(context, "order-analysis", parsed.error(), orderAnalysisUsage);
    const auto &[args, refs] = *parsed;

    const std::unique_ptr<OrderScreen> screen = openPickerScreen<OrderAnalysis, OrderPicker>(context);
    if (!screen || !handOverDocuments(context, screen->picker, screen->analysis, args, refs,
                                      QStringLiteral("Satış siparişi")))
        return 1;
    // The window shows this in a message box over the complete list.
    if (const Result<void> &overall = screen->analysis.overall(); !overall)
        context.err << overall.errorText() << "\n";
    return finishAnalysis(context, screen->analysis, filesOf(args));
}

} // namespace tarvel::cli

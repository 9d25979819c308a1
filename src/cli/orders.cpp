// tarvel-report orders and order-analysis: the order picker's list after
// "Göster" and the order run of picked orders, each as the report document.
#include "analysis/orderanalysis.h"
#include "analysisreport.h"
#include "foundation/errors.h"
#include "grid/reportjson.h"
#include "pickers/customerpicker.h"
#include "pickers/orderpicker.h"

namespace tarvel::cli {

namespace {

const char *const ordersUsage =
    "usage: tarvel-report orders --from yyyyMMdd --to yyyyMMdd [--customer NAME | --customer-ref REF]\n"
    "         [--salesman REF ...] [--payment 0|1] [--xls FILE] [--pdf FILE]\n";
const char *const orderAnalysisUsage = "usage: tarvel-report order-analysis --refs R1,R2,... "
                                       "[--vat-included] [--extra-tax] [--xls FILE] [--pdf FILE]\n";

// The customer as "Cari Kartlar" chooses it: the active card of that
// reference among those the customer picker lists; false after saying why.
bool chooseCustomerCard(Context &context, const ReportContext &report, OrderPicker &picker,
                        const QString &ref)
{
    CustomerPicker cariform(report);
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

// The customer options; false after saying why.
bool chooseCustomer(Context &context, const ReportContext &report, OrderPicker &picker,
                    const CommandArgs &args)
{
    if (args.has(QStringLiteral("--customer-ref")))
        return chooseCustomerCard(context, report, picker, args.value(QStringLiteral("--customer-ref")));
    if (!args.has(QStringLiteral("--customer")))
        return true;
    picker.setCr(args.value(QStringLiteral("--customer")));
    if (!picker.crref().isEmpty())
        return true;
    context.err << QStringLiteral("Bu unvanda etkin cari kart yok: %1\n").arg(picker.cr());
    return false;
}

} // namespace

int ordersCommand(Context &context)
{
    CommandArgs args(
        context.args,
        {.values = QStringList{QStringLiteral("--from"), QStringLiteral("--to"), QStringLiteral("--customer"),
                               QStringLiteral("--customer-ref"), QStringLiteral("--payment")} +
                   fileOptions,
         .repeated = {QStringLiteral("--salesman")},
         .required = {QStringLiteral("--from"), QStringLiteral("--to")}});
    const std::optional<QDate> from = args.ok() ? args.date(QStringLiteral("--from")) : std::nullopt;
    const std::optional<QDate> to = args.ok() ? args.date(QStringLiteral("--to")) : std::nullopt;
    if (!args.ok())
        return usageError(context, "orders", args, ordersUsage);
    const QString payment = args.value(QStringLiteral("--payment"));
    if (!payment.isEmpty() && payment != QLatin1String("0") && payment != QLatin1String("1")) {
        context.err << "tarvel-report orders: --payment is 0 or 1\n" << ordersUsage;
        return 2;
    }
    if (args.has(QStringLiteral("--customer")) && args.has(QStringLiteral("--customer-ref"))) {
        context.err << "tarvel-report orders: --customer or --customer-ref, not both\n" << ordersUsage;
        return 2;
    }

    const std::optional<ReportContext> report = openReport(context);
    if (!report)
        return 1;
    OrderAnalysis analysis(*report);
    OrderPicker picker(*report, analysis);
    if (!openPicker(context, picker))
        return 1;
    picker.setTr1(*from);
    picker.setTr2(*to);
    try {
        if (!chooseCustomer(context, *report, picker, args) || !selectSalesmen(context, picker.satel(), args))
            return 1;
        if (!payment.isEmpty())
            picker.setSiptip(OrderPicker::paymentTypes().value(payment.toInt() + 1));
        picker.gosterbul(0);
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return 1;
    }
    ReportJson json;
    json.addList(QStringLiteral("l1"), picker.l1());
    return finishReport(context, json, picker.l1(), filesOf(args));
}

int orderAnalysisCommand(Context &context)
{
    CommandArgs args(context.args,
                     {.flags = {QStringLiteral("--vat-included"), QStringLiteral("--extra-tax")},
                      .values = QStringList{QStringLiteral("--refs")} + fileOptions,
                      .required = {QStringLiteral("--refs")}});
    const std::optional<QStringList> refs = args.ok() ? args.list(QStringLiteral("--refs")) : std::nullopt;
    if (!args.ok())
        return usageError(context, "order-analysis", args, orderAnalysisUsage);

    const std::optional<ReportContext> report = openReport(context);
    if (!report)
        return 1;
    OrderAnalysis analysis(*report);
    OrderPicker picker(*report, analysis);
    if (!openPicker(context, picker))
        return 1;
    try {
        const QStringList missing = picker.listDocuments(*refs);
        if (!missing.isEmpty()) {
            context.err << QStringLiteral("Satış siparişi bulunamadı (LOGICALREF): %1\n")
                               .arg(missing.join(QStringLiteral(", ")));
            return 1;
        }
        picker.setVatIncluded(args.flag(QStringLiteral("--vat-included")));
        picker.setExtraTax(args.flag(QStringLiteral("--extra-tax")));
        picker.handOver();
    } catch (const Error &e) {
        context.err << e.description() << "\n";
        return 1;
    }
    // The window shows this in a message box over a complete list.
    if (analysis.overallError())
        context.err << *analysis.overallError() << "\n";
    return finishAnalysis(context, analysis, filesOf(args));
}

} // namespace tarvel::cli

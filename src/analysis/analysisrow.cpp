#include "analysis/analysisrow.h"

#include "analysis/analysislist.h"
#include "analysis/analysisnumbers.h"
#include "foundation/base/numbers.h"
#include "foundation/erp/erpconnection.h"
#include "grid/memtable.h"

namespace tarvel {

namespace {

void setIfPresent(MemTable &list, const QString &field, const QString &value)
{
    if (list.fieldIndex(field) >= 0)
        list.setField(field, value);
}

} // namespace

QList<QPair<QString, QString>> saleLineColumns(bool withVat)
{
    QList<QPair<QString, QString>> columns{{QStringLiteral("AMOUNT"), QStringLiteral("miktar1")},
                                           {QStringLiteral("LINENET"), QStringLiteral("tutar1")},
                                           {QStringLiteral("ADDTAXAMOUNT"), QStringLiteral("EKVERGITUTAR")},
                                           {QStringLiteral("TOTAL"), QStringLiteral("toptutar1")},
                                           {QStringLiteral("LINETYPE"), QStringLiteral("linetip")},
                                           {QStringLiteral("DISTCOST"), QStringLiteral("DISTCOST")}};
    if (withVat)
        columns << QPair{QStringLiteral("VATINC"), QStringLiteral("VATINC")}
                << QPair{QStringLiteral("VAT"), QStringLiteral("VAT")};
    return columns;
}

std::optional<SaleLine> readSaleLine(const ErpRows &reread)
{
    if (reread.eof() || reread.isNull(QStringLiteral("tutar1")))
        return std::nullopt;
    SaleLine line;
    line.quantity = reread.number(QStringLiteral("miktar1"));
    line.net = reread.number(QStringLiteral("tutar1"));
    line.addTax = float(reread.number(QStringLiteral("EKVERGITUTAR")));
    line.distCost = reread.number(QStringLiteral("DISTCOST"));
    if (reread.hasColumn(QStringLiteral("VAT")))
        line.vat = float(reread.number(QStringLiteral("VAT")));
    line.promotion = reread.text(QStringLiteral("linetip")) == QLatin1String("1");
    return line;
}

double unitCost(ErpRows purchases, bool vatIncluded)
{
    float price = 0;
    double factor = 1;
    purchases.last();
    if (!purchases.eof()) {
        const double amount = purchases.number(QStringLiteral("AMOUNT"));
        // A purchase line without a quantity has no unit price: costed as never bought.
        if (amount != 0)
            price = float(purchases.number(QStringLiteral("LINENET")) / amount);
        factor = vatFactor(float(purchases.number(QStringLiteral("VAT"))));
    }
    return fmtValue(vatIncluded ? factor * double(price) : double(price));
}

QString documentHeading(const QString &ref, const QString &date, const QString &fisno, const QString &unvan,
                        const QString &typeName)
{
    const QString dash = QStringLiteral(" - ");
    return ref + dash + date + dash + fisno + dash + unvan + QStringLiteral(" - (") + typeName +
           QLatin1Char(')');
}

RowAmounts appendSaleRow(MemTable &list, const QString &code, const QString &name, const SaleLine &line,
                         double unitCost, const AnalysisModes &modes, const RowDocument &document)
{
    list.append();
    list.setField(AnalysisField::sira, QString::number(list.rowCount()));
    list.setField(AnalysisField::fatsirano, document.fatsirano);
    list.setField(AnalysisField::fatrefno, document.fatrefno);
    list.setField(AnalysisField::kod, code);
    setIfPresent(list, AnalysisField::satici, document.satici);
    list.setField(AnalysisField::ack, line.promotion ? name + QStringLiteral(" (Promosyon)") : name);
    list.setField(AnalysisField::miktar, fmt(line.quantity));
    list.setField(AnalysisField::indirimtop, fmt(line.distCost));

    const double tax = modes.extraTax ? double(line.addTax) : 0.0;
    const double sales = fmtValue(modes.vatIncluded ? line.net * vatFactor(line.vat) + tax : line.net + tax);
    const double cost = fmtValue(line.quantity * unitCost);
    if (line.promotion) {
        list.setField(AnalysisField::tutar, QStringLiteral("0"));
        setIfPresent(list, AnalysisField::toptutar, QStringLiteral("0"));
    } else {
        list.setField(AnalysisField::tutar, fmt(sales));
        setIfPresent(list, AnalysisField::toptutar, fmt(line.distCost + sales));
    }
    list.setField(AnalysisField::maliyet, fmt(cost));

    const double profit = fmtValue(sales - cost);
    if (line.promotion) {
        // Given away: the whole cost is lost; no profitability.
        list.setField(AnalysisField::fark, QStringLiteral("-") + formatPlain(cost));
    } else {
        list.setField(AnalysisField::kar, fmt(profitability(profit, cost)));
        list.setField(AnalysisField::fark, fmt(profit));
    }
    list.setField(AnalysisField::fisno, document.fisno);
    list.setField(AnalysisField::belgeno, document.belgeno);
    list.setField(AnalysisField::unvan, document.unvan);
    list.setField(AnalysisField::fatbilgi, document.fatbilgi);
    list.post();
    // A given-away item sold nothing: the document's profitability follows
    // the amounts its rows show, as the footer's does.
    return {line.promotion ? 0.0 : sales, cost};
}

} // namespace tarvel

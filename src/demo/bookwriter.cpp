#include "bookwriter.h"

#include <QHash>

namespace tarvel::demo {

namespace {

void add(DocumentTotals &totals, double total, double distCost, double lineNet, double vat)
{
    totals.gross += total;
    totals.discounts += distCost;
    totals.vat += round2(lineNet * vat / 100);
}

void writeTotals(TableInserter &table, const DocumentTotals &totals)
{
    table.number(round2(totals.gross))
        .number(round2(totals.discounts))
        .number(round2(totals.discounted()))
        .number(round2(totals.vat))
        .number(round2(totals.net()));
}

int refOf(int index)
{
    return index < 0 ? 0 : index + 1;
}

} // namespace

PeriodTotals periodTotals(const PeriodBook &book)
{
    PeriodTotals totals;
    totals.waybills.resize(book.waybills.size());
    totals.invoices.resize(book.invoices.size());
    totals.orders.resize(book.orders.size());
    for (const StockLine &line : book.lines) {
        if (line.lineType != GoodsLine && line.lineType != ServiceLine)
            continue;
        if (line.waybill >= 0)
            add(totals.waybills[line.waybill], line.total, line.distCost, line.lineNet, line.vat);
        if (line.invoice >= 0)
            add(totals.invoices[line.invoice], line.total, line.distCost, line.lineNet, line.vat);
    }
    for (const OrderLine &line : book.orderLines) {
        if (line.lineType == GoodsLine || line.lineType == ServiceLine)
            add(totals.orders[line.order], line.total, line.distCost, line.lineNet, line.vat);
    }
    return totals;
}

void writeSystemTables(ErpFileWriter &file, const SystemTables &tables)
{
    {
        TableInserter firms(file, QStringLiteral("L_CAPIFIRM"), erpTableLayout(QStringLiteral("L_CAPIFIRM")));
        for (const SystemTables::Firm &firm : tables.firms)
            firms.integer(firm.nr).text(firm.name).insert();
    }
    {
        TableInserter periods(file, QStringLiteral("L_CAPIPERIOD"),
                              erpTableLayout(QStringLiteral("L_CAPIPERIOD")));
        for (const SystemTables::Period &period : tables.periods) {
            periods.integer(period.nr)
                .integer(period.firmNr)
                .date(midnight(period.begin))
                .date(midnight(period.end))
                .integer(period.active)
                .insert();
        }
    }
    {
        TableInserter currencies(file, QStringLiteral("L_CURRENCYLIST"),
                                 erpTableLayout(QStringLiteral("L_CURRENCYLIST")));
        for (const SystemTables::Currency &currency : tables.currencies)
            currencies.integer(currency.firmNr)
                .integer(currency.curType)
                .text(currency.code)
                .text(currency.name)
                .insert();
    }
    TableInserter salesmen(file, QStringLiteral("LG_SLSMAN"), erpTableLayout(QStringLiteral("LG_SLSMAN")));
    for (const Salesman &salesman : tables.salesmen) {
        salesmen.integer(salesman.ref)
            .text(salesman.code)
            .text(salesman.name)
            .integer(salesman.active)
            .integer(salesman.firmNr)
            .insert();
    }
}

void writeFirmCards(ErpFileWriter &file, const FirmCards &cards)
{
    const int firm = cards.firmNr;
    auto table = [&](const QString &word) {
        return std::make_unique<TableInserter>(file, firmTableName(firm, word), erpTableLayout(word));
    };
    {
        const auto accounts = table(QStringLiteral("CLCARD"));
        for (const Account &a : cards.accounts) {
            accounts->integer(a.ref).integer(a.active).integer(a.cardType).text(a.code).text(a.name);
            accounts->text(a.addr1).text(a.addr2).text(a.city).text(a.telCode).text(a.telNr).text(a.taxNr);
            accounts->text(a.taxOffice).text(a.specode).insert();
        }
    }
    {
        const auto items = table(QStringLiteral("ITEMS"));
        for (const Item &i : cards.items) {
            items->integer(i.ref).text(i.code).text(i.name);
            for (const QString &specode : i.specodes)
                items->text(specode);
            items->text(i.groupCode)
                .integer(i.cardType)
                .integer(i.active)
                .integer(cards.unitSets.at(i.unitSetIndex).ref)
                .insert();
        }
    }
    {
        const auto services = table(QStringLiteral("SRVCARD"));
        for (const Service &s : cards.services)
            services->integer(s.ref).text(s.code).text(s.name).integer(s.cardType).integer(s.active).insert();
    }
    {
        const auto sets = table(QStringLiteral("UNITSETF"));
        for (const UnitSet &s : cards.unitSets)
            sets->integer(s.ref).text(s.code).text(s.name).insert();
    }
    {
        const auto units = table(QStringLiteral("UNITSETL"));
        for (const Unit &u : cards.units) {
            units->integer(u.ref).integer(u.setRef).text(u.code).text(u.name).integer(u.lineNr);
            units->integer(u.main ? 1 : 0).number(u.conv1).number(u.conv2).insert();
        }
    }
    const auto codes = table(QStringLiteral("SPECODES"));
    int ref = 0;
    for (const SpecialCode &c : cards.specialCodes)
        codes->integer(++ref)
            .integer(c.codeType)
            .integer(c.specodeType)
            .text(c.code)
            .text(c.definition)
            .insert();
}

void writePeriod(ErpFileWriter &file, int firmNr, const PeriodBook &book)
{
    auto table = [&](const QString &word) {
        return std::make_unique<TableInserter>(file, periodTableName(firmNr, book.nr, word),
                                               erpTableLayout(word));
    };
    const PeriodTotals totals = periodTotals(book);
    {
        const auto waybills = table(QStringLiteral("STFICHE"));
        for (int i = 0; i < book.waybills.size(); ++i) {
            const StockDocument &w = book.waybills.at(i);
            waybills->integer(refOf(i)).integer(w.ioCode).integer(w.trCode).text(w.ficheNo).date(w.date);
            waybills->text(w.docode).integer(w.clientRef).integer(w.recvRef).text(w.specode);
            writeTotals(*waybills, totals.waybills.at(i));
            waybills->integer(refOf(w.invoice)).integer(w.cancelled).insert();
        }
    }
    {
        const auto lines = table(QStringLiteral("STLINE"));
        // FTIME, the time of day a line was entered: the lines of a day in the
        // order they were made, a second apart from 08:00 (seconds since midnight).
        QHash<QDate, int> enteredThatDay;
        for (int i = 0; i < book.lines.size(); ++i) {
            const StockLine &l = book.lines.at(i);
            const int entered = 8 * 3600 + enteredThatDay[l.date.date()]++;
            lines->integer(refOf(i)).integer(refOf(l.waybill)).integer(refOf(l.invoice)).integer(l.stockRef);
            lines->integer(l.lineType).integer(l.ioCode).integer(l.trCode).date(l.date);
            lines->number(l.amount).number(l.price).number(l.total).number(l.lineNet).number(l.distCost);
            lines->number(l.vat).integer(l.vatInc).number(l.addTax);
            lines->integer(l.uomRef).integer(l.salesmanRef).integer(l.clientRef).integer(entered).insert();
        }
    }
    {
        const auto invoices = table(QStringLiteral("INVOICE"));
        for (int i = 0; i < book.invoices.size(); ++i) {
            const Invoice &v = book.invoices.at(i);
            invoices->integer(refOf(i)).integer(v.trCode).text(v.ficheNo).date(v.date).text(v.docode);
            invoices->integer(v.clientRef).text(v.specode).integer(v.salesmanRef);
            writeTotals(*invoices, totals.invoices.at(i));
            invoices->date(v.created).integer(v.cancelled).insert();
        }
    }
    {
        const auto orders = table(QStringLiteral("ORFICHE"));
        for (int i = 0; i < book.orders.size(); ++i) {
            const Order &o = book.orders.at(i);
            const DocumentTotals &t = totals.orders.at(i);
            orders->integer(refOf(i)).integer(o.trCode).text(o.ficheNo).date(o.date).text(o.docode);
            orders->integer(o.clientRef).integer(o.salesmanRef).integer(o.withPayTrans);
            orders->number(round2(t.discounts))
                .number(round2(t.discounted()))
                .number(round2(t.net()))
                .insert();
        }
    }
    const auto orderLines = table(QStringLiteral("ORFLINE"));
    for (int i = 0; i < book.orderLines.size(); ++i) {
        const OrderLine &l = book.orderLines.at(i);
        orderLines->integer(refOf(i))
            .integer(refOf(l.order))
            .integer(l.stockRef)
            .integer(l.lineType)
            .date(l.date);
        orderLines->number(l.amount).number(l.price).number(l.total).number(l.lineNet).number(l.distCost);
        orderLines->number(l.vat).number(l.addTax).integer(l.vatInc).insert();
    }
}

} // namespace tarvel::demo

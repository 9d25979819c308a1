#include "periodbuilder.h"

namespace tarvel::demo {

namespace {

// Prices rise by 2.5 % a month; multiplied out step by step so that every
// platform gets the same numbers.
double priceFactor(QDate base, QDate date)
{
    const int months = (date.year() - base.year()) * 12 + date.month() - base.month();
    double factor = 1;
    for (int i = 0; i < months; ++i)
        factor *= 1.025;
    return factor;
}

// Spreads a discount of rate over the goods and service lines among indexes
// (their DISTCOST and LINENET) and gives the discount's total.
template <typename Line> double spreadDiscount(QVector<Line> &lines, const QVector<int> &indexes, double rate)
{
    double sum = 0;
    for (int index : indexes) {
        Line &line = lines[index];
        if (line.lineType != GoodsLine && line.lineType != ServiceLine)
            continue;
        line.distCost = round2(line.total * rate);
        line.lineNet = round2(line.total - line.distCost);
        sum += line.distCost;
    }
    return sum;
}

// The discount line only repeats the total the lines carry.
template <typename Line> void setDiscountTotal(Line &discount, double sum)
{
    discount.total = round2(sum);
    discount.lineNet = 0;
}

} // namespace

int lineIoCode(int trCode)
{
    switch (trCode) {
    case 1:  // purchase
    case 2:  // retail sales return
    case 3:  // wholesale sales return
    case 13: // production receipt
        return 1;
    default: // sales, purchase returns
        return 4;
    }
}

int documentIoCode(int trCode)
{
    return lineIoCode(trCode) == 1 ? 1 : 3;
}

double lineTotal(double amount, double price, double vat, int vatInc)
{
    const double gross = amount * price;
    return round2(vatInc ? gross / (1 + vat / 100) : gross);
}

PeriodBuilder::PeriodBuilder(const FirmCards &cards, PeriodBook &book, QDate priceBase, QDate today)
    : m_cards(cards), m_book(book), m_priceBase(priceBase), m_today(today)
{
    for (int i = 0; i < cards.units.size(); ++i)
        m_unitIndex.insert(cards.units.at(i).ref, i);
}

double PeriodBuilder::purchasePrice(const Item &item, QDate date) const
{
    return round2(item.baseCost * priceFactor(m_priceBase, date));
}

double PeriodBuilder::salesPrice(const Item &item, QDate date, bool retail) const
{
    return round2(purchasePrice(item, date) * item.margin * (retail ? 1.12 : 1.0));
}

int PeriodBuilder::unitCount(const Item &item) const
{
    return int(m_cards.unitSets.at(item.unitSetIndex).units.size());
}

int PeriodBuilder::unitRef(const Item &item, int position) const
{
    const QVector<int> &units = m_cards.unitSets.at(item.unitSetIndex).units;
    return m_cards.units.at(units.at(qBound(0, position, int(units.size()) - 1))).ref;
}

const Unit &PeriodBuilder::unit(int unitRef) const
{
    return m_cards.units.at(m_unitIndex.value(unitRef));
}

double PeriodBuilder::unitFactor(int unitRef) const
{
    const Unit &u = unit(unitRef);
    return u.conv2 / u.conv1;
}

QString PeriodBuilder::nextNumber(const QString &prefix, int digits)
{
    const int number = ++m_numbers[prefix];
    return QStringLiteral("%1%2%3")
        .arg(prefix)
        .arg(m_book.begin.year())
        .arg(number, digits, 10, QLatin1Char('0'));
}

namespace {

// What waybills, invoices and orders share in their headers.
template <typename Document>
Document documentHeader(int trCode, const QDateTime &date, const Account &client, int salesmanRef)
{
    Document document;
    document.trCode = trCode;
    document.date = date;
    document.clientRef = client.ref;
    document.salesmanRef = salesmanRef;
    return document;
}

} // namespace

int PeriodBuilder::addWaybill(int trCode, const QDateTime &date, const Account &client, int recvRef,
                              const QString &specode, int salesmanRef)
{
    StockDocument waybill = documentHeader<StockDocument>(trCode, date, client, salesmanRef);
    waybill.specode = specode;
    waybill.ioCode = documentIoCode(trCode);
    waybill.recvRef = recvRef;
    static const QHash<int, QString> prefixes{{1, QStringLiteral("ALİ")}, {2, QStringLiteral("SİA")},
                                              {3, QStringLiteral("SİA")}, {6, QStringLiteral("AİA")},
                                              {7, QStringLiteral("İRS")}, {8, QStringLiteral("İRS")},
                                              {13, QStringLiteral("ÜRT")}};
    waybill.ficheNo = nextNumber(prefixes.value(trCode, QStringLiteral("STF")));
    m_book.waybills.push_back(waybill);
    m_waybillLines.push_back({});
    return int(m_book.waybills.size()) - 1;
}

int PeriodBuilder::addInvoice(int trCode, const QDateTime &date, const Account &client, int salesmanRef,
                              const QString &specode, const QDateTime &created)
{
    Invoice invoice = documentHeader<Invoice>(trCode, date, client, salesmanRef);
    invoice.specode = specode;
    invoice.created = created;
    static const QHash<int, QString> prefixes{{1, QStringLiteral("ALF")}, {2, QStringLiteral("SİF")},
                                              {3, QStringLiteral("SİF")}, {6, QStringLiteral("AİF")},
                                              {7, QStringLiteral("FAT")}, {8, QStringLiteral("FAT")}};
    invoice.ficheNo = nextNumber(prefixes.value(trCode, QStringLiteral("FTR")), 9);
    m_book.invoices.push_back(invoice);
    m_invoiceLines.push_back({});
    return int(m_book.invoices.size()) - 1;
}

PeriodBuilder::Header PeriodBuilder::headerOf(LineOwner owner) const
{
    if (owner.waybill >= 0) {
        const StockDocument &w = m_book.waybills.at(owner.waybill);
        return {lineIoCode(w.trCode), w.trCode, w.date, w.clientRef, w.salesmanRef};
    }
    const Invoice &i = m_book.invoices.at(owner.invoice);
    return {lineIoCode(i.trCode), i.trCode, i.date, i.clientRef, i.salesmanRef};
}

StockLine &PeriodBuilder::addLine(LineOwner owner, int lineType, int stockRef, double amount, double price,
                                  double vat, int vatInc, int uomRef)
{
    const Header header = headerOf(owner);
    StockLine line;
    line.waybill = owner.waybill;
    line.invoice = owner.invoice;
    line.stockRef = stockRef;
    line.lineType = lineType;
    line.ioCode = header.ioCode;
    line.trCode = header.trCode;
    line.date = header.date;
    line.amount = amount;
    line.price = price;
    line.vat = vat;
    line.vatInc = vatInc;
    line.total = lineTotal(amount, price, vat, vatInc);
    line.lineNet = line.total;
    line.uomRef = uomRef;
    line.salesmanRef = header.salesmanRef;
    line.clientRef = header.clientRef;
    const int index = int(m_book.lines.size());
    if (owner.waybill >= 0)
        m_waybillLines[owner.waybill].push_back(index);
    else
        m_invoiceLines[owner.invoice].push_back(index);
    m_book.lines.push_back(line);
    return m_book.lines.last();
}

StockLine &PeriodBuilder::addItemLine(LineOwner owner, const Item &item, int unitRef, double amount,
                                      double price, int vatInc, LineType type)
{
    StockLine &line = addLine(owner, type, item.ref, amount, price, item.vat, vatInc, unitRef);
    if (item.addTaxPerUnit > 0 && type == GoodsLine)
        line.addTax = round2(item.addTaxPerUnit * amount * unitFactor(unitRef));
    return line;
}

StockLine &PeriodBuilder::addServiceLine(LineOwner owner, const Service &service, double amount, double price)
{
    return addLine(owner, ServiceLine, service.ref, amount, price, service.vat, 0, 0);
}

void PeriodBuilder::addDiscount(LineOwner owner, double rate)
{
    const QVector<int> lines =
        owner.waybill >= 0 ? m_waybillLines.at(owner.waybill) : m_invoiceLines.at(owner.invoice);
    if (const double sum = spreadDiscount(m_book.lines, lines, rate); sum > 0)
        setDiscountTotal(addLine(owner, DiscountLine, 0, 0, 0, 0, 0, 0), sum);
}

void PeriodBuilder::invoiceWaybills(const QVector<int> &waybills, int invoice)
{
    for (int waybill : waybills) {
        m_book.waybills[waybill].invoice = invoice;
        for (int index : m_waybillLines.at(waybill))
            m_book.lines[index].invoice = invoice;
    }
}

int PeriodBuilder::addOrder(int trCode, const QDateTime &date, const Account &client, int salesmanRef,
                            int withPayTrans)
{
    Order order = documentHeader<Order>(trCode, date, client, salesmanRef);
    order.withPayTrans = withPayTrans;
    order.ficheNo = nextNumber(trCode == 1 ? QStringLiteral("SİP") : QStringLiteral("ASP"));
    m_book.orders.push_back(order);
    m_orderLines.push_back({});
    return int(m_book.orders.size()) - 1;
}

OrderLine &PeriodBuilder::addOrderLine(int order, int stockRef, LineType type, double amount, double price,
                                       double vat, int vatInc, double addTax)
{
    OrderLine line;
    line.order = order;
    line.stockRef = stockRef;
    line.lineType = type;
    line.date = m_book.orders.at(order).date;
    line.amount = amount;
    line.price = price;
    line.vat = vat;
    line.vatInc = vatInc;
    line.total = lineTotal(amount, price, vat, vatInc);
    line.lineNet = line.total;
    line.addTax = addTax;
    m_orderLines[order].push_back(int(m_book.orderLines.size()));
    m_book.orderLines.push_back(line);
    return m_book.orderLines.last();
}

void PeriodBuilder::addOrderDiscount(int order, double rate)
{
    if (const double sum = spreadDiscount(m_book.orderLines, m_orderLines.at(order), rate); sum > 0)
        setDiscountTotal(addOrderLine(order, 0, DiscountLine, 0, 0, 0), sum);
}

QDateTime PeriodBuilder::entryTime(QDate documentDate, DemoRandom &random) const
{
    const double roll = random.unit();
    QDate day = documentDate;
    if (roll > 0.9)
        day = documentDate.addDays(random.between(2, 9));
    else if (roll > 0.7)
        day = documentDate.addDays(1);
    if (day > m_today)
        day = m_today;
    return QDateTime(day, QTime(random.between(8, 18), random.between(0, 59), random.between(0, 59)),
                     Qt::UTC);
}

} // namespace tarvel::demo

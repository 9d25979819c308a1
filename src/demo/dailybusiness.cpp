#include "dailybusiness.h"

namespace tarvel::demo {

namespace {

// Loose goods are priced to the tenth of a kuruş per kilo, everything else to the kuruş.
double roundPrice(double price, const Unit &unit)
{
    return unit.code == QLatin1String("KG") ? std::round(price * 1000) / 1000 : round2(price);
}

// A quantity that suits the unit: kilos in quarters, grams in 250s, a few
// cases, more pieces; purchases are bigger than sales.
double quantityFor(const Unit &unit, bool purchase, bool retail, DemoRandom &random)
{
    if (unit.code == QLatin1String("KG"))
        return purchase ? random.between(20, 200) : random.between(1, retail ? 12 : 80) * 0.25;
    if (unit.code == QLatin1String("GR"))
        return random.between(1, 8) * 250;
    if (unit.conv2 / unit.conv1 >= 20) // sacks and big cases
        return purchase ? random.between(5, 20) : random.between(1, retail ? 1 : 3);
    if (!unit.main)
        return purchase ? random.between(5, 60) : random.between(1, retail ? 2 : 10);
    return purchase ? random.between(24, 240) : random.between(1, retail ? 6 : 36);
}

int lineCount(DemoRandom &random, int most)
{
    int count = 1;
    while (count < most && random.chance(0.78))
        ++count;
    return count;
}

const double discountRates[] = {0.02, 0.03, 0.05, 0.075, 0.10};

} // namespace

BusinessRates BusinessRates::scaled(double factor) const
{
    BusinessRates rates = *this;
    for (double *rate :
         {&rates.waybills, &rates.directInvoices, &rates.purchases, &rates.orders, &rates.purchaseOrders,
          &rates.salesReturns, &rates.purchaseReturns, &rates.production})
        *rate *= factor;
    return rates;
}

DailyBusiness::DailyBusiness(PeriodBuilder &builder, const BusinessRates &rates, DemoRandom random)
    : m_builder(builder), m_cards(builder.cards()), m_rates(rates), m_random(random),
      m_onReorder(builder.cards().items.size(), false)
{
    for (int i = 0; i < m_cards.items.size(); ++i) {
        const Item &item = m_cards.items.at(i);
        if (item.reserved)
            continue;
        m_soldItems.add(i, item.weight);
        if (item.bought)
            m_boughtItems.add(i, item.weight);
        if (item.produced)
            m_producedItems.add(i, item.weight);
    }
    for (int i : m_cards.customers) {
        if (m_cards.accounts.at(i).weight > 0)
            m_customers.add(i, m_cards.accounts.at(i).weight);
    }
    for (int i : m_cards.suppliers) {
        if (m_cards.accounts.at(i).weight > 0)
            m_suppliers.add(i, m_cards.accounts.at(i).weight);
    }
}

const Item &DailyBusiness::pickSoldItem()
{
    return m_cards.items.at(m_soldItems.pick(m_random));
}

const Item &DailyBusiness::pickBoughtItem()
{
    return m_cards.items.at(m_boughtItems.pick(m_random));
}

const Account &DailyBusiness::pickCustomer()
{
    return m_cards.accounts.at(m_customers.pick(m_random));
}

const Account &DailyBusiness::pickSupplier()
{
    return m_cards.accounts.at(m_suppliers.pick(m_random));
}

QString DailyBusiness::pickWaybillCode()
{
    static const QStringList codes{QStringLiteral("ŞEHİRİÇİ"), QStringLiteral("ŞEHİRDIŞI"),
                                   QStringLiteral("ARAÇ-1"), QStringLiteral("ARAÇ-2"),
                                   QStringLiteral("MÜŞTERİ'DE")};
    return m_random.chance(0.7) ? m_random.pick(codes) : QString();
}

void DailyBusiness::runDay(QDate day)
{
    if (day.dayOfWeek() == Qt::Sunday)
        return;
    for (int n = m_random.count(m_rates.purchases); n > 0; --n)
        purchase(day);
    if (!m_producedItems.isEmpty()) {
        for (int n = m_random.count(m_rates.production); n > 0; --n)
            produce(day);
    }
    for (int n = m_random.count(m_rates.waybills); n > 0; --n)
        salesWaybill(day);
    for (int n = m_random.count(m_rates.directInvoices); n > 0; --n)
        directInvoice(day);
    for (int n = m_random.count(m_rates.orders); n > 0; --n)
        order(day);
    for (int n = m_random.count(m_rates.purchaseOrders); n > 0; --n)
        purchaseOrder(day);
    for (int n = m_random.count(m_rates.salesReturns); n > 0; --n)
        salesReturn(day);
    for (int n = m_random.count(m_rates.purchaseReturns); n > 0; --n)
        purchaseReturn(day);
    invoicePending(day, false);
}

void DailyBusiness::closePeriod(QDate lastDay)
{
    invoicePending(lastDay, true);
}

// Sales are in the main unit as a rule: the profit analyses compare a line's
// quantity with the last purchase's unit cost whatever the units. Now and then
// a case, a dozen or a sack; never grams.
int DailyBusiness::otherUnit(const Item &item)
{
    const int units = m_builder.unitCount(item);
    if (units < 2 || !m_random.chance(0.05))
        return 0;
    const int position = m_random.between(1, units - 1);
    return m_builder.unitFactor(m_builder.unitRef(item, position)) < 1 ? 0 : position;
}

// What sells is bought again at one of the next purchases.
void DailyBusiness::soldOut(const Item &item)
{
    const int index = item.ref - 1;
    if (item.bought && !item.reserved && !m_onReorder.at(index)) {
        m_onReorder[index] = true;
        m_reorder.push_back(index);
    }
}

void DailyBusiness::addSalesLine(LineOwner owner, const Item &item, QDate day, bool retail, int vatInc)
{
    soldOut(item);
    const int unitRef = m_builder.unitRef(item, otherUnit(item));
    const double factor = m_builder.unitFactor(unitRef);
    double price = m_builder.salesPrice(item, day, retail) * factor;
    if (vatInc)
        price *= 1 + item.vat / 100;
    const double amount = quantityFor(m_builder.unit(unitRef), false, retail, m_random);
    m_builder.addItemLine(owner, item, unitRef, amount, roundPrice(price, m_builder.unit(unitRef)), vatInc);
}

void DailyBusiness::fillSalesDocument(LineOwner owner, QDate day, bool retail)
{
    const int vatInc = retail && m_random.chance(0.6) ? 1 : 0;
    for (int n = lineCount(m_random, 12); n > 0; --n) {
        const Item &item = pickSoldItem();
        addSalesLine(owner, item, day, retail, vatInc);
        if (m_random.chance(0.04))
            addSalesLine(owner, item, day, retail, vatInc); // the same item twice on one document
    }
    if (m_random.chance(0.05)) {
        const Item &gift = pickSoldItem();
        m_builder.addItemLine(owner, gift, m_builder.unitRef(gift, 0), m_random.between(1, 3),
                              m_builder.salesPrice(gift, day, retail), 0, PromotionLine);
    }
    if (owner.waybill < 0 && m_random.chance(0.2)) {
        const Service &service = m_random.pick(m_cards.services);
        m_builder.addServiceLine(owner, service, 1, service.price);
    }
    if (m_random.chance(0.25))
        m_builder.addDiscount(owner, discountRates[m_random.between(0, 4)]);
}

void DailyBusiness::purchase(QDate day)
{
    const Account &supplier = pickSupplier();
    const int waybill = m_builder.addWaybill(1, midnight(day), supplier, 0, QString(), 0);
    const int invoice =
        m_builder.addInvoice(1, midnight(day), supplier, 0, QString(), m_builder.entryTime(day, m_random));
    const QString docode = QStringLiteral("E%1").arg(m_random.between(100000, 999999));
    m_builder.book().waybills[waybill].docode = docode;
    m_builder.book().invoices[invoice].docode = docode;
    QVector<int> bought; // item indices
    const int count = m_random.between(6, 14);
    while (bought.size() < count && !m_reorder.isEmpty()) {
        const int index = m_reorder.takeFirst();
        m_onReorder[index] = false;
        bought << index;
    }
    for (int n = count - int(bought.size()); n > 0; --n) {
        const int index = pickBoughtItem().ref - 1;
        if (!bought.contains(index))
            bought << index;
    }
    for (int index : std::as_const(bought)) {
        const Item &item = m_cards.items.at(index);
        // Bought in the main unit, so the analyses' unit costs are costs of the unit sold.
        const int unitRef = m_builder.unitRef(item, 0);
        const double price = m_builder.purchasePrice(item, day) * (0.97 + 0.06 * m_random.unit());
        m_builder.addItemLine({waybill, -1}, item, unitRef,
                              quantityFor(m_builder.unit(unitRef), true, false, m_random),
                              roundPrice(price, m_builder.unit(unitRef)));
    }
    if (m_random.chance(0.15))
        m_builder.addDiscount({waybill, -1}, discountRates[m_random.between(0, 2)]);
    m_builder.invoiceWaybills({waybill}, invoice);
}

void DailyBusiness::produce(QDate day)
{
    static const Account noAccount;
    const int receipt = m_builder.addWaybill(13, midnight(day), noAccount, 0, QString(), 0);
    for (int n = m_random.between(1, 3); n > 0; --n) {
        const Item &item = m_cards.items.at(m_producedItems.pick(m_random));
        m_builder.addItemLine({receipt, -1}, item, m_builder.unitRef(item, 0), m_random.between(20, 200),
                              round2(m_builder.purchasePrice(item, day) * 0.6));
    }
}

void DailyBusiness::salesWaybill(QDate day)
{
    const Account &customer = pickCustomer();
    const bool retail = !customer.wholesale;
    const int waybill = m_builder.addWaybill(retail ? 7 : 8, midnight(day), customer, customer.shipToRef,
                                             pickWaybillCode(), customer.salesmanRef);
    if (m_random.chance(0.3))
        m_builder.book().waybills[waybill].docode =
            QStringLiteral("B-%1").arg(m_random.between(100000, 999999));
    fillSalesDocument({waybill, -1}, day, retail);
    if (m_random.chance(0.005)) {
        m_builder.book().waybills[waybill].cancelled = 1;
        return;
    }
    if (!retail) {
        m_pending[customer.ref].push_back(waybill);
    } else if (m_random.chance(0.85)) {
        const int invoice = m_builder.addInvoice(7, midnight(day), customer, customer.salesmanRef,
                                                 m_builder.book().waybills.at(waybill).specode,
                                                 m_builder.entryTime(day, m_random));
        m_builder.invoiceWaybills({waybill}, invoice);
    }
}

void DailyBusiness::directInvoice(QDate day)
{
    const Account &customer = pickCustomer();
    const bool retail = !customer.wholesale;
    const int invoice = m_builder.addInvoice(retail ? 7 : 8, midnight(day), customer, customer.salesmanRef,
                                             pickWaybillCode(), m_builder.entryTime(day, m_random));
    fillSalesDocument({-1, invoice}, day, retail);
    if (m_random.chance(0.003))
        m_builder.book().invoices[invoice].cancelled = 1;
}

void DailyBusiness::order(QDate day)
{
    const Account &customer = pickCustomer();
    const bool retail = !customer.wholesale;
    const int order =
        m_builder.addOrder(1, midnight(day), customer, customer.salesmanRef, m_random.chance(0.4));
    if (m_random.chance(0.5))
        m_builder.book().orders[order].docode = QStringLiteral("T-%1").arg(m_random.between(1000, 99999));
    for (int n = lineCount(m_random, 10); n > 0; --n) {
        const Item &item = pickSoldItem();
        const int unitRef = m_builder.unitRef(item, otherUnit(item));
        const double factor = m_builder.unitFactor(unitRef);
        const double amount = quantityFor(m_builder.unit(unitRef), false, retail, m_random);
        m_builder.addOrderLine(
            order, item.ref, GoodsLine, amount,
            roundPrice(m_builder.salesPrice(item, day, retail) * factor, m_builder.unit(unitRef)), item.vat,
            0, round2(item.addTaxPerUnit * amount * factor));
    }
    if (m_random.chance(0.05)) {
        const Item &gift = pickSoldItem();
        m_builder.addOrderLine(order, gift.ref, PromotionLine, m_random.between(1, 3),
                               m_builder.salesPrice(gift, day, retail), gift.vat);
    }
    if (m_random.chance(0.05)) {
        const Service &service = m_random.pick(m_cards.services);
        m_builder.addOrderLine(order, service.ref, ServiceLine, 1, service.price, service.vat);
    }
    if (m_random.chance(0.2))
        m_builder.addOrderDiscount(order, discountRates[m_random.between(0, 4)]);
}

void DailyBusiness::purchaseOrder(QDate day)
{
    const int order = m_builder.addOrder(2, midnight(day), pickSupplier(), 0, 0);
    for (int n = m_random.between(2, 6); n > 0; --n) {
        const Item &item = pickBoughtItem();
        m_builder.addOrderLine(order, item.ref, GoodsLine, m_random.between(24, 240),
                               m_builder.purchasePrice(item, day), item.vat);
    }
}

void DailyBusiness::salesReturn(QDate day)
{
    const Account &customer = pickCustomer();
    const bool retail = !customer.wholesale;
    const int trCode = retail ? 2 : 3;
    const int waybill = m_builder.addWaybill(trCode, midnight(day), customer, 0, QStringLiteral("İADE-DÖNÜŞ"),
                                             customer.salesmanRef);
    const int invoice = m_builder.addInvoice(trCode, midnight(day), customer, customer.salesmanRef, QString(),
                                             m_builder.entryTime(day, m_random));
    for (int n = m_random.between(1, 2); n > 0; --n) {
        const Item &item = pickSoldItem();
        m_builder.addItemLine({waybill, -1}, item, m_builder.unitRef(item, 0), m_random.between(1, 6),
                              m_builder.salesPrice(item, day, retail));
    }
    m_builder.invoiceWaybills({waybill}, invoice);
}

void DailyBusiness::purchaseReturn(QDate day)
{
    const Account &supplier = pickSupplier();
    const int waybill = m_builder.addWaybill(6, midnight(day), supplier, 0, QString(), 0);
    const int invoice =
        m_builder.addInvoice(6, midnight(day), supplier, 0, QString(), m_builder.entryTime(day, m_random));
    for (int n = m_random.between(1, 2); n > 0; --n) {
        const Item &item = pickBoughtItem();
        m_builder.addItemLine({waybill, -1}, item, m_builder.unitRef(item, 0), m_random.between(2, 24),
                              m_builder.purchasePrice(item, day));
    }
    m_builder.invoiceWaybills({waybill}, invoice);
}

void DailyBusiness::invoicePending(QDate day, bool everything)
{
    const PeriodBook &book = m_builder.book();
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const Account &customer = m_cards.accounts.at(it.key() - 1);
        const QDate first = book.waybills.at(it.value().first()).date.date();
        if (everything || first.daysTo(day) >= customer.billingLag) {
            invoiceOf(customer, it.value(), day);
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
}

void DailyBusiness::invoiceOf(const Account &customer, const QVector<int> &waybills, QDate day)
{
    const int invoice = m_builder.addInvoice(8, midnight(day), customer, customer.salesmanRef,
                                             m_builder.book().waybills.at(waybills.first()).specode,
                                             m_builder.entryTime(day, m_random));
    m_builder.invoiceWaybills(waybills, invoice);
    if (m_random.chance(0.15)) {
        const Service &service = m_cards.services.first(); // delivery within the city
        m_builder.addServiceLine({-1, invoice}, service, 1, service.price);
    }
}

} // namespace tarvel::demo

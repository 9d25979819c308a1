#pragma once

#include "periodbuilder.h"

#include <QMap>

namespace tarvel::demo {

// Documents per working day (Monday to Saturday) for a firm of scale 1.
struct BusinessRates {
    double waybills = 1.2;       // sales waybills (retail and wholesale)
    double directInvoices = 0.4; // sales invoices without a waybill
    double purchases = 0.5;      // purchase waybills with their invoices
    double orders = 0.4;         // sales orders
    double purchaseOrders = 0.07;
    double salesReturns = 0.025;
    double purchaseReturns = 0.012;
    double production = 0.12;

    BusinessRates scaled(double factor) const;
};

// The everyday trade of a firm: purchases restock the shelves, customers get
// waybills (retail ones invoiced at once, wholesale ones collected into an
// invoice after a few days), direct invoices, orders, returns and production.
class DailyBusiness {
public:
    DailyBusiness(PeriodBuilder &builder, const BusinessRates &rates, DemoRandom random);

    void runDay(QDate day);
    // The last day of a closed period: every waybill still waiting is invoiced.
    void closePeriod(QDate lastDay);

private:
    const Item &pickSoldItem();
    const Item &pickBoughtItem();
    const Account &pickCustomer();
    const Account &pickSupplier();
    QString pickWaybillCode();
    int otherUnit(const Item &item);
    void soldOut(const Item &item);
    // One sales line of a random item, at the day's price; quantities suit the unit.
    void addSalesLine(LineOwner owner, const Item &item, QDate day, bool retail, int vatInc);
    void fillSalesDocument(LineOwner owner, QDate day, bool retail);

    void purchase(QDate day);
    void produce(QDate day);
    void salesWaybill(QDate day);
    void directInvoice(QDate day);
    void order(QDate day);
    void purchaseOrder(QDate day);
    void salesReturn(QDate day);
    void purchaseReturn(QDate day);
    void invoicePending(QDate day, bool everything);
    void invoiceOf(const Account &customer, const QVector<int> &waybills, QDate day);

    PeriodBuilder &m_builder;
    const FirmCards &m_cards;
    BusinessRates m_rates;
    DemoRandom m_random;
    WeightedPicker m_soldItems, m_boughtItems, m_producedItems, m_customers, m_suppliers;
    QMap<int, QVector<int>> m_pending; // customer ref -> wholesale waybills waiting for their invoice
    QVector<int> m_reorder;            // items sold since their last purchase, in the order they ran short
    QVector<bool> m_onReorder;
};

} // namespace tarvel::demo

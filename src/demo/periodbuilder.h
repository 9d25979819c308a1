#pragma once

#include "demomodel.h"
#include "demorandom.h"

#include <QHash>

namespace tarvel::demo {

// The document a line belongs to: a waybill, an invoice, or a waybill that has
// already been invoiced (its lines carry both references).
struct LineOwner {
    int waybill = -1;
    int invoice = -1;
};

// Makes the documents of one period the way the ERP records them: headers,
// their lines with the document's codes and date, discounts spread over the
// lines, invoices made from waybills. Prices follow the firm's cards and rise
// month by month.
class PeriodBuilder {
public:
    PeriodBuilder(const FirmCards &cards, PeriodBook &book, QDate priceBase, QDate today);

    const FirmCards &cards() const { return m_cards; }
    PeriodBook &book() { return m_book; }
    QDate today() const { return m_today; }

    // ---- Prices --------------------------------------------------------------------
    double purchasePrice(const Item &item, QDate date) const; // of the main unit
    double salesPrice(const Item &item, QDate date, bool retail) const;
    int unitRef(const Item &item, int position) const; // 0 main unit; clamps to the set's last unit
    int unitCount(const Item &item) const;
    double unitFactor(int unitRef) const; // main units in one of this unit
    const Unit &unit(int unitRef) const;

    // ---- Documents ------------------------------------------------------------------
    QString nextNumber(const QString &prefix, int digits = 6);
    int addWaybill(int trCode, const QDateTime &date, const Account &client, int recvRef,
                   const QString &specode, int salesmanRef);
    int addInvoice(int trCode, const QDateTime &date, const Account &client, int salesmanRef,
                   const QString &specode, const QDateTime &created);
    // One line of goods at a unit price of the line's unit. vatInc: the price includes VAT.
    StockLine &addItemLine(LineOwner owner, const Item &item, int unitRef, double amount, double price,
                           int vatInc = 0, LineType type = GoodsLine);
    StockLine &addServiceLine(LineOwner owner, const Service &service, double amount, double price);
    // A document discount: each goods and service line gets its share in
    // DISTCOST, and a discount line repeats the sum.
    void addDiscount(LineOwner owner, double rate);
    // The waybills' lines become the invoice's lines too.
    void invoiceWaybills(const QVector<int> &waybills, int invoice);

    int addOrder(int trCode, const QDateTime &date, const Account &client, int salesmanRef, int withPayTrans);
    OrderLine &addOrderLine(int order, int stockRef, LineType type, double amount, double price, double vat,
                            int vatInc = 0, double addTax = 0);
    void addOrderDiscount(int order, double rate);

    // When the invoice was keyed in: mostly the same day, sometimes days later, never after today.
    QDateTime entryTime(QDate documentDate, DemoRandom &random) const;

private:
    struct Header {
        int ioCode, trCode;
        QDateTime date;
        int clientRef, salesmanRef;
    };
    Header headerOf(LineOwner owner) const;
    StockLine &addLine(LineOwner owner, int lineType, int stockRef, double amount, double price, double vat,
                       int vatInc, int uomRef);

    const FirmCards &m_cards;
    PeriodBook &m_book;
    QDate m_priceBase, m_today;
    QHash<QString, int> m_numbers;
    QHash<int, int> m_unitIndex;          // UNITSETL ref -> index
    QVector<QVector<int>> m_waybillLines; // lines of each waybill
    QVector<QVector<int>> m_invoiceLines; // lines an invoice has of its own (services, direct sales)
    QVector<QVector<int>> m_orderLines;
};

// STLINE.IOCODE of a document type: what comes in is 1, what goes out 4.
int lineIoCode(int trCode);
// STFICHE.IOCODE of a document type: 1 in, 3 out.
int documentIoCode(int trCode);
// The total of a line: amount x price, less the VAT when the price includes it.
double lineTotal(double amount, double price, double vat, int vatInc);

} // namespace tarvel::demo

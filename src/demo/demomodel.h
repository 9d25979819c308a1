#pragma once

// The demo company in memory, table by table, before it is written. Every
// LOGICALREF is the row's position + 1, given in the order the rows were made,
// which follows the calendar as in a real ERP database.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <cmath>

namespace tarvel::demo {

// Amounts are kept to the kuruş, as the ERP shows them.
inline double round2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

// Documents are dated at midnight; the ERP keeps their time of day elsewhere.
// UTC, so that no daylight-saving gap can move a date.
inline QDateTime midnight(QDate day)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

// ---- Firm cards -----------------------------------------------------------------

struct Salesman { // LG_SLSMAN, one table for all firms
    int ref = 0;
    QString code, name;
    int active = 0; // 0 active
    int firmNr = 0;
};

struct SpecialCode { // SPECODES
    int codeType = 0, specodeType = 0;
    QString code, definition;
};

struct Unit { // UNITSETL: conv1 of this unit are conv2 of the main unit
    int ref = 0, setRef = 0;
    QString code, name;
    int lineNr = 1;
    bool main = false;
    double conv1 = 1, conv2 = 1;
};

struct UnitSet { // UNITSETF
    int ref = 0;
    QString code, name;
    QVector<int> units; // indices into FirmCards::units, main unit first
};

struct Account { // CLCARD
    int ref = 0;
    int active = 0;   // 0 active, 1 passive
    int cardType = 1; // 1 buyer, 2 seller, 3 both, 4 group, 22 the firm's default card
    QString code, name, addr1, addr2, city, telCode, telNr, taxNr, taxOffice, specode;
    // How the company deals with it (not written).
    bool wholesale = true;
    int salesmanRef = 0;
    int shipToRef = 0;  // RECVREF of its waybills
    int billingLag = 1; // days its wholesale waybills wait for their invoice
    int weight = 0;     // share of the documents; 0: none from the daily business
};

struct Item { // ITEMS
    int ref = 0;
    QString code, name;
    QString specodes[5];
    QString groupCode;
    int cardType = 1;
    int active = 0;
    int unitSetIndex = 0;
    // Trade (not written).
    double vat = 20;
    double baseCost = 10; // purchase price of the main unit in the first month
    double margin = 1.25; // wholesale price / cost
    double addTaxPerUnit = 0;
    int weight = 1;
    bool bought = true;    // false: sold, never bought (cost 0 in the analyses)
    bool produced = false; // made in-house (production receipts, TRCODE 13)
    bool reserved = false; // used only by the showcase documents
};

struct Service { // SRVCARD
    int ref = 0;
    QString code, name;
    int cardType = 2;
    int active = 0;
    double price = 0, vat = 20;
};

struct FirmCards {
    int firmNr = 0;
    QString name;
    QVector<Account> accounts;
    QVector<Item> items;
    QVector<Service> services;
    QVector<UnitSet> unitSets;
    QVector<Unit> units;
    QVector<SpecialCode> specialCodes;
    QVector<int> customers; // indices of accounts that buy
    QVector<int> suppliers; // indices of accounts that sell to us
};

// ---- Period documents -----------------------------------------------------------

struct StockDocument { // STFICHE
    int ioCode = 3, trCode = 8;
    QString ficheNo, docode, specode;
    QDateTime date;
    int clientRef = 0, recvRef = 0;
    int salesmanRef = 0; // on its lines; the header's own column is not read
    int invoice = -1;    // index into PeriodBook::invoices
    int cancelled = 0;
};

struct Invoice { // INVOICE
    int trCode = 8;
    QString ficheNo, docode, specode;
    QDateTime date, created;
    int clientRef = 0, salesmanRef = 0;
    int cancelled = 0;
};

enum LineType { GoodsLine = 0, PromotionLine = 1, DiscountLine = 2, ServiceLine = 4 };

struct StockLine {                  // STLINE: lines of waybills, of invoices, or of both
    int waybill = -1, invoice = -1; // indices into PeriodBook
    int stockRef = 0;
    int lineType = GoodsLine;
    int ioCode = 4, trCode = 8;
    QDateTime date;
    double amount = 0, price = 0, total = 0, lineNet = 0, distCost = 0, vat = 0, addTax = 0;
    int vatInc = 0;
    int uomRef = 0, salesmanRef = 0, clientRef = 0;
};

struct Order { // ORFICHE
    int trCode = 1;
    QString ficheNo, docode;
    QDateTime date;
    int clientRef = 0, salesmanRef = 0, withPayTrans = 0;
};

struct OrderLine {  // ORFLINE
    int order = -1; // index into PeriodBook::orders
    int stockRef = 0;
    int lineType = GoodsLine;
    QDateTime date;
    double amount = 0, price = 0, total = 0, lineNet = 0, distCost = 0, vat = 0, addTax = 0;
    int vatInc = 0;
};

struct PeriodBook {
    int nr = 1;
    QDate begin, end;
    QVector<StockDocument> waybills;
    QVector<Invoice> invoices;
    QVector<StockLine> lines;
    QVector<Order> orders;
    QVector<OrderLine> orderLines;
};

// Header totals as the ERP keeps them: goods and service lines count, promotion
// lines are free, the discount line only repeats the lines' DISTCOST.
struct DocumentTotals {
    double gross = 0, discounts = 0, vat = 0;
    double discounted() const { return gross - discounts; }
    double net() const { return gross - discounts + vat; }
};

} // namespace tarvel::demo

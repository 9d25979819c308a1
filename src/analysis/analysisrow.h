#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace tarvel {

class ErpRows;
class MemTable;

// The VAT-inclusive and additional-tax modes of a run.
struct AnalysisModes {
    bool vatIncluded = false; // "Kdv Dahil": amounts and costs with VAT
    bool extraTax = false;    // "Ek Vergi Hesaplansın": the additional tax counts as sales
};

// One sales line as the analyses read it again by its key.
struct SaleLine {
    double quantity = 0;    // miktar1
    double net = 0;         // tutar1, the line's net amount
    float addTax = 0;       // EKVERGITUTAR
    double distCost = 0;    // DISTCOST, the line's share of the document's discounts
    float vat = 0;          // the sales VAT rate
    bool promotion = false; // linetip 1: given away, its amount shows as 0
};

// The columns of a sales line as the re-read names them (ErpReader::reread):
// quantity, net, additional tax, total, line type and discount share, and the
// VAT (rate and whether prices include it) when withVat.
QList<QPair<QString, QString>> saleLineColumns(bool withVat);

// The re-read line; nothing when the statement found no row or its net amount
// is empty (such a line adds no row). The VAT rate is the row's own VAT when
// the statement asked for it.
std::optional<SaleLine> readSaleLine(const ErpRows &reread);

// The unit cost of the last purchase line of a purchase result: its LINENET /
// AMOUNT in single precision, with VAT in VAT-inclusive mode, rounded as
// stored. No purchase line, or one with no quantity, costs 0.
double unitCost(ErpRows purchases, bool vatIncluded);

// What the rows of one document share.
struct RowDocument {
    QString fatsirano, fatrefno, fisno, belgeno, unvan, satici, fatbilgi;
};

// The heading a document's rows are grouped under:
// ref - date - number - title - (type name).
QString documentHeading(const QString &ref, const QString &date, const QString &fisno, const QString &unvan,
                        const QString &typeName);

// The sales amount and cost a row adds to its document's sums: what the row
// shows, so a promotion line adds its cost and no sales.
struct RowAmounts {
    double sales = 0;
    double cost = 0;
};

// Appends and posts the analysis row of one sales line: quantity, sales
// amount (with VAT and additional tax by the modes), cost, profit and
// profitability, each rounded as stored. Fields the list lacks (the order
// list's toptutar and satici) are left out.
RowAmounts appendSaleRow(MemTable &list, const QString &code, const QString &name, const SaleLine &line,
                         double unitCost, const AnalysisModes &modes, const RowDocument &document);

} // namespace tarvel

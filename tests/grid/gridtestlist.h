#pragma once

// A small list shaped like the analysis and picker lists, shared by the grid tests.

#include "grid/datagrid.h"

#include <QStringList>

namespace gridtest {

using namespace tarvel;

// Fields in this order; rows are given as texts in the same order.
inline const QStringList fieldNames = {
    QStringLiteral("sec"),    QStringLiteral("fatbilgi"),     QStringLiteral("kod"),
    QStringLiteral("tip"),    QStringLiteral("miktar"),       QStringLiteral("tutar"),
    QStringLiteral("kartop"), QStringLiteral("geneltoporan"), QStringLiteral("kar")};

// Column positions of designList().
enum Column { Check, Heading, Code, Type, Quantity, Amount, Profit, Hidden };

// Check column, a hidden grouping column "FATURA", code, type with its
// display mapping, quantity and amount with sums, and KARLILIK totalling
// other fields (geneltoporan in the footer, kartop per group), then a hidden
// column bound to nothing.
inline void designList(DataGrid &grid)
{
    for (const QString &name : fieldNames)
        grid.table().addField(name, name == QLatin1String("kod") ? 10 : 50);
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .field = QStringLiteral("sec"),
                    .width = 30,
                    .checkBox = true});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("FATURA"),
                    .field = QStringLiteral("fatbilgi"),
                    .visible = false});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn3"),
                    .caption = QStringLiteral("MALZEME KODU"),
                    .field = QStringLiteral("kod"),
                    .width = 100,
                    .footer = GridTotal::fixedText(QStringLiteral("GENEL TOPLAMLAR")),
                    .groupTotal = GridTotal::fixedText(QStringLiteral("FATURA TOPLAMLARI"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn4"),
                    .caption = QStringLiteral("TİP"),
                    .field = QStringLiteral("tip"),
                    .width = 80,
                    .displayMap = {{QStringLiteral("7"), QStringLiteral("PARAKENDE")},
                                   {QStringLiteral("8"), QStringLiteral("TOPTAN")}}});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn5"),
                    .caption = QStringLiteral("SATIŞ MİKTARI"),
                    .field = QStringLiteral("miktar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("miktar")),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("miktar"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn6"),
                    .caption = QStringLiteral("SATIŞ TUTARI"),
                    .field = QStringLiteral("tutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("###,###0.00")),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("#0.00"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn7"),
                    .caption = QStringLiteral("KARLILIK"),
                    .field = QStringLiteral("kar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("geneltoporan"), QStringLiteral("%#0.00")),
                    .groupTotal = GridTotal::sumOf(QStringLiteral("kartop"), QStringLiteral("%#0.00")),
                    .tint = QColor(255, 255, 217)});
    grid.addColumn(
        {.objectName = QStringLiteral("DBGridColumn8"), .caption = QStringLiteral("ref"), .visible = false});
}

inline void addRow(DataGrid &grid, const QStringList &values)
{
    MemTable &t = grid.table();
    t.append();
    for (int i = 0; i < values.size(); ++i)
        t.setField(fieldNames.at(i), values.at(i));
    t.post();
}

// sec, fatbilgi, kod, tip, miktar, tutar, kartop, geneltoporan
inline void fillThreeInvoices(DataGrid &grid)
{
    addRow(grid, {"False", "F1", "A", "7", "2", "10,50", "", "12,345"});
    addRow(grid, {"True", "F2", "B", "8", "1", "1000,00", "5,5"});
    addRow(grid, {"False", "F1", "C", "7", "3", "0,25", "20"});
    addRow(grid, {"", "F3", "D", "8", "abc", "2,00", "1"});
    addRow(grid, {"False", "F2", "E", "7", "4", "x", "4,5"});
}

// One letter per displayed row: H heading, T total, or the row's code.
inline QString shape(const DataGrid &grid)
{
    QString s;
    for (int p = 0; p < grid.displayedRowCount(); ++p) {
        const DisplayedRow n = grid.displayedRow(p);
        if (n.kind == DisplayedRow::GroupHeading)
            s += QLatin1Char('H');
        else if (n.kind == DisplayedRow::GroupTotal)
            s += QLatin1Char('T');
        else
            s += grid.displayText(p, Code);
    }
    return s;
}

} // namespace gridtest

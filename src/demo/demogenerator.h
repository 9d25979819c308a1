#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace tarvel::demo {

// scale 1 is a small company: some dozens of customers, about 150 items, a few
// thousand stock lines. Documents grow with the scale, cards more slowly;
// "large" (scale 60) has over 2,000 items, 500 customers and 200,000 lines.
struct DemoOptions {
    int scale = 1;
    QDate today; // the reference date: the current period runs up to it
};

constexpr int largeScale = 60;
constexpr int largestScale = 100; // about a million stock lines, held in memory while they are made

// "small", "large" or a whole number from 1 to largestScale.
std::optional<int> parseDemoSize(const QString &text);

// The previous year must be a year of four digits too (document numbers hold it).
bool isValidReferenceDate(QDate date);

struct DemoSummary {
    QString firmName;     // firm 1
    QString firmChoice;   // "1- " + name, as the settings window stores it
    QString periodChoice; // the period holding the reference date, as the settings window stores it
    int firms = 0, periods = 0;
    int accounts = 0, items = 0;                                   // firm 1
    qint64 stockLines = 0, waybills = 0, invoices = 0, orders = 0; // all firms and periods
};

// Writes the demo company's ERP database, an SQLite file, replacing an older
// one. The same options give the same bytes. Throws tarvel::Error.
DemoSummary writeDemoErp(const QString &path, const DemoOptions &options);

// The period list entry the settings window makes of an L_CAPIPERIOD row:
// "2- 1-(01.01.2025)  (31.12.2025)".
QString periodChoice(int nr, int firmNr, QDate begin, QDate end);

} // namespace tarvel::demo

#pragma once

#include "demomodel.h"
#include "erpfilewriter.h"

#include <memory>

namespace tarvel::demo {

struct SystemTables {
    struct Firm {
        int nr;
        QString name;
    };
    struct Period {
        int nr, firmNr;
        QDate begin, end;
        int active;
    };
    struct Currency {
        int firmNr, curType;
        QString code, name;
    };
    QVector<Firm> firms;
    QVector<Period> periods;
    QVector<Currency> currencies;
    QVector<Salesman> salesmen;
};

void writeSystemTables(ErpFileWriter &file, const SystemTables &tables);
void writeFirmCards(ErpFileWriter &file, const FirmCards &cards);
void writePeriod(ErpFileWriter &file, int firmNr, const PeriodBook &book);

// Header totals from the lines, as the ERP keeps them (see DocumentTotals).
struct PeriodTotals {
    QVector<DocumentTotals> waybills, invoices, orders;
};
PeriodTotals periodTotals(const PeriodBook &book);

} // namespace tarvel::demo

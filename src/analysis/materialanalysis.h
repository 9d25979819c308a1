#pragma once

#include "analysis/analysisdates.h"
#include "analysis/analysisrow.h"
#include "analysis/profitanalysis.h"
#include "documents/salesmanlist.h"

#include <QStringList>

namespace tarvel {

// The material profit analysis malzemekaranalizform without its window: every
// sales-invoice line (TRCODE 7 and 8) of the items whose name, special code
// (any of the five) and group code contain the typed texts, over the date
// range, optionally of some salesmen, each costed from the item's last
// purchase up to the line's date. "Bul" starts the run, "Durdur" stops it.
//
// Rows carry no document: fatsirano is 1 throughout (its column hidden) and
// the heading names the sales date only; the window offers no grouping. A run that ends normally writes its
// totals on its last row (nettutar, kartop) and the overall profitability on its first; a stopped run keeps
// its rows and writes no totals, and so does a run whose cost total is 0.
class MaterialAnalysis : public ProfitAnalysis {
    Q_OBJECT
public:
    explicit MaterialAnalysis(const ReportContext &context, QObject *parent = nullptr);

    // ---- Inputs ----------------------------------------------------------------------------
    const AnalysisDates &dates() const { return m_dates; }
    void setDates(const AnalysisDates &dates) { m_dates = dates; }
    // Text1, ozkod and grp as typed: searched for as they are (an apostrophe
    // too), with % and _ keeping their pattern meaning; empty matches all.
    void setText1(const QString &text) { m_text1 = text; }
    void setOzkod(const QString &text) { m_ozkod = text; }
    void setGrp(const QString &text) { m_grp = text; }
    // Check2 "Kdv Dahil" and Check3 "Ek Vergi Hesaplansın".
    void setVatIncluded(bool on) { m_modes.vatIncluded = on; }
    void setExtraTax(bool on) { m_modes.extraTax = on; }
    // satel: every salesman record as LOGICALREF-DEFINITION_; the selected ones restrict the lines.
    SalesmanList &satel() { return m_satel; }
    const SalesmanList &satel() const { return m_satel; }

    // ---- Filter lists, filled when the window loads ------------------------------------------
    // ozkod's and grp's entries: an empty one, then the firm's item special
    // codes / group codes. A failing statement leaves the lists as far as read.
    void ozkodyukle();
    void grupkodyukle();
    const QStringList &specialCodes() const { return m_specialCodes; }
    const QStringList &groupCodes() const { return m_groupCodes; }
    // elemanekle: throws ErpError (the window shows it in a plain message box).
    void elemanekle();

    // ---- The run ------------------------------------------------------------------------------
    // The material run ("Bul", Enter in Text1); false when a run is already
    // in progress. The stop request is polled before each item and before
    // each sales line.
    bool run();

    // Written only when the list has a cost; silently nothing otherwise.
    void faturagenelmaliyethesapla() override;

private:
    // The run's sums: sales S, cost C and the gross total N, in single precision.
    struct Sums {
        float sales = 0;
        float cost = 0;
        float gross = 0;
    };
    enum class Step { Go, Stop };

    QString itemsStatement() const;
    QStringList codes(const QString &condition);
    // The rows of every item; Stop when a stop request was seen.
    Step addRows(const AnalysisModes &modes, const QString &salesmen, Sums &sums);
    // The reads of a run: sales lines per item, purchases per item, a sales line again.
    struct Reads {
        ErpReader::Read lines;
        ErpReader::Read purchases;
        ErpReread lineAgain;
    };
    void addLineRow(ErpReader &reader, const Reads &reads, const ErpRows &item, const ErpRows &line,
                    const AnalysisModes &modes, Sums &sums);
    // nettutar and kartop on the last row; false when there is no row or no cost.
    bool writeRunTotals(const Sums &sums);

    AnalysisDates m_dates;
    // The run's date condition, taken at its start: the dates may change while it runs.
    QString m_range;
    QString m_text1;
    QString m_ozkod;
    QString m_grp;
    AnalysisModes m_modes;
    SalesmanList m_satel;
    QStringList m_specialCodes;
    QStringList m_groupCodes;
};

} // namespace tarvel

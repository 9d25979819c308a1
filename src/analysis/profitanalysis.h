#pragma once

#include "analysis/analysislist.h"
#include "erpread/erpreader.h"
#include "erpread/purchaseread.h"
#include "foundation/base/progressstate.h"
#include "foundation/erp/reportcontext.h"
#include "foundation/erp/serverstop.h"
#include "grid/datagrid.h"
#include "grid/profitseries.h"

#include <QObject>
#include <QString>
#include <functional>

namespace tarvel {

class Error;

// What the profit-analysis windows share, without a window: the
// analysis list l1, the progress bar's state pr1, the settings the window
// loads, its status text, its list appearance file, the VAT-mode label, the
// grouping by document heading, the overall profitability, and the run state.
// Each window's model adds its filling (invoice run, item run, order run,
// material run).
//
// Runs read the ERP statement by statement and skip a step whose statement
// fails: the list shows what could be read, and failures() says how many
// statements failed and why the first one did, for the window to tell. When
// the server is gone a run stops as "Durdur" stops it, and says why; a
// stopped run writes no totals.
//
// Between items a run calls the between-items hook; the window sets it to
// process pending events, so the window repaints and stays usable. Only one
// run at a time: a run asked for while one is in progress does nothing.
class ProfitAnalysis : public QObject {
    Q_OBJECT
public:
    ~ProfitAnalysis() override;

    const AnalysisDesign &design() const { return m_design; }
    const ReportContext &context() const { return m_context; }
    DataGrid &l1() { return m_l1; }
    const DataGrid &l1() const { return m_l1; }
    ProgressState &pr1() { return m_pr1; }

    // ---- Loading -------------------------------------------------------------------------
    // The firm and period the analysis names its tables from, and its
    // connection: the window sets them once it has loaded the settings.
    void setContext(const ReportContext &context) { m_context = context; }
    // The status bar's text: firm name, period number, period dates.
    QString statusText() const;
    // The list appearance file (in the program folder, section "Fl1").
    QString appearanceFile() const;
    void listeyukle();
    void saveAppearance() const;

    // ---- The list ---------------------------------------------------------------------------
    // Grouped by document heading (fatbilgi), every group open, or not grouped: Check1.
    void setGrouped(bool grouped);
    bool isGrouped() const { return m_l1.isGrouped(); }
    // "Listeyi Temizle". Does nothing while a run is in progress.
    void clearList();
    // The VAT mode of the last document analysed (Label3, the order window's Label1).
    const QString &vatLabel() const { return m_vatLabel; }
    // What the profit chart of the list reads: a bar per document heading
    // after a run over picked documents, per item name after a run that
    // lists items (the item and material runs); the material run's rows
    // carry their sales date in the heading, so it alone offers profit per day.
    ProfitFields chartFields() const;

    // faturagenelmaliyethesapla: the overall profitability from the footer's
    // profit and cost, written into geneltoporan of the current row; 0 when the
    // list has no cost (the order and material windows write nothing then).
    virtual void faturagenelmaliyethesapla();

    // ---- Runs -------------------------------------------------------------------------------
    bool isRunning() const { return m_running; }
    // "Durdur": the run stops at its next poll (between items, documents and
    // lines). Its list keeps what was done, without totals.
    void requestStop() { m_stop = true; }
    // Whether the last run ended on a stop request, or because the server was gone.
    bool wasStopped() const { return m_stopped; }
    void setBetweenItems(std::function<void()> hook) { m_betweenItems = std::move(hook); }
    struct Failures {
        int count = 0;
        QString first;   // the first failing statement's error
        QString stopped; // why the run stopped early (the server is gone); empty when it did not
    };
    // The statements of the last run that failed.
    const Failures &failures() const { return m_failures; }
    // The statements the last run sent.
    int statementCount() const { return m_statements; }

signals:
    void runningChanged(bool running);
    void vatLabelChanged(const QString &text);

protected:
    // design: the analysis's own differences from the shared list and window.
    ProfitAnalysis(AnalysisDesign design, const ReportContext &context, QObject *parent);

    // Marks a run as started (false when one already is: do nothing then) and
    // clears the failures; endRun() marks it as ended.
    bool beginRun();
    void endRun();
    // The frame of a run that fills the list itself: false (nothing done)
    // when a run is in progress. Otherwise the run begins, the list is
    // emptied and its redrawing suspended, the bar shows its text, and fill
    // runs; however fill ends, the list shows again from its first row and
    // the bar is back at 0. The caller ends the run (endRun) after its last
    // steps on the filled list.
    bool fillRun(const std::function<void()> &fill);
    void betweenItems();
    // A statement of a run: a failure is counted and gives an empty result.
    // Once the server is gone (see ServerStop) nothing more is sent: every
    // statement gives an empty result at once, and serverGone() is true.
    ErpRows runQuery(const QString &statement);
    // A question of a run put to its reader: the answer, or an empty result
    // with the failure counted and watched for a server that is gone, as
    // runQuery answers a statement.
    ErpRows ask(const std::function<ErpRows()> &question);
    // The reader of one run, in the context's mode: its statements are the
    // run's (counted, and stopping the run when the server is gone).
    ErpReader runReader(int chunk = ErpReader::defaultChunk);
    bool serverGone() const { return m_serverStop.stopped(); }
    // Whether the run must end here: "Durdur" was pressed or the server is
    // gone. Once true it stays true for the rest of the run.
    bool stopping();
    // A failing step of a run that is not a statement (a column the result lacks).
    void noteFailure(const Error &error);
    void setVatLabel(bool vatIncluded);
    // Whether the rows the last run listed are items rather than document lines.
    void setListsItems(bool items) { m_listsItems = items; }

    // The overall profitability g written into geneltoporan of the current
    // row; false (nothing written) when there is no row or the list's cost
    // total is 0, where the division has no result.
    bool writeCostedOverall();

    // The purchase lines a card's cost comes from, up to a date key (the
    // last one returned counts): the statement the order and material
    // analyses send.
    QString purchaseLinesStatement(const QString &cardRef, const QString &dateKey) const;

    // Shows or hides columns by their index in the list.
    void setColumnsVisible(std::initializer_list<int> columns, bool visible);

    // Stock lines, item and service cards of the firm and period.
    QString stockLineTable() const { return m_context.periodTable(QStringLiteral("STLINE")); }
    QString itemTable() const { return m_context.firmTable(QStringLiteral("ITEMS")); }

private:
    // A statement of a run: counted, and its answer noted; a failure is thrown to ask().
    ErpRows send(const QString &statement);

    AnalysisDesign m_design;
    ReportContext m_context;
    DataGrid m_l1;
    ProgressState m_pr1;
    QString m_vatLabel;
    bool m_listsItems = false;
    bool m_running = false;
    bool m_stop = false;
    bool m_stopped = false;
    std::function<void()> m_betweenItems;
    Failures m_failures;
    ServerStop m_serverStop;
    int m_statements = 0;
};

} // namespace tarvel

#pragma once

#include "foundation/base/apppaths.h"
#include "mainwindow/reportcatalog.h"
#include "mainwindow/reportwindow.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStatusBar;

namespace tarvel {

class AnalysisChartPanel;
struct AnalysisDesign;
struct AnalysisDates;
class GridWidget;
class ProfitAnalysis;
class XpProgressBar;

// The window design the profit analyses share: the heading box, the
// filter frame (each window puts its inputs in it), the grouping switch
// Check1 and the VAT-mode label, the analysis list l1, the progress bar pr1
// and the status bar sb1. It loads the settings and the list appearance when
// first shown, saves the appearance when it closes, prints and exports the
// list for the main window's "Karlılık Analizi" menu and pops that menu up
// over a list with rows.
//
// While a run is in progress the buttons that start runs (and "Listeyi
// Temizle") are disabled, "Durdur" shows and the menu stays closed. A run
// that ends stopped says "Durduruldu" in the status bar, one that found
// nothing "Kayıt bulunamadı". The window does not close under a run: the run
// is asked to stop, and the close - of this window, or of the program when
// the main window was closing - is made again once the run has returned.
class AnalysisWindow : public ReportWindow {
    Q_OBJECT
public:
    ~AnalysisWindow() override;

    ProfitAnalysis &model() const { return *m_model; }
    GridWidget *list() const { return m_l1; }
    AnalysisChartPanel *chartPanel() const { return m_chart; }

    // The window's load (centring, appearance file, inputs, settings, status
    // text); runs once, at the first show or when called.
    void load();

    void listeyazdir(PrintMode mode) override;
    void exelkaydet() override;
    // During a run the run's firm stays: the settings are taken when it ends.
    void settingsSaved() override;

protected:
    AnalysisWindow(ReportKind kind, std::unique_ptr<ProfitAnalysis> model, const AppPaths &paths,
                   QWidget *parent);

    // Puts a widget into one of the filter frame's two rows, after the ones
    // put there before. The second row ends in "Listeyi Temizle", the
    // grouping switch and the VAT label.
    void addFilterWidget(QWidget *widget, int row = 0);
    QPushButton *addFilterButton(const QString &objectName, const QString &caption, int row = 0);
    // A widget to the right of both filter rows (the material window's salesmen).
    void addFilterSideWidget(QWidget *widget);
    // A widget that starts runs: disabled while one is in progress.
    void disableWhileRunning(QWidget *widget);
    // "Durdur" at the end of a filter row, shown only while a run is in progress.
    void addStopButton(int row);
    // A list whose rows belong to no document: no grouping box Check1.
    void hideGrouping();
    // The date pickers tr1 "Baslangıc Tarihi:" and tr2 "Bitiş Tarihi:" at the
    // start of the first filter row. apply gets the range at the load (1
    // January of this year to today) and at every change of either date,
    // typed or picked: a run uses the dates shown.
    void addDateRange(std::function<void(const AnalysisDates &)> apply);

    // Load step of the window's own, after the settings: the lists filled from the ERP.
    virtual void loadAfterSettings() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void unload() override;

private:
    void build(const ReportInfo &info);
    QFrame *buildFilterFrame(const AnalysisDesign &design);
    // The list with the profit chart beside it, behind "Grafik"; losses tinted.
    QWidget *listWithChart();
    void onMouseDown(Qt::MouseButton button, const QPoint &globalPos);
    void onRunningChanged(bool running);
    void reportFailures();
    void datesChanged();
    void closeAfterRun();
    // The shared settings into the model, the lists that depend on the firm, the status text.
    void takeSettings();

    AppPaths m_paths;
    std::unique_ptr<ProfitAnalysis> m_model;
    QHBoxLayout *m_filterRows[2] = {};
    QHBoxLayout *m_filterOuter = nullptr;
    int m_filterInsertAt[2] = {};
    QCheckBox *m_check1 = nullptr;
    QLabel *m_vatLabel = nullptr;
    GridWidget *m_l1 = nullptr;
    AnalysisChartPanel *m_chart = nullptr;
    XpProgressBar *m_pr1 = nullptr;
    QStatusBar *m_sb1 = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_runStatus = nullptr;
    QPushButton *m_durdur = nullptr;
    QList<QPointer<QWidget>> m_runStarters;
    QDateEdit *m_tr1 = nullptr;
    QDateEdit *m_tr2 = nullptr;
    std::function<void(const AnalysisDates &)> m_applyDates;
    enum class PendingClose { None, Window, Program };
    PendingClose m_pendingClose = PendingClose::None;
    bool m_loaded = false;
    bool m_settingsPending = false;
};

} // namespace tarvel

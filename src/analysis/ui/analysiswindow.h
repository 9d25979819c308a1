#pragma once

#include "foundation/apppaths.h"
#include "mainwindow/reportcatalog.h"
#include "mainwindow/reportwindow.h"

#include <QList>
#include <QPointer>
#include <memory>

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStatusBar;

namespace tarvel {

struct AnalysisDesign;
class GridWidget;
class ProfitAnalysis;
class XpProgressBar;

// The window design the three profit analyses share: the heading box, the
// filter frame (each window puts its inputs in it), the grouping switch
// Check1 and the VAT-mode label, the analysis list l1, the progress bar pr1
// and the status bar sb1. It loads the settings and the list appearance when
// first shown, saves the appearance when it closes, prints and exports the
// list for the main window's "Karlılık Analizi" menu and pops that menu up
// over a list with rows.
//
// While a run is in progress the buttons that start runs (and "Listeyi
// Temizle") are disabled, the menu stays closed and the window does not close.
class AnalysisWindow : public ReportWindow {
    Q_OBJECT
public:
    ~AnalysisWindow() override;

    ProfitAnalysis &model() const { return *m_model; }
    GridWidget *list() const { return m_l1; }
    XpProgressBar *progressBar() const { return m_pr1; }
    QCheckBox *groupingBox() const { return m_check1; }

    // The window's load (centring, appearance file, inputs, settings, status
    // text); runs once, at the first show or when called.
    void load();

    void listeyazdir(int mode) override;
    void exelkaydet() override;

protected:
    AnalysisWindow(ReportKind kind, std::unique_ptr<ProfitAnalysis> model, const AppPaths &paths,
                   QWidget *parent);

    const AppPaths &paths() const { return m_paths; }
    // Puts a widget into one of the filter frame's two rows, after the ones
    // put there before. The second row ends in "Listeyi Temizle", the
    // grouping switch and the VAT label.
    void addFilterWidget(QWidget *widget, int row = 0);
    QPushButton *addFilterButton(const QString &objectName, const QString &caption, int row = 0);
    // A widget that starts runs: disabled while one is in progress.
    void disableWhileRunning(QWidget *widget);

    // Load steps of the window's own: the date pickers (before the settings)
    // and the lists filled from the ERP (after them).
    virtual void loadDates() {}
    virtual void loadAfterSettings() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void unload() override;

private:
    void build(const ReportInfo &info);
    QFrame *buildFilterFrame(const AnalysisDesign &design);
    void onMouseDown(int button, const QPoint &globalPos);
    void onRunningChanged(bool running);
    void reportFailures();

    AppPaths m_paths;
    std::unique_ptr<ProfitAnalysis> m_model;
    QHBoxLayout *m_filterRows[2] = {};
    int m_filterInsertAt[2] = {};
    QLabel *m_heading = nullptr;
    QCheckBox *m_check1 = nullptr;
    QLabel *m_vatLabel = nullptr;
    GridWidget *m_l1 = nullptr;
    XpProgressBar *m_pr1 = nullptr;
    QStatusBar *m_sb1 = nullptr;
    QLabel *m_status = nullptr;
    QList<QPointer<QWidget>> m_runStarters;
    bool m_loaded = false;
};

} // namespace tarvel

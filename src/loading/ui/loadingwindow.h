#pragma once

#include "foundation/base/apppaths.h"
#include "mainwindow/reportwindow.h"

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;

namespace tarvel {

class GridWidget;
class LoadingReport;
class XpProgressBar;

// tarvelfatura, the vehicle loading report's window over LoadingReport: the
// loading list l1, the box "İrsaliye" with "İrsaliyeler" and the waybill list
// l2, the customer box, the totals, "Yazdır" and "Satır Sil", the progress bar
// pr1 and the status bar sb1. F5 opens the waybill picker as "İrsaliyeler"
// does; "Yazdır" and a right click on the list pop up the main window's menu
// aracyuk while the list has rows.
class LoadingWindow : public ReportWindow {
    Q_OBJECT
public:
    // "Önizleme" (1) and "Yazdır" (2) of the loading list; the printing
    // subsystem's entry, handed in by the program that links it.
    using Printer = std::function<void(const LoadingReport &report, PrintMode mode, QWidget *parent)>;

    // connection: where the report reads (the session's primary connection).
    // lastFirmName: the firm name of the caption last read in this run, kept
    // by the program across the windows it opens (none: nothing is kept).
    LoadingWindow(const AppPaths &paths, ErpConnection &connection, Printer printer = {},
                  QString *lastFirmName = nullptr, QWidget *parent = nullptr);
    ~LoadingWindow() override;

    LoadingReport &report() const { return *m_report; }

    // "İrsaliyeler" and F5: the waybill picker, modally.
    void irsaliyeler();
    // "Satır Sil": after "Satırı Silmek İstediğinize Eminmisiniz...?".
    void satirSil();

    void settingsSaved() override;

    // "Önizleme" and "Yazdır": first asks, when the waybills belong to
    // several customers or rows were deleted, whether to go on; "HAYIR"
    // prints nothing.
    void printloadinglist(PrintMode mode) override;
    // "Liste Exel Kaydet": the list l1, as ReportWindow::saveListAsked saves it.
    void listeexelkaydet() override;

protected:
    void unload() override;

private:
    void build();
    QGroupBox *buildWaybillBox();
    QGroupBox *buildCustomerBox();
    QGroupBox *buildBottomBox();
    // The shared settings into the report, the caption and the status panel.
    void takeSettings();
    void showFields();
    // Status panel 3: how many rows "Satır Sil" took out of the list.
    void showDeletedRows();
    void takeEditedFields();
    void popupMenu(const QPoint &globalPos);
    void showClock();

    Printer m_printer;
    AppPaths m_paths;
    QString *m_lastFirmName;
    LoadingReport *m_report;
    GridWidget *m_l1 = nullptr;
    GridWidget *m_l2 = nullptr;
    // The customer box's editors and the totals' captions, in the order of
    // customerFields() and totalFields().
    QList<QWidget *> m_customerEdits;
    QList<QLabel *> m_totals;
    XpProgressBar *m_pr1 = nullptr;
    QStatusBar *m_sb1 = nullptr;
    QList<QLabel *> m_panels;
    bool m_showing = false; // the fields are being filled from the model
};

} // namespace tarvel

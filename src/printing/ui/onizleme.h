#pragma once

#include "printing/waybillreport.h"

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QToolButton;

namespace tarvel {

// The preview window "Velmor Önizleme": one waybill form in a viewer filling
// the window, under a tool bar with "Küçült", "Büyüt", the zoom box, the page
// number box, "Geri", "İleri", and a small button without caption that prints
// the form on its printer (one copy, no dialog). Made for one form, shown
// modally, thrown away.
class Onizleme : public QDialog {
    Q_OBJECT
public:
    explicit Onizleme(QWidget *parent = nullptr);
    ~Onizleme() override;

    // Gives the report to the viewer, which paints its pages; the report is
    // the caller's and is handed back.
    const WaybillReport &arepac(const WaybillReport &report);

    QPrintPreviewWidget *viewer() const { return m_viewer; }
    int pageCount() const;
    int currentPage() const;

    // The small button: the shown form once more on its printer.
    void printShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addTool(const QString &text, const QString &name);
    void updateTools();
    void applyZoomText();
    void goToTypedPage();

    std::unique_ptr<QPrinter> m_printer;
    std::optional<WaybillReport> m_report;
    QPrintPreviewWidget *m_viewer = nullptr;
    QComboBox *m_zoom = nullptr;
    QLineEdit *m_page = nullptr;
    QLabel *m_pageCount = nullptr;
    bool m_centred = false;
};

} // namespace tarvel

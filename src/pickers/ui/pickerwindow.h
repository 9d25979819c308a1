#pragma once

#include "documents/pickeddocument.h"
#include "pickers/documentpicker.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;

namespace tarvel {

class DocumentPicker;
class GridWidget;

// The window every document picker shares (caption "Velmor"): the heading
// baslik1, the filter area with the dates tr1/tr2 and the customer cr/crref,
// the picker's own filters below them, the search buttons, the list l1 with
// its check column, the hand-over button chameleonButton1 and "Kapat", and
// the list's pop-up menu men. Everything it shows lives in the picker's
// model; the window only binds it.
//
// A picker window derives from it, makes its model, adds its filters with
// addFilter() and calls load() at the end of its constructor:
//
//   WaybillPickerWindow::WaybillPickerWindow(...)
//       : PickerWindow(new WaybillPicker(...), {.heading = "İRSALİYELER", ...}, parent)
//   {
//       addFilter("İrsaliye Tipi", irstip);  ...
//       load();
//   }
//
// Shown modally by the report that opens it (exec()); closed by "Kapat", Esc
// or a finished hand-over, and every closing saves the list appearance.
class PickerWindow : public QDialog {
    Q_OBJECT
public:
    ~PickerWindow() override;

    DocumentPicker &picker() const { return *m_picker; }
    GridWidget *list() const { return m_l1; }
    QMenu *menu() const { return m_men; }

    // "Göster" (NewList) and "Listeye Ekle" (AddToList); the status bar sb1
    // says when it found nothing. A failing search shows the error's
    // description in a plain message box; the list keeps what it read and
    // stays usable.
    void gosterbul(SearchMode mode);
    // chameleonButton1: nothing on an empty list; "Listeden Seçim
    // Yapmalısınız..." when nothing is ticked (the picker stays open);
    // otherwise the picker hides, hands the ticked documents to the report
    // that opened it and closes. A failing hand-over shows the error's
    // description in a plain message box over that report's window, which
    // stays usable.
    void handOver();

    // A customer chosen in another window (the customer picker): its name
    // goes into cr as a program-made change (no completion; the name lookup
    // runs), then its reference into crref, so that card wins over another
    // card of the same name.
    void setCustomer(const QString &name, const QString &ref);

    // Every closing ends here: the list appearance is saved.
    void done(int result) override;

protected:
    struct Design {
        QString heading{};         // baslik1
        QString handOverCaption{}; // chameleonButton1
        QString selectNoneName{};  // objectName of the select-none item: seckaldır or tumkaldir
    };
    // Takes the model (it becomes the window's child).
    PickerWindow(DocumentPicker *model, const Design &design, QWidget *parent);

    // A labelled control of the picker's own filters, in the filter area
    // below the dates and the customer, two to a row. An empty label gives
    // the control the whole width of the pair (check boxes).
    void addFilter(const QString &label, QWidget *control);
    // A button beside the customer name cr ("Cari Kartlar").
    void addCustomerButton(QPushButton *button);

    // The opening: centre, the model's opening (dates, appearance, customer
    // names, the picker's own lists), then the controls show what it read.
    // A failure of a list fill is shown in a plain message box once the
    // window is on screen; the lists filled before it keep their entries.
    void load();
    // After the model's opening: fill the picker's own controls from it.
    virtual void showOwnLists() {}
    // The ticked documents to the report that opened the picker, with the
    // picker's options; what stopped the report's hand-over, if anything did.
    virtual Result<void> handOverPicked(const PickedDocuments &picked) = 0;

    void showEvent(QShowEvent *event) override;

private:
    void buildLayout(const Design &design);
    void bindList();

    DocumentPicker *m_picker;
    QLabel *m_baslik1 = nullptr;
    QDateEdit *m_tr1 = nullptr;
    QDateEdit *m_tr2 = nullptr;
    QComboBox *m_cr = nullptr;
    QLineEdit *m_crref = nullptr;
    QHBoxLayout *m_customer = nullptr;
    QGridLayout *m_filters = nullptr;
    int m_filterCount = 0;
    GridWidget *m_l1 = nullptr;
    QMenu *m_men = nullptr;
    QStatusBar *m_sb1 = nullptr;
    std::optional<QString> m_openingFailure;
};

} // namespace tarvel

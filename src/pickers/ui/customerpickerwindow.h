#pragma once

#include "foundation/erp/reportcontext.h"
#include "pickers/customerpicker.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QStatusBar;

namespace tarvel {

class GridWidget;

// cariform ("Form1"): searches the active customer cards whose code or name
// contains the text of Text1 (Enter searches; the list opens with every card).
// "Tamam" or a double-click on a row chooses the current row, "Kapat" or Esc
// closes without a choice.
//
//   CustomerPickerWindow cariform(context, this);
//   if (cariform.exec() == QDialog::Accepted)
//       setCustomer(cariform.chosen()->name, cariform.chosen()->ref);
//
// With an empty list "Tamam" chooses empty texts.
class CustomerPickerWindow : public QDialog {
    Q_OBJECT
public:
    explicit CustomerPickerWindow(const ReportContext &context, QWidget *parent = nullptr);

    CustomerPicker &model() const { return *m_model; }
    GridWidget *list() const { return m_l1; }

    // The choice of the last "Tamam"; nothing after "Kapat" or Esc.
    std::optional<CustomerPicker::Choice> chosen() const { return m_chosen; }

    // Text1's search; the status bar says when it found nothing. A failing
    // search shows the error's description in a plain message box and keeps
    // the rows read so far.
    void cariyukle();
    void tamam();

protected:
    void showEvent(QShowEvent *event) override;

private:
    CustomerPicker *m_model;
    QLineEdit *m_text1 = nullptr;
    GridWidget *m_l1 = nullptr;
    QStatusBar *m_sb1 = nullptr;
    std::optional<CustomerPicker::Choice> m_chosen;
    std::optional<QString> m_openingFailure;
};

} // namespace tarvel

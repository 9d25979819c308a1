#include "pickers/ui/orderpickerwindow.h"

#include "pickers/orderpicker.h"
#include "pickers/ui/customerpickerwindow.h"
#include "pickers/ui/pickerwidgets.h"
#include "pickers/ui/salesmanlistwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tarvel {

OrderPickerWindow::OrderPickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent)
    : AnalysisPickerWindow(new OrderPicker(context),
                           {.heading = QStringLiteral("SATIŞ SİPARİŞLERİ"),
                            .handOverCaption = QStringLiteral("Tamam"),
                            .selectNoneName = QStringLiteral("tumkaldir")},
                           std::move(handOver), parent)
{
    setObjectName(QStringLiteral("siparisform"));
    QPushButton *cards = pickerButton("chameleonButton5", QStringLiteral("Cari Kartlar"), this);
    addCustomerButton(cards);
    m_siptip = pickerChoiceList("siptip", this);
    addFilter(QStringLiteral("Satış Elemanı:"), salesmen());
    addFilter(QStringLiteral("Tip:"), m_siptip);
    addFilter(QString(), vatIncludedBox());
    addFilter(QString(), extraTaxBox());

    connect(cards, &QPushButton::clicked, this, &OrderPickerWindow::cariKartlar);
    connect(m_siptip, &QComboBox::currentTextChanged, &orders(), &OrderPicker::setSiptip);
    load();
}

OrderPicker &OrderPickerWindow::orders() const
{
    return static_cast<OrderPicker &>(picker());
}

void OrderPickerWindow::showOwnLists()
{
    showChoices(m_siptip, OrderPicker::paymentTypes(), orders().siptip());
    AnalysisPickerWindow::showOwnLists();
}

void OrderPickerWindow::cariKartlar()
{
    CustomerPickerWindow cariform(picker().context(), this);
    if (cariform.exec() != QDialog::Accepted)
        return;
    if (const std::optional<CustomerPicker::Choice> choice = cariform.chosen())
        setCustomer(choice->name, choice->ref);
}

} // namespace tarvel

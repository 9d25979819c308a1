#include "pickers/ui/invoicepickerwindow.h"

#include "foundation/erp/filterlengths.h"
#include "pickers/invoicepicker.h"
#include "pickers/ui/pickerwidgets.h"
#include "pickers/ui/salesmanlistwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tarvel {

InvoicePickerWindow::InvoicePickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent)
    : AnalysisPickerWindow(new InvoicePicker(context),
                           {.heading = QStringLiteral("FATURALAR"),
                            .handOverCaption = QStringLiteral("Tamam"),
                            .selectNoneName = QStringLiteral("tumkaldir")},
                           std::move(handOver), parent)
{
    setObjectName(QStringLiteral("faturaform"));
    InvoicePicker &model = invoices();
    m_carkod = new QLineEdit(this);
    m_carkod->setObjectName(QStringLiteral("carkod"));
    m_carkod->setMaxLength(filterLength::customerCode);
    m_carkod->setToolTip(QStringLiteral("Başta ya da sonda * : kodu öyle biten ya da başlayan cariler"));
    m_ozkod = pickerChoiceList("ozkod", this);
    m_irstip = pickerChoiceList("irstip", this);
    QCheckBox *check4 = pickerCheckBox("Check4", QStringLiteral("Ekleme Tarihine Göre Bul"), this);
    addFilter(QStringLiteral("Cari Kodu:"), m_carkod);
    addFilter(QStringLiteral("Satış Elemanı:"), salesmen());
    addFilter(QStringLiteral("Özel Kod"), m_ozkod);
    addFilter(QStringLiteral("Fatura Tipi"), m_irstip);
    addFilter(QString(), check4);
    addFilter(QString(), vatIncludedBox());
    addFilter(QString(), extraTaxBox());

    connect(m_carkod, &QLineEdit::textChanged, &model, &InvoicePicker::setCarkod);
    connect(m_ozkod, &QComboBox::currentTextChanged, &model, &DocumentPicker::setOzkod);
    connect(m_irstip, &QComboBox::currentTextChanged, &model, &DocumentPicker::setIrstip);
    connect(check4, &QCheckBox::toggled, &model, &InvoicePicker::setByEntryDate);
    load();
}

InvoicePicker &InvoicePickerWindow::invoices() const
{
    return static_cast<InvoicePicker &>(picker());
}

void InvoicePickerWindow::showOwnLists()
{
    const InvoicePicker &model = invoices();
    showChoices(m_irstip, model.documentTypes(), model.irstip());
    showChoices(m_ozkod, model.specialCodes(), model.ozkod());
    AnalysisPickerWindow::showOwnLists();
}

} // namespace tarvel

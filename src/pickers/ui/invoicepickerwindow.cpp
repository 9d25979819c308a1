#include "pickers/ui/invoicepickerwindow.h"

#include "pickers/invoicepicker.h"
#include "pickers/ui/pickerwidgets.h"
#include "pickers/ui/salesmanlistwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tarvel {

namespace {

QCheckBox *checkBox(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromUtf8(objectName));
    return box;
}

} // namespace

InvoicePickerWindow::InvoicePickerWindow(const ReportContext &context, InvoiceAnalysis &caller,
                                         QWidget *parent)
    : PickerWindow(new InvoicePicker(context, caller),
                   {.heading = QStringLiteral("FATURALAR"),
                    .handOverCaption = QStringLiteral("Tamam"),
                    .selectNoneName = QStringLiteral("tumkaldir")},
                   parent)
{
    setObjectName(QStringLiteral("faturaform"));
    InvoicePicker &model = invoices();
    m_carkod = new QLineEdit(this);
    m_carkod->setObjectName(QStringLiteral("carkod"));
    m_carkod->setToolTip(QStringLiteral("Başta ya da sonda * : kodu öyle biten ya da başlayan cariler"));
    m_satel = new SalesmanListWidget(model.satel(), this);
    m_ozkod = pickerChoiceList("ozkod", this);
    m_irstip = pickerChoiceList("irstip", this);
    QCheckBox *check4 = checkBox("Check4", QStringLiteral("Ekleme Tarihine Göre Bul"), this);
    QCheckBox *check2 = checkBox("Check2", QStringLiteral("Kdv Dahil"), this);
    QCheckBox *check3 = checkBox("Check3", QStringLiteral("Ek Vergi Hesaplansın"), this);
    addFilter(QStringLiteral("Cari Kodu:"), m_carkod);
    addFilter(QStringLiteral("Satış Elemanı:"), m_satel);
    addFilter(QStringLiteral("Özel Kod"), m_ozkod);
    addFilter(QStringLiteral("Fatura Tipi"), m_irstip);
    addFilter(QString(), check4);
    addFilter(QString(), check2);
    addFilter(QString(), check3);

    connect(m_carkod, &QLineEdit::textChanged, &model, &InvoicePicker::setCarkod);
    connect(m_ozkod, &QComboBox::currentTextChanged, &model, &DocumentPicker::setOzkod);
    connect(m_irstip, &QComboBox::currentTextChanged, &model, &DocumentPicker::setIrstip);
    connect(check4, &QCheckBox::toggled, &model, &InvoicePicker::setByEntryDate);
    connect(check2, &QCheckBox::toggled, &model, &InvoicePicker::setVatIncluded);
    connect(check3, &QCheckBox::toggled, &model, &InvoicePicker::setExtraTax);
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
    m_satel->showEntries();
}

} // namespace tarvel

#include "pickers/ui/waybillpickerwindow.h"

#include "pickers/ui/pickerwidgets.h"
#include "pickers/waybillpicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

namespace tarvel {

WaybillPickerWindow::WaybillPickerWindow(const ReportContext &context, HandOver handOver, QWidget *parent)
    : PickerWindow(new WaybillPicker(context),
                   {.heading = QStringLiteral("İRSALİYELER"),
                    .handOverCaption = QStringLiteral("İrsaliye Görüntüle"),
                    .selectNoneName = QStringLiteral("seckaldır")},
                   parent),
      m_handOver(std::move(handOver))
{
    setObjectName(QStringLiteral("irsaliyeform"));
    m_irstip = pickerChoiceList("irstip", this);
    m_ozkod = pickerChoiceList("ozkod", this);
    m_check1 = new QCheckBox(QStringLiteral("Aynı Ürünleri Birleştir"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    addFilter(QStringLiteral("İrsaliye Tipi"), m_irstip);
    addFilter(QStringLiteral("Özel Kod"), m_ozkod);
    addFilter(QString(), m_check1);

    menu()->addSeparator();
    QAction *irsgornt = menu()->addAction(QStringLiteral("İrsaliye Görüntüle"));
    irsgornt->setObjectName(QStringLiteral("irsgornt"));
    connect(irsgornt, &QAction::triggered, this, &PickerWindow::handOver);

    WaybillPicker &model = waybills();
    connect(m_irstip, &QComboBox::currentTextChanged, &model, &DocumentPicker::setIrstip);
    connect(m_ozkod, &QComboBox::currentTextChanged, &model, &DocumentPicker::setOzkod);
    connect(m_check1, &QCheckBox::toggled, &model, &WaybillPicker::setMerge);
    load();
}

WaybillPicker &WaybillPickerWindow::waybills() const
{
    return static_cast<WaybillPicker &>(picker());
}

void WaybillPickerWindow::showOwnLists()
{
    const DocumentPicker &model = picker();
    showChoices(m_irstip, model.documentTypes(), model.irstip());
    showChoices(m_ozkod, model.specialCodes(), model.ozkod());
}

Result<void> WaybillPickerWindow::handOverPicked(const PickedDocuments &picked)
{
    return m_handOver(picked, waybills().birlestir());
}

} // namespace tarvel

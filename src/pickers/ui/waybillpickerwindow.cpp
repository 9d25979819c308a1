#include "pickers/ui/waybillpickerwindow.h"

#include "pickers/waybillpicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>

namespace tarvel {

namespace {

QComboBox *choiceList(const char *objectName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(objectName));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace

WaybillPickerWindow::WaybillPickerWindow(const ReportContext &context, LoadingReport &caller, QWidget *parent)
    : PickerWindow(new WaybillPicker(context, caller),
                   {.heading = QStringLiteral("İRSALİYELER"),
                    .handOverCaption = QStringLiteral("İrsaliye Görüntüle"),
                    .selectNoneName = QStringLiteral("seckaldır")},
                   parent)
{
    setObjectName(QStringLiteral("irsaliyeform"));
    m_irstip = choiceList("irstip", this);
    m_ozkod = choiceList("ozkod", this);
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
    const auto fill = [](QComboBox *combo, const QStringList &entries, const QString &shown) {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(entries);
        combo->setCurrentText(shown);
    };
    fill(m_irstip, model.documentTypes(), model.irstip());
    fill(m_ozkod, model.specialCodes(), model.ozkod());
}

} // namespace tarvel

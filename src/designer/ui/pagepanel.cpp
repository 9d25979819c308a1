#include "designer/ui/pagepanel.h"

#include "designer/ui/panelfields.h"
#include "printing/layoutdoc/layoutdocument.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

const QPageSize::PageSizeId paperIds[] = {QPageSize::A4, QPageSize::A5,     QPageSize::A3,
                                          QPageSize::B5, QPageSize::Letter, QPageSize::Legal};
const QString customPaper = QStringLiteral("Özel (mm)");

} // namespace

PagePanel::PagePanel(LayoutDocument &document, QWidget *parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("sayfaAyarlari"));
    auto *column = new QVBoxLayout(this);

    auto *paperBox = new QGroupBox(QStringLiteral("Kağıt"), this);
    auto *paper = new QFormLayout(paperBox);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("kagit"));
    for (QPageSize::PageSizeId id : paperIds)
        m_paper->addItem(pageSizeName(id));
    m_paper->addItem(customPaper);
    paper->addRow(QStringLiteral("Boyut:"), m_paper);
    m_paperWidth = mmBox(QStringLiteral("kagitGenislik"), 20, 2000, this);
    m_paperHeight = mmBox(QStringLiteral("kagitYukseklik"), 20, 2000, this);
    paper->addRow(QStringLiteral("Genişlik:"), m_paperWidth);
    paper->addRow(QStringLiteral("Yükseklik:"), m_paperHeight);
    m_orientation = new QComboBox(this);
    m_orientation->setObjectName(QStringLiteral("yon"));
    m_orientation->addItems({QStringLiteral("Dikey"), QStringLiteral("Yatay")});
    paper->addRow(QStringLiteral("Yön:"), m_orientation);
    const QString marginNames[] = {QStringLiteral("solBosluk"), QStringLiteral("ustBosluk"),
                                   QStringLiteral("sagBosluk"), QStringLiteral("altBosluk")};
    const QString marginTexts[] = {QStringLiteral("Sol boşluk:"), QStringLiteral("Üst boşluk:"),
                                   QStringLiteral("Sağ boşluk:"), QStringLiteral("Alt boşluk:")};
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = mmBox(marginNames[i], 0, 200, this);
        paper->addRow(marginTexts[i], m_margins[i]);
        connect(m_margins[i], &QDoubleSpinBox::valueChanged, this, &PagePanel::applyPage);
    }
    column->addWidget(paperBox);

    auto *sectionBox = new QGroupBox(QStringLiteral("Bölüm yükseklikleri"), this);
    auto *sections = new QFormLayout(sectionBox);
    const QString heightNames[] = {QStringLiteral("basYukseklik"), QStringLiteral("detayYukseklik"),
                                   QStringLiteral("sonYukseklik")};
    const QString heightTexts[] = {QStringLiteral("Sayfa başı:"), QStringLiteral("Detay (satır):"),
                                   QStringLiteral("Sayfa sonu:")};
    for (int i = 0; i < 3; ++i) {
        m_heights[i] = mmBox(heightNames[i], 0, 2000, this);
        sections->addRow(heightTexts[i], m_heights[i]);
        connect(m_heights[i], &QDoubleSpinBox::valueChanged, this, [this, i](double v) {
            if (!m_refreshing && !m_document.setSectionHeight(ReportLayout::Section(i), v))
                refresh(); // no room for a detail row: the old height stays
        });
    }
    column->addWidget(sectionBox);

    auto *pictureBox = new QGroupBox(QStringLiteral("Zemin resmi (basılmaz)"), this);
    auto *picture = new QFormLayout(pictureBox);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("zeminDosya"));
    m_picture->setWordWrap(true);
    picture->addRow(m_picture);
    auto *buttons = new QHBoxLayout;
    auto *choose = new QPushButton(QStringLiteral("Seç..."), this);
    choose->setObjectName(QStringLiteral("zeminSecDugme"));
    m_removePicture = new QPushButton(QStringLiteral("Kaldır"), this);
    m_removePicture->setObjectName(QStringLiteral("zeminKaldirDugme"));
    buttons->addWidget(choose);
    buttons->addWidget(m_removePicture);
    picture->addRow(buttons);
    m_pictureX = numberBox(QStringLiteral("zeminX"), -50, 50, 0.1, QStringLiteral(" mm"), this);
    m_pictureY = numberBox(QStringLiteral("zeminY"), -50, 50, 0.1, QStringLiteral(" mm"), this);
    picture->addRow(QStringLiteral("Kaydır X:"), m_pictureX);
    picture->addRow(QStringLiteral("Kaydır Y:"), m_pictureY);
    column->addWidget(pictureBox);
    column->addStretch(1);

    connect(m_paper, &QComboBox::currentIndexChanged, this, &PagePanel::applyPage);
    connect(m_paperWidth, &QDoubleSpinBox::valueChanged, this, &PagePanel::applyPage);
    connect(m_paperHeight, &QDoubleSpinBox::valueChanged, this, &PagePanel::applyPage);
    connect(m_orientation, &QComboBox::currentIndexChanged, this, &PagePanel::applyPage);
    connect(choose, &QPushButton::clicked, this, &PagePanel::choosePicture);
    connect(m_removePicture, &QPushButton::clicked, this, &PagePanel::removePicture);
    connect(m_pictureX, &QDoubleSpinBox::valueChanged, this, &PagePanel::applyBackground);
    connect(m_pictureY, &QDoubleSpinBox::valueChanged, this, &PagePanel::applyBackground);
    refresh();
}

void PagePanel::applyPage()
{
    if (m_refreshing)
        return;
    const int index = m_paper->currentIndex();
    const bool custom = index >= int(std::size(paperIds));
    const QPageSize size =
        custom ? QPageSize(QSizeF(m_paperWidth->value(), m_paperHeight->value()), QPageSize::Millimeter)
               : QPageSize(paperIds[index]);
    const QMarginsF margins(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(),
                            m_margins[3]->value());
    const auto orientation =
        m_orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    // A page too small for a detail row is refused; the panel shows what stays.
    m_document.setPage(size, orientation, margins);
    refresh();
}

void PagePanel::applyBackground()
{
    if (m_refreshing)
        return;
    ReportBackground background = m_document.layout().background;
    background.offset = QPointF(m_pictureX->value(), m_pictureY->value());
    m_document.setBackground(background);
}

void PagePanel::refresh()
{
    m_refreshing = true;
    const ReportLayout &layout = m_document.layout();
    const QString name = pageSizeName(layout.pageSize.id());
    m_paper->setCurrentIndex(name.isEmpty() ? m_paper->count() - 1 : m_paper->findText(name));
    const QSizeF mm = layout.pageSize.size(QPageSize::Millimeter);
    m_paperWidth->setValue(mm.width());
    m_paperHeight->setValue(mm.height());
    m_paperWidth->setEnabled(name.isEmpty());
    m_paperHeight->setEnabled(name.isEmpty());
    m_orientation->setCurrentIndex(layout.orientation == QPageLayout::Landscape ? 1 : 0);
    const double margins[] = {layout.margins.left(), layout.margins.top(), layout.margins.right(),
                              layout.margins.bottom()};
    for (int i = 0; i < 4; ++i)
        m_margins[i]->setValue(margins[i]);
    for (int i = 0; i < 3; ++i)
        m_heights[i]->setValue(layout.sections[size_t(i)].height);
    const QString image = layout.background.image;
    m_picture->setText(image.isEmpty() ? QStringLiteral("Yok")
                       : QFileInfo(image).isFile()
                           ? QFileInfo(image).fileName()
                           : QStringLiteral("%1 (dosya bulunamadı)").arg(QFileInfo(image).fileName()));
    m_picture->setToolTip(image);
    m_removePicture->setEnabled(!image.isEmpty());
    m_pictureX->setEnabled(!image.isEmpty());
    m_pictureY->setEnabled(!image.isEmpty());
    m_pictureX->setValue(layout.background.offset.x());
    m_pictureY->setValue(layout.background.offset.y());
    m_refreshing = false;
}

} // namespace tarvel

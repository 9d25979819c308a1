#include "designer/ui/propertypanel.h"

#include "designer/ui/panelfields.h"
#include "printing/layoutdoc/layoutdocument.h"
#include "printing/printfields.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvel {

namespace {

const Qt::Edge edges[] = {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge};
const Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
const Qt::AlignmentFlag vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};

template <typename Flags> int indexOf(Qt::Alignment alignment, const Flags &flags)
{
    for (int i = 0; i < int(std::size(flags)); ++i) {
        if (alignment & flags[i])
            return i;
    }
    return 0;
}

void setColourButton(QPushButton *button, const QColor &colour)
{
    button->setText(colour.isValid() ? colour.name() : QStringLiteral("Yok"));
    button->setStyleSheet(colour.isValid() ? QStringLiteral("background-color: %1").arg(colour.name())
                                           : QString());
}

} // namespace

PropertyPanel::PropertyPanel(LayoutDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("ozellikler"));
    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_kind = new QLabel(this);
    m_kind->setObjectName(QStringLiteral("tur"));
    form->addRow(QStringLiteral("Tür:"), m_kind);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("ad"));
    form->addRow(QStringLiteral("Ad:"), m_name);
    m_tag = new QComboBox(this);
    m_tag->setObjectName(QStringLiteral("alan"));
    m_tag->setEditable(true);
    m_tag->addItem(QString());
    m_tag->addItems(PrintField::names());
    m_tag->setToolTip(QStringLiteral("Kutunun bastığı alan; boş: sabit metin"));
    form->addRow(QStringLiteral("Alan (tag):"), m_tag);
    m_caption = new QLineEdit(this);
    m_caption->setObjectName(QStringLiteral("metin"));
    m_caption->setToolTip(QStringLiteral("Alanı olmayan kutunun yazısı"));
    form->addRow(QStringLiteral("Metin:"), m_caption);

    m_x = mmBox(QStringLiteral("x"), -500, 1000, this);
    m_y = mmBox(QStringLiteral("y"), -500, 1000, this);
    m_width = mmBox(QStringLiteral("genislik"), 0, 1000, this);
    m_height = mmBox(QStringLiteral("yukseklik"), 0, 1000, this);
    form->addRow(QStringLiteral("X (bölümde):"), m_x);
    form->addRow(QStringLiteral("Y (bölümde):"), m_y);
    form->addRow(QStringLiteral("Genişlik:"), m_width);
    form->addRow(QStringLiteral("Yükseklik:"), m_height);

    m_family = new QFontComboBox(this);
    m_family->setObjectName(QStringLiteral("yazitipi"));
    form->addRow(QStringLiteral("Yazı tipi:"), m_family);
    m_size = numberBox(QStringLiteral("boyut"), 1, 200, 0.5, QStringLiteral(" pt"), this);
    form->addRow(QStringLiteral("Boyut:"), m_size);
    auto *style = new QHBoxLayout;
    m_bold = addFlag(QStringLiteral("kalin"), QStringLiteral("Kalın"), QStringLiteral("Kalın"),
                     &ReportControl::bold);
    m_italic = addFlag(QStringLiteral("italik"), QStringLiteral("İtalik"), QStringLiteral("İtalik"),
                       &ReportControl::italic);
    style->addWidget(m_bold);
    style->addWidget(m_italic);
    form->addRow(QString(), style);

    m_halign = new QComboBox(this);
    m_halign->setObjectName(QStringLiteral("yatay"));
    m_halign->addItems({QStringLiteral("Sola"), QStringLiteral("Ortaya"), QStringLiteral("Sağa")});
    form->addRow(QStringLiteral("Yatay hizalama:"), m_halign);
    m_valign = new QComboBox(this);
    m_valign->setObjectName(QStringLiteral("dikey"));
    m_valign->addItems({QStringLiteral("Üste"), QStringLiteral("Ortaya"), QStringLiteral("Alta")});
    form->addRow(QStringLiteral("Dikey hizalama:"), m_valign);
    m_wrap = addFlag(QStringLiteral("kaydir"), QStringLiteral("Satır kaydır"), QStringLiteral("Satır kaydır"),
                     &ReportControl::wrap);
    form->addRow(QString(), m_wrap);
    m_shrink = addFlag(QStringLiteral("kucult"), QStringLiteral("Sığmazsa küçült, kesme"),
                       QStringLiteral("Sığmazsa küçült"), &ReportControl::shrink);
    m_shrink->setToolTip(QStringLiteral("Sayılar her zaman küçülür, hiç kesilmez"));
    form->addRow(QString(), m_shrink);

    auto *frames = new QGridLayout;
    const QString sides[] = {QStringLiteral("Sol"), QStringLiteral("Üst"), QStringLiteral("Sağ"),
                             QStringLiteral("Alt")};
    const QString names[] = {QStringLiteral("cerceveSol"), QStringLiteral("cerceveUst"),
                             QStringLiteral("cerceveSag"), QStringLiteral("cerceveAlt")};
    for (int i = 0; i < 4; ++i) {
        m_frame[i] = new QCheckBox(sides[i], this);
        m_frame[i]->setObjectName(names[i]);
        frames->addWidget(m_frame[i], i / 2, i % 2);
        connect(m_frame[i], &QCheckBox::toggled, this, [this, i](bool on) {
            edit(QStringLiteral("Çerçeve kenarı"), [&](ReportControl &c) { c.frame.setFlag(edges[i], on); });
        });
    }
    form->addRow(QStringLiteral("Çerçeve:"), frames);
    m_frameWidth = numberBox(QStringLiteral("cizgi"), 0, 5, 0.1, QStringLiteral(" mm"), this);
    form->addRow(QStringLiteral("Çizgi kalınlığı:"), m_frameWidth);

    auto *colours = new QHBoxLayout;
    m_colour = new QPushButton(this);
    m_colour->setObjectName(QStringLiteral("zeminrengi"));
    m_noColour = new QCheckBox(QStringLiteral("Renksiz"), this);
    m_noColour->setObjectName(QStringLiteral("renksiz"));
    colours->addWidget(m_colour, 1);
    colours->addWidget(m_noColour);
    form->addRow(QStringLiteral("Zemin rengi:"), colours);

    using A = ControlAttribute;
    m_attributeWidgets = {{m_tag, A::Tag},          {m_caption, A::Caption}, {m_family, A::Font},
                          {m_size, A::Size},        {m_bold, A::Bold},       {m_italic, A::Italic},
                          {m_halign, A::Align},     {m_valign, A::VAlign},   {m_wrap, A::Wrap},
                          {m_shrink, A::Shrink},    {m_frame[0], A::Frame},  {m_frame[1], A::Frame},
                          {m_frame[2], A::Frame},   {m_frame[3], A::Frame},  {m_frameWidth, A::FrameWidth},
                          {m_colour, A::Background}};

    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        edit(QStringLiteral("Ad"), [&](ReportControl &c) { c.name = m_name->text().trimmed(); });
    });
    // Chosen from the list, or typed and left: one edit, not one a letter.
    const auto takeTag = [this] {
        const QString tag = m_tag->currentText().trimmed();
        edit(QStringLiteral("Alan"), [&](ReportControl &c) {
            c.tag = tag;
            // A box showing a field is a text box, a fixed text a label.
            const ControlKindInfo &kind = controlKind(c.kind);
            c.kind = tag.isEmpty() ? kind.withoutTag : kind.withTag;
        });
    };
    connect(m_tag, &QComboBox::textActivated, this, takeTag);
    connect(m_tag->lineEdit(), &QLineEdit::editingFinished, this, takeTag);
    connect(m_caption, &QLineEdit::editingFinished, this, [this] {
        edit(QStringLiteral("Metin"), [&](ReportControl &c) { c.caption = m_caption->text(); });
    });
    connect(m_x, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Konum"), [&](ReportControl &c) { c.rect.moveLeft(v); });
    });
    connect(m_y, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Konum"), [&](ReportControl &c) { c.rect.moveTop(v); });
    });
    connect(m_width, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Boyut"), [&](ReportControl &c) { c.rect.setWidth(v); });
    });
    connect(m_height, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Boyut"), [&](ReportControl &c) { c.rect.setHeight(v); });
    });
    connect(m_family, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        edit(QStringLiteral("Yazı tipi"), [&](ReportControl &c) { c.fontFamily = font.family(); });
    });
    connect(m_size, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Yazı boyu"), [&](ReportControl &c) { c.fontSize = v; });
    });
    connect(m_halign, &QComboBox::currentIndexChanged, this, [this](int i) {
        edit(QStringLiteral("Yatay hizalama"), [&](ReportControl &c) {
            c.alignment = (c.alignment & Qt::AlignVertical_Mask) | horizontal[std::clamp(i, 0, 2)];
        });
    });
    connect(m_valign, &QComboBox::currentIndexChanged, this, [this](int i) {
        edit(QStringLiteral("Dikey hizalama"), [&](ReportControl &c) {
            c.alignment = (c.alignment & Qt::AlignHorizontal_Mask) | vertical[std::clamp(i, 0, 2)];
        });
    });
    connect(m_frameWidth, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        edit(QStringLiteral("Çizgi kalınlığı"), [&](ReportControl &c) { c.frameWidth = v; });
    });
    connect(m_colour, &QPushButton::clicked, this, [this] {
        if (m_document.selection().isEmpty())
            return;
        const QColor current = m_document.control(m_document.selection().first()).background;
        const QColor chosen = QColorDialog::getColor(current.isValid() ? current : QColor(228, 228, 228),
                                                     this, QStringLiteral("Zemin Rengi"));
        if (chosen.isValid())
            edit(QStringLiteral("Zemin rengi"), [&](ReportControl &c) { c.background = chosen; });
    });
    connect(m_noColour, &QCheckBox::toggled, this, [this](bool none) {
        if (none)
            edit(QStringLiteral("Zemin rengi"), [](ReportControl &c) { c.background = QColor(); });
    });
    refresh();
}

QCheckBox *PropertyPanel::addFlag(const QString &name, const QString &text, const QString &undoText,
                                  bool ReportControl::*member)
{
    auto *box = new QCheckBox(text, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this,
            [this, undoText, member](bool on) { edit(undoText, [&](ReportControl &c) { c.*member = on; }); });
    return box;
}

void PropertyPanel::edit(const QString &text, const std::function<void(ReportControl &)> &change)
{
    if (m_refreshing || m_document.selection().isEmpty())
        return;
    m_document.changeControls(m_document.selection(), change, text);
}

void PropertyPanel::refresh()
{
    const QList<int> &selection = m_document.selection();
    setEnabled(!selection.isEmpty());
    if (selection.isEmpty())
        return;
    m_refreshing = true;
    const ReportControl &c = m_document.control(selection.first());
    const ControlKindInfo &kind = controlKind(c.kind);
    const QString kindName = kind.name.toString();
    m_kind->setText(selection.size() == 1
                        ? kindName
                        : QStringLiteral("%1 (%2 seçili)").arg(kindName).arg(selection.size()));
    m_name->setText(c.name);
    m_tag->setCurrentText(c.tag);
    m_caption->setText(c.caption);
    m_x->setValue(c.rect.x());
    m_y->setValue(c.rect.y());
    m_width->setValue(c.rect.width());
    m_height->setValue(c.rect.height());
    m_family->setCurrentFont(QFont(c.fontFamily));
    m_size->setValue(c.fontSize);
    m_bold->setChecked(c.bold);
    m_italic->setChecked(c.italic);
    m_halign->setCurrentIndex(indexOf(c.alignment, horizontal));
    m_valign->setCurrentIndex(indexOf(c.alignment, vertical));
    m_wrap->setChecked(c.wrap);
    m_shrink->setChecked(c.shrink);
    for (int i = 0; i < 4; ++i)
        m_frame[i]->setChecked(c.frame.testFlag(edges[i]));
    m_frameWidth->setValue(c.frameWidth);
    setColourButton(m_colour, c.background);
    m_noColour->setChecked(!c.background.isValid());
    for (const auto &[widget, attribute] : std::as_const(m_attributeWidgets))
        widget->setEnabled(kind.has(attribute));
    m_noColour->setEnabled(kind.has(ControlAttribute::Background) && c.background.isValid());
    m_refreshing = false;
}

} // namespace tarvel

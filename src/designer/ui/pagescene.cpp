#include "designer/ui/pagescene.h"

#include "designer/ui/controlitem.h"
#include "designer/ui/sectionhandle.h"

#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>
#include <QPen>
#include <cmath>

namespace tarvel {

namespace {

using Section = LayoutDocument::Section;

const Section allSections[] = {ReportLayout::PageHeader, ReportLayout::Detail, ReportLayout::PageFooter};

QString sectionName(Section section)
{
    switch (section) {
    case ReportLayout::PageHeader:
        return QStringLiteral("Sayfa Başı");
    case ReportLayout::Detail:
        return QStringLiteral("Detay (her satır)");
    case ReportLayout::PageFooter:
        break;
    }
    return QStringLiteral("Sayfa Sonu");
}

QColor sectionTint(Section section)
{
    switch (section) {
    case ReportLayout::PageHeader:
        return QColor(255, 244, 214, 70);
    case ReportLayout::Detail:
        return QColor(220, 245, 220, 90);
    case ReportLayout::PageFooter:
        break;
    }
    return QColor(230, 230, 250, 70);
}

// The layers from the bottom up.
constexpr double paperZ = -30;
constexpr double backgroundZ = -20;
constexpr double bandZ = -10;
constexpr double dropZ = 1e7;

} // namespace

PageScene::PageScene(LayoutDocument &document, QObject *parent) : QGraphicsScene(parent), m_document(document)
{
    setBackgroundBrush(QColor(128, 132, 140));
    m_paper = addRect(QRectF(), QPen(QColor(60, 60, 60), 0), Qt::white);
    m_paper->setZValue(paperZ);
    m_background = addPixmap(QPixmap());
    m_background->setZValue(backgroundZ);
    m_background->setOpacity(0.55);
    m_background->setTransformationMode(Qt::SmoothTransformation);
    m_margins = addRect(QRectF(), QPen(QColor(120, 150, 200), 0, Qt::DashLine), Qt::NoBrush);
    m_margins->setZValue(bandZ);
    m_dropPlace = addRect(QRectF(), QPen(QColor(30, 110, 220), 0, Qt::DashLine), QColor(30, 110, 220, 40));
    m_dropPlace->setZValue(dropZ);
    m_dropPlace->hide();
    for (Section section : allSections) {
        auto *handle = new SectionHandle(*this, section, 0, 0, 0);
        addItem(handle);
        m_handles << handle;
    }

    connect(&m_document, &LayoutDocument::layoutChanged, this, &PageScene::sync);
    connect(&m_document, &LayoutDocument::selectionChanged, this, &PageScene::syncSelection);
    connect(this, &QGraphicsScene::selectionChanged, this, &PageScene::takeSelection);
    sync();
}

// The base class removes the items only after this class is gone, and a
// selected item's removal announces a new selection: let it reach nobody.
PageScene::~PageScene()
{
    disconnect(this, &QGraphicsScene::selectionChanged, this, &PageScene::takeSelection);
    clear();
}

double PageScene::snapped(double mm) const
{
    if (!m_snapping)
        return std::round(mm * 1000) / 1000;
    return std::round(mm / gridStep) * gridStep;
}

void PageScene::setPixelMm(double mm)
{
    if (mm <= 0 || mm == m_pixelMm)
        return;
    m_pixelMm = mm;
    sync();
}

void PageScene::setBackgroundVisible(bool visible)
{
    m_backgroundVisible = visible;
    m_background->setVisible(visible && !m_backgroundPixmap.isNull());
}

void PageScene::showDropPlace(const QPointF &pageMm)
{
    const std::optional<Section> section = m_document.sectionAt(pageMm);
    if (!section) {
        m_dropPlace->hide();
        return;
    }
    // The text box the field would become.
    const QSizeF size = controlKind(ControlKind::TextBox).size;
    const double height = std::min(size.height(), m_document.layout().section(*section).height);
    m_dropPlace->setRect(QRectF(snapped(pageMm), QSizeF(size.width(), height)));
    m_dropPlace->show();
}

void PageScene::sync()
{
    m_syncing = true;
    const ReportLayout &layout = m_document.layout();
    const QSizeF paper = layout.paperSize();
    m_paper->setRect(QRectF(QPointF(0, 0), paper));
    m_margins->setRect(QRectF(QPointF(0, 0), paper).marginsRemoved(layout.margins));
    setSceneRect(QRectF(QPointF(0, 0), paper).adjusted(-40, -15, 15, 15));
    syncBackground();

    qDeleteAll(m_bands);
    m_bands.clear();
    const double left = layout.margins.left();
    const double width = paper.width() - layout.margins.left() - layout.margins.right();
    for (Section section : allSections) {
        const double height = layout.section(section).height;
        const QPointF origin = m_document.sectionOrigin(section);
        auto *band = addRect(QRectF(origin, QSizeF(width, height)),
                             QPen(QColor(150, 170, 200), 0, Qt::DotLine), sectionTint(section));
        band->setZValue(bandZ);
        m_bands << band;
        // Names left of the paper, out of the form's way.
        auto *name = addSimpleText(sectionName(section));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(3);
        name->setFont(font);
        name->setBrush(QColor(245, 245, 245));
        name->setPos(-2 - name->boundingRect().width(), origin.y());
        name->setZValue(bandZ);
        m_bands << name;
    }
    // The rows after the first, where the detail band prints again.
    const double detailHeight = layout.section(ReportLayout::Detail).height;
    // (No layout open: no detail band, no rows.)
    for (double y = layout.detailTop() + 2 * detailHeight;
         detailHeight > 0 && y <= layout.detailBottom() + 1e-6; y += detailHeight) {
        auto *row = addLine(left, y, left + width, y, QPen(QColor(120, 180, 120, 110), 0, Qt::DashLine));
        row->setZValue(bandZ);
        m_bands << row;
    }
    const double boundaries[] = {layout.detailTop(), layout.detailTop() + detailHeight,
                                 layout.detailBottom()};
    for (SectionHandle *handle : std::as_const(m_handles)) {
        const double half = 3 * m_pixelMm;
        handle->setRect(QRectF(left, -half, width, 2 * half));
        // A page without header or footer still offers the edge to pull one open.
        handle->setPos(0, boundaries[handle->section()]);
    }

    QHash<int, ControlItem *> kept;
    double z = 0;
    for (int id : m_document.allIds()) {
        ControlItem *item = m_items.take(id);
        if (!item) {
            item = new ControlItem(*this, id);
            addItem(item);
        }
        item->show(m_document.control(id), m_document.pageRect(id));
        item->setZValue(++z);
        kept.insert(id, item);
    }
    qDeleteAll(m_items);
    m_items = kept;
    m_syncing = false;
    syncSelection();
}

void PageScene::syncBackground()
{
    const ReportBackground &background = m_document.layout().background;
    if (background.image != m_backgroundPath) {
        m_backgroundPath = background.image;
        QImageReader reader(m_backgroundPath);
        reader.setAutoTransform(true);
        m_backgroundPixmap = m_backgroundPath.isEmpty() ? QPixmap() : QPixmap::fromImageReader(&reader);
        m_background->setPixmap(m_backgroundPixmap);
    }
    if (m_backgroundPixmap.isNull()) {
        m_background->hide();
        return;
    }
    // Scaled to the paper, where the offset puts it.
    const QSizeF paper = m_document.layout().paperSize();
    m_background->setTransform(QTransform::fromScale(paper.width() / m_backgroundPixmap.width(),
                                                     paper.height() / m_backgroundPixmap.height()));
    m_background->setPos(background.offset);
    m_background->setVisible(m_backgroundVisible);
}

void PageScene::syncSelection()
{
    m_syncing = true;
    const QList<int> &selected = m_document.selection();
    for (ControlItem *item : std::as_const(m_items))
        item->setSelected(selected.contains(item->id()));
    m_syncing = false;
    update();
}

void PageScene::takeSelection()
{
    if (m_syncing)
        return;
    // Kept in the order chosen: what was selected before stays first.
    QList<int> now;
    for (QGraphicsItem *item : selectedItems()) {
        if (auto *control = dynamic_cast<ControlItem *>(item))
            now << control->id();
    }
    QList<int> ordered;
    for (int id : m_document.selection()) {
        if (now.contains(id))
            ordered << id;
    }
    for (int id : std::as_const(now)) {
        if (!ordered.contains(id))
            ordered << id;
    }
    m_document.setSelection(ordered);
    update();
}

void PageScene::dragSelection(const QPointF &deltaMm)
{
    for (int id : m_document.selection()) {
        if (ControlItem *item = m_items.value(id))
            item->setPos(item->pageRect().topLeft() + deltaMm);
    }
}

void PageScene::finishDrag(const QPointF &deltaMm)
{
    if (!m_document.moveSelection(deltaMm))
        sync();
}

void PageScene::finishResize(int id, const QRectF &pageRect)
{
    const QPointF origin = m_document.sectionOrigin(m_document.sectionOf(id));
    const bool changed = m_document.changeControls(
        {id}, [&](ReportControl &c) { c.rect = pageRect.translated(-origin); },
        QStringLiteral("Boyutlandır"));
    if (!changed)
        sync();
}

void PageScene::finishSectionDrag(Section section, double boundaryMm)
{
    const ReportLayout &layout = m_document.layout();
    double height = 0;
    switch (section) {
    case ReportLayout::PageHeader:
        height = boundaryMm - layout.margins.top();
        break;
    case ReportLayout::Detail:
        height = boundaryMm - layout.detailTop();
        break;
    case ReportLayout::PageFooter:
        height = layout.paperSize().height() - layout.margins.bottom() - boundaryMm;
        break;
    }
    // An edge pulled where no detail row fits any more springs back.
    if (!m_document.setSectionHeight(section, height))
        sync();
}

} // namespace tarvel

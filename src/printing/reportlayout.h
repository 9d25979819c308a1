#pragma once

#include "printing/controlkinds.h"

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

namespace tarvel {

// A control of a layout section. Labels and text boxes show their caption;
// one whose tag names a field of the waybill report gets that field's text as
// its caption for each record. A line runs from the box's top left to its
// bottom right corner (a box of no height is a horizontal line); a rectangle
// draws the box's four sides. Positions and sizes are in millimetres from the
// section's top left corner. What each kind has is in controlkinds.h.
struct ReportControl {
    using Kind = ControlKind;

    Kind kind = Kind::TextBox;
    QString name;
    QString tag;
    QString caption;
    QRectF rect; // mm
    QString fontFamily;
    double fontSize = 9; // points
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Edges frame;         // the sides drawn as lines
    double frameWidth = 0.2; // mm
    QColor background;       // invalid: none
    bool wrap = false;       // several lines instead of shrinking to one
    // A text too long for the box shrinks as far as it must and is never cut;
    // a text that reads as a number does so whether or not this is set.
    bool shrink = false;

    bool operator==(const ReportControl &) const = default;
};

struct ReportSection {
    double height = 0; // mm; 0 leaves the section out
    QList<ReportControl> controls;

    bool operator==(const ReportSection &) const = default;
};

// A scan or photo of the blank form, laid under the page in the designer to
// put the fields into the paper's boxes; never printed. Scaled to the paper.
struct ReportBackground {
    QString image;  // as written: relative to the layout's folder, or absolute; empty: none
    QPointF offset; // mm, from the paper's top left corner

    bool operator==(const ReportBackground &) const = default;
};

// A banded layout for one kind of form: the paper, its margins and three
// sections. The page header sits at the top margin, the page footer on the
// bottom margin, detail bands follow each other down the space between.
// Controls are not clipped to their section, so a page header may draw the
// frame of the whole item table.
struct ReportLayout {
    enum Section { PageHeader, Detail, PageFooter };

    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10}; // mm
    // The font of every control that names none.
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontSize = 9; // points
    std::array<ReportSection, 3> sections;
    ReportBackground background;

    ReportSection &section(Section s) { return sections[size_t(s)]; }
    const ReportSection &section(Section s) const { return sections[size_t(s)]; }
    QSizeF paperSize() const; // mm, oriented
    double detailTop() const;
    double detailBottom() const;
    // The device's page layout: the paper without margins, because positions
    // on a pre-printed form count from the paper's edge.
    QPageLayout pageLayout() const;

    bool operator==(const ReportLayout &) const = default;
};

// The paper sizes a layout names ("A4", "Letter", ...): the size of a name
// (case does not count), the name of a size; QPageSize::Custom and "" for
// the others, which a layout gives in millimetres.
QPageSize::PageSizeId namedPageSize(const QString &name);
QString pageSizeName(QPageSize::PageSizeId id);

} // namespace tarvel

#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <array>

namespace tarvel {

// A control of a layout section: a label or a text box. Both show their
// caption; a control whose tag names a field of the waybill report gets that
// field's text as its caption for each record. Positions and sizes are in
// millimetres from the section's top left corner.
struct ReportControl {
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
};

struct ReportSection {
    double height = 0; // mm; 0 leaves the section out
    QList<ReportControl> controls;
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
    std::array<ReportSection, 3> sections;

    ReportSection &section(Section s) { return sections[size_t(s)]; }
    const ReportSection &section(Section s) const { return sections[size_t(s)]; }
    QSizeF paperSize() const; // mm, oriented
    double detailTop() const;
    double detailBottom() const;
    // The device's page layout: the paper without margins, because positions
    // on a pre-printed form count from the paper's edge.
    QPageLayout pageLayout() const;
};

} // namespace tarvel

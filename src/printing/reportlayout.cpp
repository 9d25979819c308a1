#include "printing/reportlayout.h"

namespace tarvel {

QSizeF ReportLayout::paperSize() const
{
    const QSizeF size = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

double ReportLayout::detailTop() const
{
    return margins.top() + section(PageHeader).height;
}

double ReportLayout::detailBottom() const
{
    return paperSize().height() - margins.bottom() - section(PageFooter).height;
}

QPageLayout ReportLayout::pageLayout() const
{
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace tarvel

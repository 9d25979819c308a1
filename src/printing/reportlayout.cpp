#include "printing/reportlayout.h"

namespace tarvel {

namespace {

struct NamedSize {
    const char *name;
    QPageSize::PageSizeId id;
};
constexpr NamedSize pageSizes[] = {
    {"A3", QPageSize::A3}, {"A4", QPageSize::A4},         {"A5", QPageSize::A5},
    {"B5", QPageSize::B5}, {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal},
};

} // namespace

QPageSize::PageSizeId namedPageSize(const QString &name)
{
    for (const NamedSize &n : pageSizes) {
        if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.id;
    }
    return QPageSize::Custom;
}

QString pageSizeName(QPageSize::PageSizeId id)
{
    for (const NamedSize &n : pageSizes) {
        if (n.id == id)
            return QString::fromLatin1(n.name);
    }
    return QString();
}

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

#include "placeholderreport.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarvel {

PlaceholderReport::PlaceholderReport(ReportKind kind, QWidget *parent) : ReportWindow(parent)
{
    const ReportInfo &info = reportInfo(kind);
    setObjectName(info.objectName);
    setWindowTitle(info.windowCaption);

    auto *heading = new QLabel(info.tabCaption.trimmed(), this);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addStretch();
}

} // namespace tarvel

#pragma once

#include "reportcatalog.h"
#include "reportwindow.h"

namespace tarvel {

// Stands in for a report window that this build does not have yet: the right
// name and caption, an empty body, and operations that do nothing.
class PlaceholderReport : public ReportWindow {
    Q_OBJECT
public:
    explicit PlaceholderReport(ReportKind kind, QWidget *parent = nullptr);
};

} // namespace tarvel

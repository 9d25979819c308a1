#include "analysis/ui/orderanalysiswindow.h"

#include "analysis/orderanalysis.h"
#include "dialogs/plainmessage.h"
#include "pickers/ui/orderpickerwindow.h"

#include <QPushButton>
#include <functional>

namespace tarvel {

OrderAnalysisWindow::OrderAnalysisWindow(const AppPaths &paths, ErpConnection &connection, QWidget *parent)
    : AnalysisWindow(ReportKind::OrderAnalysis,
                     std::make_unique<OrderAnalysis>(ReportContext{paths, {}, {}, connection}), paths, parent)
{
    QPushButton *orders = addFilterButton(QStringLiteral("siparisler"), QStringLiteral("Siparişler"));
    disableWhileRunning(orders);
    addStopButton(0);
    connect(orders, &QPushButton::clicked, this, &OrderAnalysisWindow::siparisler);
    // Queued: the message comes after the hand-over, over the finished list.
    connect(
        &analysis(), &OrderAnalysis::overallProfitabilityFailed, this,
        [this](const QString &description) { showPlainMessage(description, this); }, Qt::QueuedConnection);
}

OrderAnalysis &OrderAnalysisWindow::analysis() const
{
    return static_cast<OrderAnalysis &>(model());
}

void OrderAnalysisWindow::siparisler()
{
    if (analysis().isRunning())
        return;
    OrderPickerWindow picker(analysis().context(), std::bind_front(&DocumentAnalysis::handOver, &analysis()),
                             this);
    picker.exec();
}

} // namespace tarvel

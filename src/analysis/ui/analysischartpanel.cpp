#include "analysis/ui/analysischartpanel.h"

#include "analysis/profitanalysis.h"
#include "charts/profitchart.h"
#include "dialogs/messagebox.h"
#include "dialogs/xlssavedialog.h"
#include "grid/pdfwriter.h"

#include <QHBoxLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

// The chart as large as the printable area of the page allows, its shape kept.
QRectF fitted(const QSizeF &chart, const QPageLayout &page, int resolution)
{
    return {QPointF(0, 0), chart.scaled(page.paintRectPixels(resolution).size(), Qt::KeepAspectRatio)};
}

} // namespace

AnalysisChartPanel::AnalysisChartPanel(ProfitAnalysis &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_toggle(new QPushButton(QStringLiteral("Grafik"))),
      m_perDay(new QPushButton(QStringLiteral("Günlük Kar"), this))
{
    setObjectName(QStringLiteral("grafikpanel"));
    m_toggle->setObjectName(QStringLiteral("grafikgoster"));
    m_toggle->setCheckable(true);
    m_toggle->setToolTip(QStringLiteral("Kar grafiğini listenin yanında gösterir ya da gizler"));
    m_perDay->setObjectName(QStringLiteral("gunlukkar"));
    m_perDay->setCheckable(true);
    auto *save = new QPushButton(QStringLiteral("Kaydet"), this);
    save->setObjectName(QStringLiteral("grafikkaydet"));
    auto *printButton = new QPushButton(QStringLiteral("Yazdır"), this);
    printButton->setObjectName(QStringLiteral("grafikyazdir"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_perDay);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(printButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    hide();

    connect(m_toggle, &QPushButton::toggled, this, &AnalysisChartPanel::showChart);
    connect(m_perDay, &QPushButton::toggled, this, [this](bool perDay) {
        if (m_chart)
            m_chart->setMode(perDay ? ProfitChart::Mode::PerDay : ProfitChart::Mode::Largest);
    });
    connect(save, &QPushButton::clicked, this, &AnalysisChartPanel::savePng);
    connect(printButton, &QPushButton::clicked, this, &AnalysisChartPanel::print);
    connect(&m_model, &ProfitAnalysis::runningChanged, this, [this](bool running) {
        if (!running)
            takeFields();
    });
    takeFields();
}

void AnalysisChartPanel::showChart(bool shown)
{
    if (shown && !m_chart) {
        m_chart = new ProfitChart(&m_model.l1(), m_model.chartFields(), this);
        m_chart->setMinimumSize(320, 240);
        static_cast<QVBoxLayout *>(layout())->addWidget(m_chart, 1);
        takeFields();
    }
    // A hidden chart would follow every run and keystroke for nobody.
    if (m_chart)
        m_chart->setPaused(!shown);
    setVisible(shown);
}

void AnalysisChartPanel::takeFields()
{
    const ProfitFields fields = m_model.chartFields();
    const bool days = !fields.date.isEmpty();
    m_perDay->setEnabled(days);
    if (!days)
        m_perDay->setChecked(false);
    if (m_chart)
        m_chart->setFields(fields);
}

void AnalysisChartPanel::savePng()
{
    const QString path = askPngFileName(this);
    if (path.isEmpty())
        return;
    if (const Result<void> saved = m_chart->savePng(path); !saved)
        showmessage(saved.errorText(), Caption::Uyari, Icon::Cross, Buttons::Tamam, this);
}

void AnalysisChartPanel::print()
{
    QPrinter device(QPrinter::HighResolution);
    device.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&device, window());
    dialog.setWindowTitle(QStringLiteral("Önizleme"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &AnalysisChartPanel::printOn);
    dialog.exec();
}

void AnalysisChartPanel::printOn(QPrinter *target)
{
    const QSizeF shown = m_chart->size();
    // Printed to a PDF file: written whole through a temporary file, never
    // half over a good one (the preview itself paints on another engine).
    const QPaintEngine *engine = target->paintEngine();
    if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty() && engine &&
        engine->type() == QPaintEngine::Pdf) {
        PdfFile file(target->outputFileName());
        Result<void> saved = file.open();
        if (saved) {
            file.writer().setPageLayout(target->pageLayout());
            QPainter painter(&file.writer());
            m_chart->render(painter, fitted(shown, file.writer().pageLayout(), file.writer().resolution()));
            saved = file.commit(painter.end());
        }
        if (!saved)
            showmessage(saved.errorText(), Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
        return;
    }
    QPainter painter(target);
    m_chart->render(painter, fitted(shown, target->pageLayout(), target->resolution()));
}

} // namespace tarvel

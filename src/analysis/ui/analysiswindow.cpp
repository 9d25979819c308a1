#include "analysis/ui/analysiswindow.h"

#include "analysis/analysisdates.h"
#include "analysis/profitanalysis.h"
#include "analysis/ui/analysischartpanel.h"
#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "mainwindow/mainwindow.h"
#include "pickers/ui/pickerwidgets.h"
#include "widgets/gridview.h"
#include "widgets/gridwidget.h"
#include "widgets/xpprogressbar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

AnalysisWindow::AnalysisWindow(ReportKind kind, std::unique_ptr<ProfitAnalysis> model, const AppPaths &paths,
                               QWidget *parent)
    : ReportWindow(parent), m_paths(paths), m_model(std::move(model))
{
    build(reportInfo(kind));
    m_model->setBetweenItems([] { QCoreApplication::processEvents(); });
    connect(m_model.get(), &ProfitAnalysis::runningChanged, this, &AnalysisWindow::onRunningChanged);
    connect(m_model.get(), &ProfitAnalysis::vatLabelChanged, m_vatLabel, &QLabel::setText);
}

AnalysisWindow::~AnalysisWindow() = default;

void AnalysisWindow::build(const ReportInfo &info)
{
    setObjectName(info.objectName);
    setWindowTitle(info.windowCaption);
    const AnalysisDesign &design = m_model->design();

    auto *headingBox = new QFrame(this);
    headingBox->setObjectName(QStringLiteral("baslikcerceve"));
    headingBox->setFrameShape(QFrame::StyledPanel);
    auto *heading = new QLabel(design.heading, headingBox);
    heading->setObjectName(QStringLiteral("baslik"));
    heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    (new QHBoxLayout(headingBox))->addWidget(heading);

    QFrame *filterBox = buildFilterFrame(design);

    m_l1 = new GridWidget(&m_model->l1(), this);
    m_l1->setObjectName(QStringLiteral("l1"));
    connect(m_l1, &GridWidget::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &pos) {
                onMouseDown(button, pos);
            });
    // A grouping made or changed on the grid shows every document's rows.
    connect(m_l1, &GridWidget::groupingChanged, this, [this] {
        m_model->l1().expandAll();
        m_model->l1().table().refresh();
    });

    m_pr1 = progressBar(m_model->pr1());
    m_sb1 = statusBar();
    m_status = new QLabel(m_sb1);
    m_status->setObjectName(QStringLiteral("sb1panel4"));
    m_sb1->addWidget(m_status, 1);
    m_runStatus = new QLabel(m_sb1);
    m_runStatus->setObjectName(QStringLiteral("sb1panel5"));
    m_sb1->addPermanentWidget(m_runStatus);

    // The list takes what the heading, the filters, the bar and the status line leave.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(headingBox);
    layout->addWidget(filterBox);
    layout->addWidget(listWithChart(), 1);
    layout->addWidget(m_pr1);
    layout->addWidget(m_sb1);
}

QWidget *AnalysisWindow::listWithChart()
{
    m_l1->tintNegativeRows(AnalysisField::fark, QColor(255, 215, 215));
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("listegrafik"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_l1);
    m_chart = new AnalysisChartPanel(*m_model, split);
    split->addWidget(m_chart);
    // Shown, the chart takes a third of the width.
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    m_filterRows[1]->addWidget(m_chart->toggle());
    return split;
}

QFrame *AnalysisWindow::buildFilterFrame(const AnalysisDesign &design)
{
    // Two rows: the window's own inputs, then "Listeyi Temizle", Check1 and the VAT label.
    auto *filterBox = new QFrame(this);
    filterBox->setObjectName(QStringLiteral("Frame1"));
    filterBox->setFrameShape(QFrame::StyledPanel);
    m_filterOuter = new QHBoxLayout(filterBox);
    auto *rows = new QVBoxLayout;
    m_filterOuter->addLayout(rows, 1);
    for (QHBoxLayout *&row : m_filterRows) {
        row = new QHBoxLayout;
        rows->addLayout(row);
    }
    m_filterRows[0]->addStretch(1);
    auto *clear = new QPushButton(QStringLiteral("Listeyi Temizle"), filterBox);
    clear->setObjectName(QStringLiteral("temizle"));
    connect(clear, &QPushButton::clicked, m_model.get(), &ProfitAnalysis::clearList);
    disableWhileRunning(clear);
    m_filterRows[1]->addWidget(clear);
    m_filterRows[1]->addStretch(1);
    m_check1 = new QCheckBox(design.groupingCaption, filterBox);
    m_check1->setObjectName(QStringLiteral("Check1"));
    connect(m_check1, &QCheckBox::toggled, m_model.get(), &ProfitAnalysis::setGrouped);
    m_filterRows[1]->addWidget(m_check1);
    m_filterRows[1]->addSpacing(12);
    m_vatLabel = new QLabel(filterBox);
    m_vatLabel->setObjectName(design.vatLabelName);
    m_vatLabel->setMinimumWidth(m_vatLabel->fontMetrics().horizontalAdvance(QStringLiteral("Kdv Hariç")) + 8);
    QFont vatFont = m_vatLabel->font();
    vatFont.setBold(true);
    m_vatLabel->setFont(vatFont);
    m_filterRows[1]->addWidget(m_vatLabel);
    return filterBox;
}

void AnalysisWindow::addFilterWidget(QWidget *widget, int row)
{
    QHBoxLayout *layout = m_filterRows[row == 0 ? 0 : 1];
    widget->setParent(layout->parentWidget());
    layout->insertWidget(m_filterInsertAt[row == 0 ? 0 : 1]++, widget);
}

void AnalysisWindow::addFilterSideWidget(QWidget *widget)
{
    widget->setParent(m_filterOuter->parentWidget());
    m_filterOuter->addWidget(widget);
}

QPushButton *AnalysisWindow::addFilterButton(const QString &objectName, const QString &caption, int row)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    addFilterWidget(button, row);
    return button;
}

void AnalysisWindow::disableWhileRunning(QWidget *widget)
{
    m_runStarters << widget;
    widget->setEnabled(!m_model->isRunning());
}

void AnalysisWindow::addStopButton(int row)
{
    m_durdur = addFilterButton(QStringLiteral("durdur"), QStringLiteral("Durdur"), row);
    m_durdur->setVisible(m_model->isRunning());
    connect(m_durdur, &QPushButton::clicked, m_model.get(), &ProfitAnalysis::requestStop);
}

void AnalysisWindow::hideGrouping()
{
    m_check1->setChecked(false);
    m_check1->hide();
}

void AnalysisWindow::addDateRange(std::function<void(const AnalysisDates &)> apply)
{
    m_applyDates = std::move(apply);
    m_tr1 = pickerDateEdit("tr1", this);
    m_tr2 = pickerDateEdit("tr2", this);
    addFilterWidget(new QLabel(QStringLiteral("Baslangıc Tarihi:")));
    addFilterWidget(m_tr1);
    addFilterWidget(new QLabel(QStringLiteral("Bitiş Tarihi:")));
    addFilterWidget(m_tr2);
    connect(m_tr1, &QDateEdit::dateChanged, this, &AnalysisWindow::datesChanged);
    connect(m_tr2, &QDateEdit::dateChanged, this, &AnalysisWindow::datesChanged);
}

void AnalysisWindow::datesChanged()
{
    m_applyDates({m_tr1->date(), m_tr2->date()});
}

// ---- Load and unload -----------------------------------------------------------------------------

void AnalysisWindow::showEvent(QShowEvent *event)
{
    ReportWindow::showEvent(event);
    load();
}

void AnalysisWindow::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    centerform(this);
    m_model->listeyukle();
    if (m_tr1) {
        const AnalysisDates dates = AnalysisDates::opening(QDate::currentDate());
        m_tr1->setDate(dates.tr1);
        m_tr2->setDate(dates.tr2);
        datesChanged();
    }
    takeSettings();
}

void AnalysisWindow::takeSettings()
{
    m_settingsPending = false;
    m_model->setContext(loadSharedSettings(m_model->context()));
    loadAfterSettings();
    m_status->setText(m_model->statusText());
}

void AnalysisWindow::settingsSaved()
{
    // Not loaded yet: the load reads them.
    if (!m_loaded)
        return;
    if (m_model->isRunning())
        m_settingsPending = true;
    else
        takeSettings();
}

void AnalysisWindow::closeEvent(QCloseEvent *event)
{
    // The run works on this window's list: it ends first. The close may come
    // from inside the run (it processes events), so it is made again only
    // after the run has returned.
    if (m_model->isRunning()) {
        event->ignore();
        if (m_pendingClose == PendingClose::None) {
            const auto *main = qobject_cast<const MainWindow *>(window());
            m_pendingClose = main && main->isClosing() ? PendingClose::Program : PendingClose::Window;
            m_model->requestStop();
        }
        return;
    }
    ReportWindow::closeEvent(event);
}

void AnalysisWindow::closeAfterRun()
{
    const PendingClose pending = std::exchange(m_pendingClose, PendingClose::None);
    if (pending == PendingClose::Program)
        window()->close();
    else if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void AnalysisWindow::unload()
{
    m_model->saveAppearance();
}

// ---- Printing, export, menu ---------------------------------------------------------------------

void AnalysisWindow::listeyazdir(PrintMode)
{
    if (m_model->isRunning())
        return;
    m_l1->printPreview();
}

void AnalysisWindow::exelkaydet()
{
    if (m_model->isRunning())
        return;
    saveListAsked(*m_l1);
}

void AnalysisWindow::onMouseDown(Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::RightButton && m_model->l1().table().rowCount() > 0 && !m_model->isRunning())
        popupContextMenu(globalPos);
}

// ---- Runs --------------------------------------------------------------------------------------------

void AnalysisWindow::onRunningChanged(bool running)
{
    for (const QPointer<QWidget> &widget : std::as_const(m_runStarters)) {
        if (widget)
            widget->setEnabled(!running);
    }
    if (m_durdur)
        m_durdur->setVisible(running);
    m_runStatus->clear();
    if (running)
        return;
    // Partial totals must not pass for the whole, nor an empty list for a failure.
    if (m_model->wasStopped())
        m_runStatus->setText(QStringLiteral("Durduruldu"));
    else if (m_model->l1().table().rowCount() == 0)
        m_runStatus->setText(QStringLiteral("Kayıt bulunamadı"));
    if (m_settingsPending && m_pendingClose == PendingClose::None)
        QTimer::singleShot(0, this, [this] {
            if (m_settingsPending && !m_model->isRunning())
                takeSettings();
        });
    if (m_pendingClose != PendingClose::None) {
        // Queued: the run's own frames are still on the stack here.
        QTimer::singleShot(0, this, &AnalysisWindow::closeAfterRun);
        return;
    }
    // The first document's heading, not just its first row.
    m_l1->view()->scrollToTop();
    reportFailures();
}

void AnalysisWindow::reportFailures()
{
    const ProfitAnalysis::Failures &failures = m_model->failures();
    if (!failures.stopped.isEmpty()) {
        showmessage(failures.stopped, Caption::Uyari, Icon::Warning, Buttons::Tamam, this);
        return;
    }
    if (failures.count == 0)
        return;
    showmessage(QStringLiteral("ERP veritabanından okunamayan %1 adım atlandı; liste eksik olabilir.\n%2")
                    .arg(failures.count)
                    .arg(failures.first),
                Caption::Uyari, Icon::Warning, Buttons::Tamam, this);
}

} // namespace tarvel

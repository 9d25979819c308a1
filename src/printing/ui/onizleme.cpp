#include "printing/ui/onizleme.h"

#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "foundation/base/errors.h"
#include "printing/device/printerdevice.h"
#include "printing/printoutcome.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace tarvel {

namespace {

const int zoomSteps[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};

// A small printer for the button that has no caption.
QIcon printerIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5); // paper going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 14, 6); // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5); // paper coming out
    return QIcon(pixmap);
}

} // namespace

Onizleme::Onizleme(QWidget *parent) : QDialog(parent), m_printer(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("onizleme"));
    setWindowTitle(QStringLiteral("Velmor Önizleme"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("tools"));
    tools->setMovable(false);
    layout->addWidget(tools);

    auto *printButton = new QToolButton(this);
    printButton->setObjectName(QStringLiteral("yazdir"));
    printButton->setIcon(printerIcon());
    printButton->setAutoRaise(true);
    connect(printButton, &QToolButton::clicked, this, &Onizleme::printShown);
    tools->addWidget(printButton);
    tools->addSeparator();

    m_viewer = new QPrintPreviewWidget(m_printer.get(), this);
    m_viewer->setObjectName(QStringLiteral("viewer"));
    layout->addWidget(m_viewer, 1);

    tools->addWidget(addTool(QStringLiteral("Küçült"), QStringLiteral("kucult")));
    tools->addWidget(addTool(QStringLiteral("Büyüt"), QStringLiteral("buyut")));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("zoom"));
    m_zoom->setEditable(true);
    m_zoom->setInsertPolicy(QComboBox::NoInsert);
    for (int step : zoomSteps)
        m_zoom->addItem(QStringLiteral("%") + QString::number(step));
    m_zoom->setMinimumContentsLength(5);
    tools->addWidget(m_zoom);
    tools->addSeparator();
    m_page = new QLineEdit(this);
    m_page->setObjectName(QStringLiteral("sayfa"));
    m_page->setValidator(new QIntValidator(1, 9999, m_page));
    m_page->setAlignment(Qt::AlignRight);
    m_page->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    tools->addWidget(m_page);
    m_pageCount = new QLabel(this);
    m_pageCount->setObjectName(QStringLiteral("sayfasayisi"));
    tools->addWidget(m_pageCount);
    tools->addSeparator();
    tools->addWidget(addTool(QStringLiteral("Geri"), QStringLiteral("geri")));
    tools->addWidget(addTool(QStringLiteral("İleri"), QStringLiteral("ileri")));

    connect(findChild<QToolButton *>(QStringLiteral("kucult")), &QToolButton::clicked, this, [this] {
        m_viewer->zoomOut();
        updateTools();
    });
    connect(findChild<QToolButton *>(QStringLiteral("buyut")), &QToolButton::clicked, this, [this] {
        m_viewer->zoomIn();
        updateTools();
    });
    connect(findChild<QToolButton *>(QStringLiteral("geri")), &QToolButton::clicked, this,
            [this] { m_viewer->setCurrentPage(m_viewer->currentPage() - 1); });
    connect(findChild<QToolButton *>(QStringLiteral("ileri")), &QToolButton::clicked, this,
            [this] { m_viewer->setCurrentPage(m_viewer->currentPage() + 1); });
    connect(m_zoom, &QComboBox::textActivated, this, &Onizleme::applyZoomText);
    connect(m_page, &QLineEdit::returnPressed, this, &Onizleme::goToTypedPage);
    connect(m_viewer, &QPrintPreviewWidget::previewChanged, this, &Onizleme::updateTools);
    connect(m_viewer, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        if (m_report)
            m_report->paint(printer);
    });

    // A form page fills most of the screen's height, as on paper.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(area.width(), std::max(640, area.height() * 3 / 4)), area.height() * 9 / 10);
    }
}

Onizleme::~Onizleme() = default;

QToolButton *Onizleme::addTool(const QString &text, const QString &name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

const WaybillReport &Onizleme::arepac(const WaybillReport &report)
{
    m_report.emplace(report);
    setUpPrinter(*m_printer, report);
    m_viewer->setZoomMode(QPrintPreviewWidget::FitInView);
    m_viewer->updatePreview();
    updateTools();
    return report;
}

int Onizleme::pageCount() const
{
    return m_viewer->pageCount();
}

int Onizleme::currentPage() const
{
    return m_viewer->currentPage();
}

void Onizleme::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_centred) {
        centerform(this);
        m_centred = true;
    }
}

void Onizleme::updateTools()
{
    const int zoom = int(std::lround(m_viewer->zoomFactor() * 100));
    m_zoom->setEditText(QStringLiteral("%") + QString::number(zoom));
    m_page->setText(QString::number(m_viewer->currentPage()));
    m_pageCount->setText(QStringLiteral(" / %1 ").arg(m_viewer->pageCount()));
}

void Onizleme::applyZoomText()
{
    // "%150", "150" and "150%" all mean 150 per cent.
    QString text = m_zoom->currentText();
    text.remove(QLatin1Char('%'));
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    if (ok && percent >= 10 && percent <= 1000)
        m_viewer->setZoomFactor(percent / 100.0);
    updateTools();
}

void Onizleme::goToTypedPage()
{
    m_viewer->setCurrentPage(m_page->text().toInt());
    updateTools();
}

void Onizleme::printShown()
{
    if (!m_report)
        return;
    try {
        printReport(*m_report);
    } catch (const Error &e) {
        const PrintOutcome failed{PrintOutcome::Failed, e.description()};
        showmessage(failed.message(), Caption::Dikkat, Icon::Check, Buttons::Tamam, this);
    }
}

} // namespace tarvel

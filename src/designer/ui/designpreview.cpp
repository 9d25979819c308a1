#include "designer/ui/designpreview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvel {

DesignPreview::DesignPreview(const QList<WaybillReport> &forms, const QString &title, QWidget *parent)
    : QDialog(parent), m_forms(forms), m_printer(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("tasarimOnizleme"));
    setWindowTitle(QStringLiteral("Tasarım Önizleme - %1").arg(title));
    m_printer->setFullPage(true);
    if (!m_forms.isEmpty())
        m_printer->setPageLayout(m_forms.first().layout().pageLayout());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("tools"));
    layout->addWidget(tools);
    m_viewer = new QPrintPreviewWidget(m_printer.get(), this);
    m_viewer->setObjectName(QStringLiteral("viewer"));
    layout->addWidget(m_viewer, 1);

    tools->addAction(QStringLiteral("Küçült"), m_viewer, [this] { m_viewer->zoomOut(); });
    tools->addAction(QStringLiteral("Büyüt"), m_viewer, [this] { m_viewer->zoomIn(); });
    tools->addAction(QStringLiteral("Sayfaya Sığdır"), m_viewer, [this] { m_viewer->fitInView(); });
    tools->addAction(QStringLiteral("Tek Sayfa"), m_viewer, [this] { m_viewer->setSinglePageViewMode(); });
    tools->addAction(QStringLiteral("Tüm Sayfalar"), m_viewer, [this] { m_viewer->setAllPagesViewMode(); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("Kapat"), this, &QDialog::accept);

    connect(m_viewer, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        QPainter painter;
        if (m_forms.isEmpty() || !painter.begin(printer))
            return;
        int pages = 0;
        for (const WaybillReport &form : std::as_const(m_forms))
            pages += form.paint(painter, printer, pages > 0);
        painter.end();
    });
    // The forms in their order, the first at the top left (the facing view
    // would put the first form on the right as a book's first page).
    m_viewer->setAllPagesViewMode();
    m_viewer->fitInView();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
    }
}

DesignPreview::~DesignPreview() = default;

int DesignPreview::pageCount() const
{
    return m_viewer->pageCount();
}

} // namespace tarvel

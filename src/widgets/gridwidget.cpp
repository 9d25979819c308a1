#include "widgets/gridwidget.h"

#include "dialogs/messagebox.h"
#include "grid/gridexport.h"
#include "grid/gridprinter.h"
#include "widgets/griddelegate.h"
#include "widgets/gridfooter.h"
#include "widgets/gridview.h"

#include "grid/cellvalue.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvel {

GridWidget::GridWidget(QWidget *parent) : QWidget(parent), m_grid(new DataGrid(this))
{
    build();
}

GridWidget::GridWidget(DataGrid *grid, QWidget *parent) : QWidget(parent), m_grid(grid)
{
    build();
}

void GridWidget::build()
{
    m_model = new GridItemModel(m_grid, this);
    m_view = new GridView(this);
    m_view->setGridModel(m_model);
    m_view->setItemDelegate(new GridDelegate(m_view));
    m_footer = new GridFooter(m_grid, m_view, this);
    setFocusProxy(m_view);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("ara"));
    m_search->setPlaceholderText(QStringLiteral("Ara"));
    m_search->setClearButtonEnabled(true);
    m_search->setText(m_grid->filterText());
    m_search->installEventFilter(this);
    m_shown = new QLabel(this);
    m_shown->setObjectName(QStringLiteral("arasatir"));
    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(0, 0, 4, 2);
    searchRow->setSpacing(6);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_shown);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(searchRow);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    connect(m_search, &QLineEdit::textChanged, m_grid, &DataGrid::setFilterText);
    connect(m_grid, &DataGrid::filterChanged, this, [this] {
        if (m_search->text() != m_grid->filterText())
            m_search->setText(m_grid->filterText());
        showShownRows();
    });
    connect(m_grid, &DataGrid::contentChanged, this, &GridWidget::showShownRows);
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, &GridWidget::focusSearch);
    connect(find, &QShortcut::activatedAmbiguously, this, &GridWidget::focusSearch);

    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, m_grid, &DataGrid::cycleSort);
    connect(m_grid, &DataGrid::sortChanged, this, &GridWidget::showSort);

    connect(m_view, &GridView::rowDoubleClicked, this, &GridWidget::rowDoubleClicked);
    connect(m_view, &GridView::keyDown, this, &GridWidget::keyDown);
    connect(m_view, &GridView::keyPressed, this, &GridWidget::keyPressed);
    connect(m_view, &GridView::mouseDown, this, &GridWidget::mouseDown);
    connect(m_grid, &DataGrid::groupingChanged, this, &GridWidget::groupingChanged);

    connect(m_grid, &DataGrid::columnsChanged, this, &GridWidget::applyColumns);
    connect(m_grid, &DataGrid::columnWidthChanged, this, &GridWidget::applyWidth);
    connect(m_grid, &DataGrid::fontChanged, this, &GridWidget::applyFont);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (!m_syncing)
                    m_grid->setColumnWidth(column, size);
            });

    connect(&m_grid->table(), &MemTable::currentRowChanged, this, &GridWidget::syncCurrentFromTable);
    connect(&m_grid->table(), &MemTable::redrawSuspendedChanged, this, &GridWidget::suspendChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumns(); // sections come back at their default sizes after a reset
        syncCurrentFromTable();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &GridWidget::syncCurrentFromTable);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GridWidget::syncTableFromView);

    applyFont();
    applyColumns();
    showSort();
    showShownRows();
    m_footer->setVisible(m_grid->hasFooter());
}

void GridWidget::showSort()
{
    // The header flips its own arrow on a click; the grid's sort is what counts.
    QHeaderView *header = m_view->horizontalHeader();
    header->setSortIndicator(m_grid->sortColumn(), m_grid->sortOrder());
}

void GridWidget::showShownRows()
{
    if (table().isRedrawSuspended())
        return;
    m_shown->setText(m_grid->shownRowsText() + QStringLiteral(" satır"));
}

void GridWidget::focusSearch()
{
    // Ctrl+F belongs to every list of the window: the list holding the focus
    // takes it, else the first one shown.
    QList<GridWidget *> lists = window()->findChildren<GridWidget *>();
    if (window() == this)
        lists.prepend(this);
    GridWidget *target = nullptr;
    const QWidget *focus = QApplication::focusWidget();
    for (GridWidget *list : lists) {
        if (!list->isVisible())
            continue;
        if (focus && list->isAncestorOf(focus)) {
            target = list;
            break;
        }
        if (!target)
            target = list;
    }
    if (target) {
        target->m_search->setFocus(Qt::ShortcutFocusReason);
        target->m_search->selectAll();
    }
}

bool GridWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !m_search->text().isEmpty()) {
        m_search->clear();
        return true; // an empty box lets Esc through to the window
    }
    return QWidget::eventFilter(watched, event);
}

void GridWidget::applyColumns()
{
    m_syncing = true;
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        m_view->setColumnHidden(c, !m_grid->column(c).visible);
        m_view->horizontalHeader()->resizeSection(c, m_grid->column(c).width);
    }
    m_syncing = false;
    m_footer->setVisible(m_grid->hasFooter());
}

void GridWidget::applyWidth(int column)
{
    if (column < 0 || column >= m_model->columnCount())
        return;
    m_syncing = true;
    m_view->horizontalHeader()->resizeSection(column, m_grid->column(column).width);
    m_syncing = false;
}

void GridWidget::applyFont()
{
    const QFont font = m_grid->font();
    m_view->setFont(font);
    m_view->horizontalHeader()->setFont(font);
    m_view->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    m_footer->setFont(font);
    m_footer->updateGeometry();
}

void GridWidget::setRowShader(GridItemModel::RowShader shader)
{
    m_model->setRowShader(std::move(shader));
}

void GridWidget::shadeOddRows(const QColor &color)
{
    m_oddRows = color;
    applyShading();
}

void GridWidget::tintNegativeRows(const QString &field, const QColor &color)
{
    m_negativeField = field;
    m_negativeRows = color;
    applyShading();
}

void GridWidget::applyShading()
{
    const int field = m_negativeField.isEmpty() ? -1 : table().fieldIndex(m_negativeField);
    // Even rows keep the view's white base (and a column's tint).
    setRowShader([this, field](int position) {
        if (field >= 0) {
            const DisplayedRow node = m_model->node(position);
            if (node.kind == DisplayedRow::Data && node.row >= 0 && node.row < table().rowCount() &&
                cellNumber(table().value(node.row, field)).value_or(0) < 0)
                return m_negativeRows;
        }
        return DataGrid::isOddPosition(position) ? m_oddRows : QColor();
    });
}

int GridWidget::currentPosition() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : -1;
}

void GridWidget::syncCurrentFromTable()
{
    if (m_syncing || table().isRedrawSuspended())
        return;
    const int position = m_grid->displayedPosition(table().currentRow());
    const QList<int> visible = m_grid->visibleColumns();
    if (position < 0 || position >= m_model->rowCount() || visible.isEmpty())
        return;
    if (m_view->currentIndex().row() == position)
        return;
    m_syncing = true;
    m_view->selectionModel()->setCurrentIndex(m_model->index(position, visible.first()),
                                              QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    m_syncing = false;
}

void GridWidget::syncTableFromView(const QModelIndex &current)
{
    // While redrawing is suspended the view still shows the rows of before:
    // a click there names no row of the table, and a run that lets the window
    // process events must find its current row where it left it.
    if (m_syncing || !current.isValid() || table().isRedrawSuspended())
        return;
    const DisplayedRow node = m_model->node(current.row());
    if (node.kind != DisplayedRow::Data || node.row < 0 || node.row >= table().rowCount())
        return;
    m_syncing = true;
    table().setCurrentRow(node.row);
    m_syncing = false;
}

void GridWidget::suspendChanged(bool suspended)
{
    // Nothing the view shows is reliable until the resume: do not paint it.
    m_view->viewport()->setUpdatesEnabled(!suspended);
    m_footer->setUpdatesEnabled(!suspended);
    if (!suspended) {
        m_view->viewport()->update();
        m_footer->update();
    }
}

void GridWidget::printPreview()
{
    const GridPrinter printer(*m_grid);
    QPrinter device(QPrinter::HighResolution);
    device.setPageLayout(printer.pageLayout());
    QPrintPreviewDialog dialog(&device, window());
    dialog.setWindowTitle(QStringLiteral("Önizleme"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [this, &dialog](QPrinter *target) { printOn(target, &dialog); });
    dialog.exec();
}

void GridWidget::printOn(QPrinter *target, QWidget *messageParent)
{
    const GridPrinter printer(*m_grid);
    // Printed to a PDF file: written whole through a temporary file, never
    // half over a good one (the preview itself paints on another engine).
    const QPaintEngine *engine = target->paintEngine();
    if (target->outputFormat() == QPrinter::PdfFormat && !target->outputFileName().isEmpty() && engine &&
        engine->type() == QPaintEngine::Pdf) {
        if (const Result<void> saved = printer.savePdf(target->outputFileName(), target->pageLayout());
            !saved)
            showmessage(saved.errorText(), Caption::Dikkat, Icon::Cross, Buttons::Tamam, messageParent);
        return;
    }
    printer.paint(target);
}

Result<void> GridWidget::saveXls(const QString &path)
{
    return saveGridFile(*m_grid, path);
}

} // namespace tarvel

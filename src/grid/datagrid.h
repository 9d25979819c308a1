#pragma once

#include "grid/gridcolumn.h"
#include "grid/memtable.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <vector>

namespace tarvel {

// One row of the grid as displayed: a data row of the table, or, when the
// grid is grouped, a group's heading or its total row.
struct DisplayedRow {
    enum Kind : quint8 { Data, GroupHeading, GroupTotal };
    Kind kind = Data;
    int row = -1;   // table row of a data row, -1 otherwise
    int group = -1; // the row's group when grouped, -1 otherwise
};

// Everything a list shows except the widget: the table, its columns in their
// fixed collection order, the grouping, the displayed rows, the footer and
// group totals and the font. Screens keep one per list in their widget-free
// model; GridWidget shows it, GridPrinter prints it, saveGridXls writes it,
// and tarvel-report reads its totals without a window.
//
// Columns are displayed in collection order, hidden ones left out.
//
// Grouping: one column at a time has group index 0. Groups come in the order
// of their first row in the table (a run's order: the first picked document
// first), rows inside a group in table order. Each group displays as its
// heading row, its data rows and its total row; a collapsed group keeps its
// heading and its total row. New groups start expanded.
//
// Sort and quick filter arrange the displayed rows and never touch the table:
// the table keeps every row in fill order, and whoever works on the whole list
// (the waybill forms, deleting and renumbering rows) reads the table. Sorted,
// the data rows follow one column (see sortedPositions); grouped, the rows
// inside each group and the groups by that column's group total, or by their
// headings when the column totals no number. Filtered, only rows holding the
// text in a visible column (or in their group's heading) are displayed, groups
// without such rows disappear, and footer and group totals are those of the
// rows shown. Sums add the rows in table order, so sorting never moves a
// total.
//
// Displayed rows, totals and groups always describe the table as it is now,
// also while redrawing is suspended: only the views wait for the resume.
class DataGrid : public QObject {
    Q_OBJECT
public:
    explicit DataGrid(QObject *parent = nullptr);

    MemTable &table() { return *m_table; }
    const MemTable &table() const { return *m_table; }

    // ---- Columns -----------------------------------------------------------------------
    int addColumn(GridColumn column); // returns its position
    int columnCount() const { return int(m_columns.size()); }
    const GridColumn &column(int position) const { return m_columns[size_t(position)]; }
    // First column bound to the field / with that object name; -1 when none.
    int columnOfField(const QString &field) const;
    int columnOfName(const QString &objectName) const;
    QList<int> visibleColumns() const;
    int firstVisibleColumn() const; // -1 when every column is hidden
    // Table field of a column, -1 when it is bound to none (or to a field the
    // table lacks); resolved once per set of fields.
    int columnField(int column) const;

    void setColumnWidth(int position, int width);
    int columnWidth(int position) const { return column(position).width; }
    void setColumnVisible(int position, bool visible);
    void setColumnCaption(int position, const QString &caption);
    void setColumnReadOnly(int position, bool readOnly);
    // Every column read-only except one (the pickers keep only their check column editable).
    void setReadOnlyExcept(int position);
    void setColumnFooter(int position, const GridTotal &total);
    void setColumnGroupTotal(int position, const GridTotal &total);

    // ---- Grouping -----------------------------------------------------------------------
    // Group index 0 groups the rows by that column (and ends any other column's
    // grouping); -1 on the grouping column removes the grouping.
    void setGroupIndex(int position, int groupIndex);
    int groupColumn() const { return m_groupColumn; }
    bool isGrouped() const { return m_groupColumn >= 0; }

    // ---- Sort and quick filter ----------------------------------------------------------
    // A column bound to no field does not sort. Neither is stored anywhere.
    void setSort(int column, Qt::SortOrder order);
    void clearSort();
    // A caption click: ascending, descending, then back to fill order.
    void cycleSort(int column);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // Shows only the rows holding the text (blanks around it ignored), without
    // regard to Turkish letter case; empty shows every row.
    void setFilterText(const QString &text);
    QString filterText() const { return m_filterText; }
    bool isFiltered() const { return !m_filterNeedle.isEmpty(); }
    // Grouped, sorted or filtered: displayed positions are not table rows.
    bool isArranged() const { return isGrouped() || m_sortColumn >= 0 || isFiltered(); }
    // Data rows the filter lets through (rows of a closed group included).
    int shownRowCount() const;
    // "N / M": rows shown out of the whole list, thousands grouped.
    QString shownRowsText() const;
    // The table rows shown, in displayed order (rows of a closed group included).
    std::vector<int> shownRows() const;

    // Groups are those displayed: with a filter set, groups with rows shown.
    int groupCount() const;
    QString groupKey(int group) const;     // the stored value the group's rows share
    QString groupHeading(int group) const; // "CAPTION: shown value" (the value alone without caption)
    int groupRowCount(int group) const;
    int groupFirstRow(int group) const;          // table row, -1 for an empty group
    std::vector<int> groupRows(int group) const; // table rows shown, in displayed order
    bool isGroupExpanded(int group) const;
    void setGroupExpanded(int group, bool expanded);
    void expandAll();
    void collapseAll();

    // ---- Displayed rows ------------------------------------------------------------------
    int displayedRowCount() const;
    DisplayedRow displayedRow(int position) const;
    // Position of a table row among the displayed rows; -1 in a collapsed group.
    int displayedPosition(int tableRow) const;
    // The cell text as the grid shows it: mapped value of a data row, the
    // heading in the first visible column of a heading row, group totals on a
    // total row. A check column gives its stored "True"/"False".
    QString displayText(int position, int column) const;
    static bool isOddPosition(int position) { return position % 2 != 0; }
    // Makes the table row of a displayed data row current; false (nothing
    // changes) for heading and total rows and positions out of range.
    bool makeCurrent(int position);

    // Ticks ("True") or unticks ("False") a check column on every displayed
    // data row, in displayed order, with redrawing suspended, and leaves the
    // first row current: the pickers' "Tümünü Seç" and "Tüm Seçimi Kaldır".
    // Rows of a collapsed group are not displayed and stay as they are.
    void setAllChecked(int column, bool checked);

    // ---- Totals ------------------------------------------------------------------------------
    bool hasFooter() const;
    // Value: the sum or row count as a number (0 for text and no total).
    // Text: as shown, with the total's pattern; a plain sum at no more
    // decimals than its cells have. With a filter set, both are of the rows
    // shown, in the column's filtered totals where it has them.
    double footerValue(int column) const;
    QString footerText(int column) const;
    double groupTotalValue(int group, int column) const;
    QString groupTotalText(int group, int column) const;
    // The totals a column shows now (its filtered ones while a filter is set).
    const GridTotal &footerOf(int column) const;
    const GridTotal &groupTotalOf(int column) const;

    // ---- Look --------------------------------------------------------------------------------
    QFont font() const { return m_font; }
    void setFont(const QFont &font);
    QColor groupHeadingColor() const { return m_headingColor; }
    void setGroupHeadingColor(const QColor &color) { m_headingColor = color; }
    QColor groupTotalBackground() const { return m_totalBackground; }
    QColor groupTotalTextColor() const { return m_totalText; }
    void setGroupTotalColors(const QColor &background, const QColor &text);

signals:
    void columnsChanged(); // caption, visibility, read-only, totals
    void columnWidthChanged(int position);
    void groupingChanged(); // the grouping column changed
    void sortChanged();
    void filterChanged();
    void displayReset(); // displayed rows changed wholesale
    void displayRowsInserted(int first, int last);
    void displayRowsRemoved(int first, int last);
    void displayDataChanged(); // same displayed rows, changed values
    void contentChanged();     // after each of the four above
    void fontChanged();

private:
    struct Group {
        QString key;
        std::vector<int> rows;
        bool expanded = true;
        int headingPosition = 0;
    };
    struct NumericColumn {
        std::vector<double> values;
        double sum = 0;
        int decimals = 0; // most decimals among the cells, -1: unknown
        quint64 structure = 0;
        quint64 generation = 0;
    };
    struct ShownSums {
        double footer = 0;
        std::vector<double> groups;
        quint64 layout = 0;
        quint64 generation = 0;
    };
    // What the arranged layout was made from; a layout is current while all agree.
    struct LayoutInputs {
        quint64 structure = 0;
        quint64 fields = 0; // latest write to a field the layout reads
        quint64 columns = 0;
        quint64 collapse = 0;
        int groupColumn = -1;
        int sortColumn = -1;
        Qt::SortOrder sortOrder = Qt::AscendingOrder;
        QString needle;
        bool operator==(const LayoutInputs &) const = default;
    };

    void ensureLayout() const;
    LayoutInputs layoutInputs() const;
    quint64 latestWrite(const std::vector<int> &fields) const;
    std::vector<int> searchedColumns() const;
    const std::vector<int> &sortedRows(const LayoutInputs &inputs) const;
    std::vector<char> filterMask(const LayoutInputs &inputs) const;
    const std::vector<QString> &searchTexts(const LayoutInputs &inputs) const;
    std::vector<Group> groupsOf(const std::vector<int> &order, const std::vector<char> &shown) const;
    void orderGroups(std::vector<Group> &groups) const;
    double rowsTotal(const GridTotal &total, const std::vector<int> &rows) const;
    const NumericColumn &numbers(int field) const;
    const ShownSums &shownSums(int field) const;
    double sumOf(const QString &field, int group) const;
    double totalValue(const GridTotal &total, int group) const;
    QString totalText(const GridTotal &total, int group) const;
    int groupField() const;
    void columnsTouched();
    void publishReset();
    void onRowAppended(int row);
    void onRowChanged(int row);
    void onRowRemoved(int row);

    MemTable *m_table;
    std::vector<GridColumn> m_columns;
    int m_groupColumn = -1;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QString m_filterText;
    QString m_filterNeedle; // folded
    quint64 m_columnsGeneration = 1;
    QSet<QString> m_collapsedKeys;
    quint64 m_collapseGeneration = 0;
    QFont m_font;
    QColor m_headingColor{255, 226, 198};
    QColor m_totalBackground{240, 240, 240};
    QColor m_totalText{255, 0, 0};

    // Layout of an arranged grid, rebuilt when one of its inputs changes.
    mutable std::vector<Group> m_groups;
    mutable std::vector<DisplayedRow> m_nodes;
    mutable std::vector<int> m_positionOfRow;
    mutable std::vector<int> m_groupOfRow; // grouped: -1 for rows not shown
    mutable std::vector<char> m_shownMask; // filtered: 1 for rows shown
    mutable int m_shownRows = 0;
    mutable bool m_layoutValid = false;
    mutable LayoutInputs m_layoutInputs;
    mutable quint64 m_layoutGeneration = 0;

    // Every table row in sort order.
    mutable std::vector<int> m_sorted;
    mutable LayoutInputs m_sortedInputs;
    // Folded texts of every row's searched cells, kept while a filter is set,
    // and the rows the last needle let through (a longer needle searches them only).
    mutable std::vector<QString> m_searchTexts;
    mutable LayoutInputs m_searchInputs;
    mutable std::vector<char> m_lastMask;
    mutable LayoutInputs m_lastMaskInputs;

    mutable std::vector<int> m_columnFields;
    mutable int m_columnFieldsFor = -1; // table field count they were resolved for

    mutable QHash<int, NumericColumn> m_numbers;
    mutable QHash<int, ShownSums> m_shownSums;

    // What the views were last told about the fields the layout reads.
    quint64 m_publishedFields = 0;
};

} // namespace tarvel

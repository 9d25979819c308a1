#include "grid/gridxlsx.h"

#include "grid/cellvalue.h"
#include "grid/datagrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>

namespace tarvel {

namespace {

constexpr int maxRows = 1048576;
constexpr int maxTextLength = 32767;

enum class Kind { Text, Number, Date };

struct ColumnPlan {
    int column = 0;
    Kind kind = Kind::Text;
    bool percent = false;
    bool decimals = false;
};

// The system's reason for a failed file operation, in Turkish.
QString systemCause(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("yazma izni yok");
    case ENOSPC:
        return QStringLiteral("diskte yer kalmadı");
    case EDQUOT:
        return QStringLiteral("disk kotası doldu");
    case EROFS:
        return QStringLiteral("disk salt okunur");
    case ENOENT:
        return QStringLiteral("klasör bulunamadı");
    case EISDIR:
        return QStringLiteral("bu adda bir klasör var");
    case ENAMETOOLONG:
        return QStringLiteral("dosya adı çok uzun");
    case EIO:
        return QStringLiteral("disk okunamadı ya da yazılamadı");
    default:
        return QStringLiteral("sistem hatası %1").arg(code);
    }
}

QString writerCause(lxw_error code, int systemError)
{
    switch (code) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("bellek yetmedi");
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
        return systemError != 0 ? systemCause(systemError) : QStringLiteral("dosya yazılamadı");
    default:
        return QStringLiteral("Excel dosyası oluşturulamadı (%1)").arg(QString::fromUtf8(lxw_strerror(code)));
    }
}

// The text a data row shows in a column.
QString cellText(const DataGrid &grid, int row, int column)
{
    const int field = grid.columnField(column);
    return field < 0 ? QString() : grid.column(column).displayed(grid.table().value(row, field));
}

bool isPercentPattern(const GridTotal &total)
{
    return total.isNumber() && total.pattern.contains(u'%');
}

// How a column's cells are written: numbers only where the grid itself treats
// the column as figures (aligned right or centred, as amounts and counts are)
// and every cell reads as one; dates where every cell is one.
ColumnPlan planColumn(const DataGrid &grid, int column, const std::vector<int> &rows)
{
    const GridColumn &c = grid.column(column);
    ColumnPlan plan{column};
    plan.percent = isPercentPattern(c.footer) || isPercentPattern(c.groupTotal);
    if (c.checkBox)
        return plan;
    bool numbers = (c.alignment & (Qt::AlignRight | Qt::AlignHCenter)) != 0;
    bool dates = true;
    bool any = false;
    for (int r : rows) {
        const QString text = cellText(grid, r, column);
        if (text.trimmed().isEmpty())
            continue;
        any = true;
        if (numbers) {
            if (cellNumber(text)) {
                plan.percent = plan.percent || isPercentText(text);
                plan.decimals = plan.decimals || decimalsOf(text) != 0;
            } else {
                numbers = false;
            }
        }
        dates = dates && cellDate(text).has_value();
        if (!numbers && !dates)
            break;
    }
    if (any && numbers)
        plan.kind = Kind::Number;
    else if (any && dates)
        plan.kind = Kind::Date;
    return plan;
}

class Sheet {
public:
    Sheet(lxw_workbook *book, lxw_worksheet *sheet) : m_book(book), m_sheet(sheet) {}

    enum Style : quint8 { Plain = 0, Bold = 1 };

    void row(int row, Style style, quint8 level, bool hidden, bool collapsed)
    {
        lxw_row_col_options options{hidden, level, collapsed};
        check(worksheet_set_row_opt(m_sheet, lxw_row_t(row), LXW_DEF_ROW_HEIGHT,
                                    style == Bold ? format(QStringLiteral("b"), nullptr, true) : nullptr,
                                    &options));
    }

    void text(int row, int column, const QString &text, Style style)
    {
        if (text.isEmpty())
            return;
        const QByteArray utf8 = text.left(maxTextLength).toUtf8();
        check(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), utf8.constData(),
                                     style == Bold ? format(QStringLiteral("b"), nullptr, true) : nullptr));
    }

    // A cell as its column writes it; a text that is no number or date stays text.
    void cell(int row, int column, const ColumnPlan &plan, const QString &text, Style style)
    {
        if (plan.kind == Kind::Number || style == Bold) {
            if (const auto number = cellNumber(text)) {
                const bool percent = plan.percent || isPercentText(text);
                const bool decimals = plan.decimals || decimalsOf(text) != 0;
                const char *pattern =
                    percent ? (decimals ? "\"%\"#,##0.00" : "\"%\"#,##0") : (decimals ? "#,##0.00" : "#,##0");
                check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), *number,
                                             format(QString::fromLatin1(pattern), pattern, style == Bold)));
                return;
            }
        }
        if (plan.kind == Kind::Date) {
            if (const auto date = cellDate(text)) {
                lxw_datetime when{date->year(), date->month(), date->day(), 0, 0, 0};
                check(worksheet_write_datetime(m_sheet, lxw_row_t(row), lxw_col_t(column), &when,
                                               format(QStringLiteral("date"), "dd.mm.yyyy", style == Bold)));
                return;
            }
        }
        this->text(row, column, text, style);
    }

    lxw_error firstError() const { return m_error; }

    void check(lxw_error e)
    {
        if (e != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
            m_error = e;
    }

private:
    lxw_format *format(const QString &name, const char *pattern, bool bold)
    {
        const QString key = name + (bold ? QStringLiteral("+b") : QString());
        lxw_format *&f = m_formats[key];
        if (!f) {
            f = workbook_add_format(m_book);
            if (pattern)
                format_set_num_format(f, pattern);
            if (bold)
                format_set_bold(f);
        }
        return f;
    }

    lxw_workbook *m_book;
    lxw_worksheet *m_sheet;
    QHash<QString, lxw_format *> m_formats;
    lxw_error m_error = LXW_NO_ERROR;
};

void writeSheet(const DataGrid &grid, Sheet &sheet, lxw_worksheet *ws, const std::vector<int> &shown)
{
    const QList<int> columns = grid.visibleColumns();
    std::vector<ColumnPlan> plans;
    for (int c : columns)
        plans.push_back(planColumn(grid, c, shown));

    const int groups = grid.groupCount();
    const int bodyRows = int(shown.size()) + 2 * groups;
    const int lastRow = bodyRows + (grid.hasFooter() ? 1 : 0);

    // In constant-memory mode the columns, panes and filter come before any row.
    for (int i = 0; i < columns.size(); ++i)
        sheet.check(worksheet_set_column_pixels(ws, lxw_col_t(i), lxw_col_t(i), grid.columnWidth(columns[i]),
                                                nullptr));
    worksheet_freeze_panes(ws, 1, 0);
    if (!columns.isEmpty())
        sheet.check(worksheet_autofilter(ws, 0, 0, lxw_row_t(bodyRows), lxw_col_t(columns.size() - 1)));
    worksheet_outline_settings(ws, LXW_TRUE, LXW_TRUE, LXW_TRUE, LXW_FALSE);

    sheet.row(0, Sheet::Bold, 0, false, false);
    for (int i = 0; i < columns.size(); ++i)
        sheet.text(0, i, grid.column(columns[i]).caption, Sheet::Bold);

    int at = 1;
    const auto dataRow = [&](int tableRow, quint8 level, bool hidden) {
        sheet.row(at, Sheet::Plain, level, hidden, false);
        for (int i = 0; i < columns.size(); ++i)
            sheet.cell(at, i, plans[size_t(i)], cellText(grid, tableRow, columns[i]), Sheet::Plain);
        ++at;
    };
    if (groups == 0) {
        for (int r : shown)
            dataRow(r, 0, false);
    }
    for (int g = 0; g < groups; ++g) {
        const bool open = grid.isGroupExpanded(g);
        sheet.row(at, Sheet::Bold, 0, false, false);
        sheet.text(at, 0, grid.groupHeading(g), Sheet::Bold);
        ++at;
        for (int r : grid.groupRows(g))
            dataRow(r, 1, !open);
        // Excel marks a folded group on the row after it.
        sheet.row(at, Sheet::Bold, 0, false, !open);
        for (int i = 0; i < columns.size(); ++i)
            sheet.cell(at, i, plans[size_t(i)], grid.groupTotalText(g, columns[i]), Sheet::Bold);
        ++at;
    }
    if (grid.hasFooter()) {
        sheet.row(at, Sheet::Bold, 0, false, false);
        for (int i = 0; i < columns.size(); ++i)
            sheet.cell(at, i, plans[size_t(i)], grid.footerText(columns[i]), Sheet::Bold);
        ++at;
    }
    Q_ASSERT(at == lastRow + 1);
}

} // namespace

Result<void> saveGridXlsx(const DataGrid &grid, const QString &path)
{
    const auto fail = [](const QString &cause) -> Result<void> { return Error(cause); };
    const QFileInfo target(path);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("Klasör bulunamadı: %1").arg(folder));
    if (target.isDir())
        return fail(QStringLiteral("Bu adda bir klasör var: %1").arg(QDir::toNativeSeparators(path)));

    const std::vector<int> shown = grid.shownRows();
    if (int(shown.size()) + 2 * grid.groupCount() + 2 > maxRows)
        return fail(QStringLiteral("Liste bir Excel sayfasına sığmıyor (%1 satır)").arg(shown.size()));

    // A name of our own beside the target, created here so that a folder we
    // cannot write to is told apart from a failure of the writer.
    QString temporary;
    for (int attempt = 0; temporary.isEmpty(); ++attempt) {
        const QString candidate = target.absoluteDir().filePath(QStringLiteral(".%1.%2-%3.tmp")
                                                                    .arg(target.fileName())
                                                                    .arg(QCoreApplication::applicationPid())
                                                                    .arg(attempt));
        QFile probe(candidate);
        errno = 0;
        if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            temporary = candidate;
        } else if (!QFile::exists(candidate) || attempt > 100) {
            return fail(QStringLiteral("Klasöre yazılamıyor: %1 (%2)")
                            .arg(folder, systemCause(errno ? errno : EACCES)));
        }
    }

    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    QByteArray scratch = QFile::encodeName(target.absolutePath());
    lxw_workbook_options options{LXW_TRUE, scratch.data(), LXW_FALSE};
    lxw_workbook *book = workbook_new_opt(nativeTemporary.constData(), &options);
    if (!book) {
        QFile::remove(temporary);
        return fail(QStringLiteral("Excel dosyası oluşturulamadı: bellek yetmedi"));
    }
    lxw_worksheet *ws = workbook_add_worksheet(book, "Sayfa1");
    Sheet sheet(book, ws);
    writeSheet(grid, sheet, ws, shown);
    errno = 0;
    const lxw_error closed = workbook_close(book);
    const int systemError = errno;
    const lxw_error failure = sheet.firstError() != LXW_NO_ERROR ? sheet.firstError() : closed;
    if (failure != LXW_NO_ERROR) {
        QFile::remove(temporary);
        return fail(QStringLiteral("Dosya yazılamadı: %1 (%2)")
                        .arg(QDir::toNativeSeparators(path), writerCause(failure, systemError)));
    }
    // rename() replaces an existing file in one step.
    if (std::rename(nativeTemporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int cause = errno;
        QFile::remove(temporary);
        return fail(QStringLiteral("Dosya yazılamadı: %1 (%2)")
                        .arg(QDir::toNativeSeparators(path), systemCause(cause)));
    }
    return {};
}

} // namespace tarvel

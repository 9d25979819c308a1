#include "grid/reportjson.h"

#include "grid/datagrid.h"

namespace tarvel {

namespace {

// A small writer that keeps keys in the order they are written (QJsonObject
// sorts them) and indents by two blanks.
class JsonText {
public:
    QByteArray text() const { return m_out; }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const QString &name)
    {
        item();
        string(name);
        m_out += ": ";
        m_afterKey = true;
    }
    void value(const QString &text)
    {
        item();
        string(text);
    }

private:
    void open(char bracket)
    {
        item();
        m_out += bracket;
        m_empty.push_back(true);
    }
    void close(char bracket)
    {
        const bool empty = m_empty.takeLast();
        if (!empty)
            newline();
        m_out += bracket;
    }
    // Separator and indentation before a key, a value or an opening bracket
    // (nothing right after a key).
    void item()
    {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (m_empty.isEmpty())
            return;
        if (!m_empty.last())
            m_out += ',';
        m_empty.last() = false;
        newline();
    }
    void newline()
    {
        m_out += '\n';
        m_out += QByteArray(2 * m_empty.size(), ' ');
    }
    void string(const QString &text)
    {
        m_out += '"';
        for (const QChar c : text) {
            switch (c.unicode()) {
            case '"':
                m_out += "\\\"";
                break;
            case '\\':
                m_out += "\\\\";
                break;
            case '\n':
                m_out += "\\n";
                break;
            case '\r':
                m_out += "\\r";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                if (c.unicode() < 0x20)
                    m_out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
                else
                    m_out += QString(c).toUtf8();
            }
        }
        m_out += '"';
    }

    QByteArray m_out;
    QList<bool> m_empty; // per open bracket: nothing written inside yet
    bool m_afterKey = false;
};

// The field a footer or group total is reported under.
QString totalKey(const GridColumn &column, const GridTotal &total)
{
    return total.kind == TotalKind::Sum && !total.field.isEmpty() ? total.field : column.field;
}

void writeRows(JsonText &json, const DataGrid &grid)
{
    const MemTable &table = grid.table();
    // Display order: the groups' rows one group after the other, collapsed or
    // not; with a quick filter set, the rows it shows.
    const std::vector<int> rows = grid.shownRows();
    json.beginArray();
    for (const int r : rows) {
        json.beginObject();
        for (int f = 0; f < table.fieldCount(); ++f) {
            json.key(table.fieldAt(f).name);
            json.value(table.value(r, f));
        }
        json.endObject();
    }
    json.endArray();
}

void writeFooter(JsonText &json, const DataGrid &grid)
{
    json.beginObject();
    for (int c = 0; c < grid.columnCount(); ++c) {
        const GridColumn &column = grid.column(c);
        if (!column.visible || column.footer.kind == TotalKind::None)
            continue;
        json.key(totalKey(column, column.footer));
        json.value(grid.footerText(c));
    }
    json.endObject();
}

void writeGroups(JsonText &json, const DataGrid &grid)
{
    json.beginArray();
    for (int g = 0; grid.isGrouped() && g < grid.groupCount(); ++g) {
        json.beginObject();
        json.key(QStringLiteral("heading"));
        json.value(grid.groupHeading(g));
        json.key(QStringLiteral("totals"));
        json.beginObject();
        for (int c = 0; c < grid.columnCount(); ++c) {
            const GridColumn &column = grid.column(c);
            if (!column.visible || column.groupTotal.kind == TotalKind::None)
                continue;
            json.key(totalKey(column, column.groupTotal));
            json.value(grid.groupTotalText(g, c));
        }
        json.endObject();
        json.endObject();
    }
    json.endArray();
}

} // namespace

void ReportJson::addList(const QString &name, const DataGrid &grid)
{
    m_lists.append({name, &grid});
}

void ReportJson::addField(const QString &name, const QString &value)
{
    m_fields.append({name, value});
}

QByteArray ReportJson::toJson() const
{
    JsonText json;
    json.beginObject();
    json.key(QStringLiteral("lists"));
    json.beginObject();
    for (const auto &[name, grid] : m_lists) {
        json.key(name);
        json.beginObject();
        json.key(QStringLiteral("rows"));
        writeRows(json, *grid);
        json.key(QStringLiteral("footer"));
        writeFooter(json, *grid);
        json.key(QStringLiteral("groups"));
        writeGroups(json, *grid);
        json.endObject();
    }
    json.endObject();
    json.key(QStringLiteral("fields"));
    json.beginObject();
    for (const auto &[name, value] : m_fields) {
        json.key(name);
        json.value(value);
    }
    json.endObject();
    json.endObject();
    return json.text() + '\n';
}

} // namespace tarvel

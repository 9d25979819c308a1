#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

namespace tarvel {

// The in-memory table behind every list: named text fields with a maximum
// length, rows in insertion order and one current row. All cells are texts;
// amounts are stored formatted and read back by the totals.
//
// Writing follows the dataset habit the screens are written in:
//     table.append(); table.setField("sira", "1"); ...; table.post();
//     table.edit();   table.setField("sec", "True");   table.post();
// A value is stored at once (reading it back before post gives it), cut to
// the field's maximum length. Views hear of a row when it is posted, or when
// the current row moves away from it (append, first, next, setCurrentRow,
// refresh post it implicitly).
//
// While redrawing is suspended (counted; suspendRedraw/resumeRedraw nest) no
// row signal is sent; the last resumeRedraw sends one tableReset() if anything
// changed meanwhile. Bulk fills must suspend: that is what keeps appending
// 100,000 rows cheap.
class MemTable : public QObject {
    Q_OBJECT
public:
    struct Field {
        QString name;
        int maxLength = 0; // 0: no limit
    };

    explicit MemTable(QObject *parent = nullptr);

    // ---- Structure ------------------------------------------------------------
    // Fields are declared at design time; declaring one on a table with rows
    // gives every row an empty value for it. Returns the field's number.
    int addField(const QString &name, int maxLength);
    int fieldCount() const { return int(m_fields.size()); }
    const Field &fieldAt(int field) const { return m_fields[size_t(field)]; }
    // Field names match exactly first, then without regard to case; -1 when
    // there is no such field.
    int fieldIndex(const QString &name) const;
    void setKeyField(const QString &name) { m_keyField = name; }
    const QString &keyField() const { return m_keyField; }

    // ---- Opening and closing ------------------------------------------------------
    // A table starts open. close() empties it and keeps its fields (and the
    // grid keeps its columns); append() on a closed table opens it again.
    void open();
    void close();
    bool isOpen() const { return m_open; }

    // ---- Rows and the current row ---------------------------------------------------
    int rowCount() const { return m_rowCount; }
    // The current row, or -1 past the end (eof) and on an empty table.
    int currentRow() const { return m_current < m_rowCount ? m_current : -1; }
    bool eof() const { return m_current >= m_rowCount; }
    void first();
    void next();
    // Makes a row current; false (and nothing changes) for a row that does not exist.
    bool setCurrentRow(int row);

    void append();
    void edit();
    void post();
    // Deletes the current row; the row after it (or the new last row) becomes current.
    void deleteCurrent();

    // Fields of the current row. An unknown field is a programming error: it
    // asserts in a debug build, and a release build writes nothing (false) and
    // reads "". Without a current row setField does nothing and returns false
    // and field() gives "".
    bool setField(const QString &name, const QString &value);
    bool setField(int field, const QString &value);
    QString field(const QString &name) const;
    QString field(int field) const;

    // Any row, by row and field number. setValue writes and notifies at once
    // (the grid's check column and in-place edits go through it).
    const QString &value(int row, int field) const
    {
        return m_cells[size_t(row) * m_fields.size() + size_t(field)];
    }
    void setValue(int row, int field, const QString &value);

    // ---- Redrawing ----------------------------------------------------------------------
    void suspendRedraw();
    void resumeRedraw();
    bool isRedrawSuspended() const { return m_suspended > 0; }
    // Posts what is pending and tells every view to show the table as it is.
    void refresh();

    // ---- Change counters for caches ---------------------------------------------------------
    // structureGeneration: rows added, removed or fields declared.
    // fieldGeneration: any write to that field. Caches keep both.
    quint64 structureGeneration() const { return m_structureGeneration; }
    quint64 fieldGeneration(int field) const { return m_fieldGenerations[size_t(field)]; }

signals:
    void rowAppended(int row);
    void rowChanged(int row);
    void rowRemoved(int row);
    // Anything may have changed: views rebuild from the table.
    void tableReset();
    void currentRowChanged(int row);
    void redrawSuspendedChanged(bool suspended);

private:
    int requireField(const QString &name) const;
    void store(int row, int field, const QString &value);
    void postPending();
    void moveCurrent(int row);
    void notifyReset();
    void bumpStructure();
    quint64 nextGeneration() { return ++m_generationCounter; }

    std::vector<Field> m_fields;
    QHash<QString, int> m_fieldByName;
    QString m_keyField;
    std::vector<QString> m_cells; // row-major, fieldCount() cells per row
    int m_rowCount = 0;
    int m_current = 0;
    int m_announcedCurrent = -1; // the row currentRowChanged last gave
    bool m_open = true;

    enum class Pending { None, Appended, Edited };
    Pending m_pending = Pending::None;
    int m_pendingRow = -1;

    int m_suspended = 0;
    bool m_changedWhileSuspended = false;

    // One counter hands out every generation, so no two changes share one.
    quint64 m_generationCounter = 1;
    quint64 m_structureGeneration = 1;
    std::vector<quint64> m_fieldGenerations;
};

} // namespace tarvel

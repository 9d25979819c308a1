#pragma once

#include <QHash>
#include <QString>

#include <vector>

namespace tarvel::xls {

class BiffBuffer;

// The workbook's shared string table: every text cell refers to its text by index,
// each distinct text stored once.
class SharedStringTable {
public:
    // The most characters a cell holds; longer texts are cut.
    static constexpr int kMaxChars = 32767;

    // The index of text (added on first use); counts one more cell referring to it.
    quint32 add(const QString &text);

    quint32 uniqueCount() const { return quint32(m_strings.size()); }
    quint32 totalCount() const { return m_total; }

    // Appends the SST record (with CONTINUE records where it outgrows a record)
    // and its EXTSST index. The buffer must hold the Workbook stream from its
    // start, as EXTSST stores stream positions.
    void write(BiffBuffer &out) const;

private:
    QHash<QString, quint32> m_index;
    std::vector<QString> m_strings;
    quint32 m_total = 0;
};

} // namespace tarvel::xls

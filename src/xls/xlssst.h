#pragma once

#include <QString>

#include <vector>

namespace tarvel::xls {

class BiffBuffer;

// The workbook's shared string table: every text cell refers to its text by index,
// each distinct text stored once. Lists of a hundred thousand rows may hold millions
// of distinct texts, so they are kept one after another in one array and found
// through an open-addressing hash of their indices, not as separate strings.
class SharedStringTable {
public:
    // The most characters a cell holds; longer texts are cut.
    static constexpr int kMaxChars = 32767;

    SharedStringTable();

    // The index of text (added on first use); counts one more cell referring to it.
    quint32 add(QStringView text);

    quint32 uniqueCount() const { return quint32(m_starts.size() - 1); }
    quint32 totalCount() const { return m_total; }
    QStringView at(quint32 index) const;

    // Appends the SST record (with CONTINUE records where it outgrows a record)
    // and its EXTSST index. The buffer must hold the Workbook stream from its
    // start, as EXTSST stores stream positions.
    void write(BiffBuffer &out) const;

private:
    struct Slot {
        quint32 hash = 0;
        quint32 indexPlusOne = 0; // 0: free
    };

    void grow();

    std::vector<char16_t> m_chars;
    std::vector<quint32> m_starts; // text i is m_chars[m_starts[i], m_starts[i + 1])
    std::vector<Slot> m_slots;     // a power of two long, at most half used
    quint32 m_total = 0;
};

} // namespace tarvel::xls

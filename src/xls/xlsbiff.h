#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tarvel::xls {

// Record ids of the BIFF8 records we write.
enum RecordId : quint16 {
    kEof = 0x000A,
    kDateMode = 0x0022,
    kFont = 0x0031,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kDefColWidth = 0x0055,
    kColInfo = 0x007D,
    kBoundSheet = 0x0085,
    kDbCell = 0x00D7,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kExtSst = 0x00FF,
    kDimensions = 0x0200,
    kRow = 0x0208,
    kIndex = 0x020B,
    kWindow2 = 0x023E,
    kStyle = 0x0293,
    kBof = 0x0809,
};

// Excel reads at most this many data bytes per record; longer data goes on in
// CONTINUE records.
inline constexpr int kMaxRecordData = 8224;

// A piece of a Workbook stream: records appended one after another, numbers
// little-endian.
class BiffBuffer {
public:
    // Starts a record; its length is filled in by endRecord().
    void beginRecord(quint16 id);
    void endRecord();
    // Bytes of data written so far in the open record.
    int recordDataSize() const { return int(m_data.size() - m_recordStart - 4); }
    qsizetype recordStart() const { return m_recordStart; }

    void u8(quint8 value) { m_data.append(char(value)); }
    void u16(quint16 value);
    void u32(quint32 value);
    void bytes(const char *data, qsizetype size) { m_data.append(data, size); }
    // Characters as 16-bit units, or as their low bytes (callers check they fit).
    void utf16(const char16_t *chars, qsizetype count);
    void latin1(const char16_t *chars, qsizetype count);

    // Overwrites four bytes written earlier (offsets known only later).
    void patchU32(qsizetype pos, quint32 value);

    qsizetype size() const { return m_data.size(); }
    const QByteArray &data() const { return m_data; }
    void reserve(qsizetype size) { m_data.reserve(size); }
    // Empties the buffer but keeps its memory.
    void clear()
    {
        m_data.resize(0);
        m_recordStart = -1;
    }

private:
    QByteArray m_data;
    qsizetype m_recordStart = -1;
};

// Writes the BOF record that opens a substream: the workbook globals (0x0005) or a
// worksheet (0x0010).
void writeBof(BiffBuffer &out, quint16 substreamType);

} // namespace tarvel::xls

#include "xlsbiff.h"

#include <QtEndian>

#include <algorithm>

namespace tarvel::xls {

void BiffBuffer::beginRecord(quint16 id)
{
    Q_ASSERT(m_recordStart < 0);
    m_recordStart = m_data.size();
    u16(id);
    u16(0);
}

void BiffBuffer::endRecord()
{
    Q_ASSERT(m_recordStart >= 0);
    const int length = recordDataSize();
    Q_ASSERT(length <= kMaxRecordData);
    qToLittleEndian<quint16>(quint16(length), m_data.data() + m_recordStart + 2);
    m_recordStart = -1;
}

void BiffBuffer::u16(quint16 value)
{
    char bytes[2];
    qToLittleEndian<quint16>(value, bytes);
    m_data.append(bytes, 2);
}

void BiffBuffer::u32(quint32 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    m_data.append(bytes, 4);
}

void BiffBuffer::utf16(const char16_t *chars, qsizetype count)
{
    const qsizetype at = m_data.size();
    m_data.resize(at + 2 * count);
    qToLittleEndian<quint16>(chars, count, m_data.data() + at);
}

void BiffBuffer::latin1(const char16_t *chars, qsizetype count)
{
    const qsizetype at = m_data.size();
    m_data.resize(at + count);
    std::transform(chars, chars + count, m_data.data() + at, [](char16_t c) { return char(c); });
}

void BiffBuffer::patchU32(qsizetype pos, quint32 value)
{
    Q_ASSERT(pos >= 0 && pos + 4 <= m_data.size());
    qToLittleEndian<quint32>(value, m_data.data() + pos);
}

void writeBof(BiffBuffer &out, quint16 substreamType)
{
    out.beginRecord(kBof);
    out.u16(0x0600); // BIFF8
    out.u16(substreamType);
    out.u16(0x0DBB); // build and year of the writing application, as Excel 97 writes them
    out.u16(0x07CC);
    out.u32(0);          // file history flags
    out.u32(0x00000006); // lowest version that can read all of the file: Excel 97
    out.endRecord();
}

} // namespace tarvel::xls

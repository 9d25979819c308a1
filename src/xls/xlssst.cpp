#include "xlssst.h"

#include "xlsbiff.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>

namespace tarvel::xls {

namespace {

// Option flags of a string: its characters are 16-bit (else one byte each, the
// low byte of the code point).
constexpr quint8 kUtf16 = 0x01;

bool needsUtf16(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
}

} // namespace

SharedStringTable::SharedStringTable() : m_starts{0}, m_slots(1024) {}

QStringView SharedStringTable::at(quint32 index) const
{
    const quint32 start = m_starts[index];
    return QStringView(m_chars.data() + start, qsizetype(m_starts[index + 1] - start));
}

quint32 SharedStringTable::add(QStringView text)
{
    ++m_total;
    if (text.size() > kMaxChars) {
        // Never keep half of a surrogate pair.
        text.truncate(text.at(kMaxChars - 1).isHighSurrogate() ? kMaxChars - 1 : kMaxChars);
    }
    const auto hash = quint32(qHash(text));
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    for (; m_slots[i].indexPlusOne != 0; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.hash == hash && at(slot.indexPlusOne - 1) == text)
            return slot.indexPlusOne - 1;
    }
    const quint32 index = uniqueCount();
    m_chars.insert(m_chars.end(), text.utf16(), text.utf16() + text.size());
    m_starts.push_back(quint32(m_chars.size()));
    m_slots[i] = {hash, index + 1};
    if (2 * size_t(uniqueCount()) > m_slots.size())
        grow();
    return index;
}

void SharedStringTable::grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.indexPlusOne == 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].indexPlusOne != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void SharedStringTable::write(BiffBuffer &out) const
{
    // EXTSST keeps the position of every dsst-th string, in at most 128 buckets.
    const quint32 unique = uniqueCount();
    const quint16 perBucket = quint16(std::max<quint32>(8, unique / 128 + 1));
    struct Bucket {
        quint32 streamPos;
        quint16 recordOffset;
    };
    std::vector<Bucket> buckets;
    buckets.reserve(unique / perBucket + 1);

    out.reserve(out.size() + qsizetype(m_chars.size()) * 2 + qsizetype(unique) * 3);
    out.beginRecord(kSst);
    out.u32(m_total);
    out.u32(unique);
    auto nextRecord = [&out] {
        out.endRecord();
        out.beginRecord(kContinue);
    };

    for (quint32 i = 0; i < unique; ++i) {
        const QStringView text = at(i);
        const bool wide = needsUtf16(text);
        const int charSize = wide ? 2 : 1;
        const quint8 flags = wide ? kUtf16 : 0;

        // A string's header (length and flags) is never split, and a string does
        // not start without room for its first character either.
        if (kMaxRecordData - out.recordDataSize() < 3 + charSize)
            nextRecord();
        if (i % perBucket == 0)
            buckets.push_back({quint32(out.size()), quint16(out.size() - out.recordStart())});
        out.u16(quint16(text.size()));
        out.u8(flags);

        qsizetype pos = 0;
        while (true) {
            qsizetype n =
                std::min<qsizetype>(text.size() - pos, (kMaxRecordData - out.recordDataSize()) / charSize);
            // Readers decode each piece on its own: keep surrogate pairs together.
            if (wide && n > 0 && pos + n < text.size() && text.at(pos + n - 1).isHighSurrogate())
                --n;
            if (wide)
                out.utf16(text.utf16() + pos, n);
            else
                out.latin1(text.utf16() + pos, n);
            pos += n;
            if (pos == text.size())
                break;
            // Characters going on in a CONTINUE record repeat the option flags.
            nextRecord();
            out.u8(flags);
        }
    }
    out.endRecord();

    out.beginRecord(kExtSst);
    out.u16(perBucket);
    for (const Bucket &b : buckets) {
        out.u32(b.streamPos);
        out.u16(b.recordOffset);
        out.u16(0);
    }
    out.endRecord();
}

} // namespace tarvel::xls

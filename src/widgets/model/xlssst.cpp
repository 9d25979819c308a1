#include "xlssst.h"

#include "xlsbiff.h"

#include <algorithm>

namespace tarvel::xls {

namespace {

// Option flags of a string: its characters are 16-bit (else one byte each, the
// low byte of the code point).
constexpr quint8 kUtf16 = 0x01;

bool needsUtf16(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
}

} // namespace

quint32 SharedStringTable::add(const QString &text)
{
    ++m_total;
    QString key = text;
    if (key.size() > kMaxChars) {
        // Never keep half of a surrogate pair.
        key.truncate(key.at(kMaxChars - 1).isHighSurrogate() ? kMaxChars - 1 : kMaxChars);
    }
    const auto it = m_index.constFind(key);
    if (it != m_index.constEnd())
        return it.value();
    const quint32 index = quint32(m_strings.size());
    m_index.insert(key, index);
    m_strings.push_back(std::move(key));
    return index;
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

    out.beginRecord(kSst);
    out.u32(m_total);
    out.u32(unique);
    auto nextRecord = [&out] {
        out.endRecord();
        out.beginRecord(kContinue);
    };

    for (quint32 i = 0; i < unique; ++i) {
        const QString &text = m_strings[i];
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
            if (wide) {
                for (qsizetype k = pos; k < pos + n; ++k)
                    out.u16(text.at(k).unicode());
            } else {
                QByteArray latin1 = text.mid(pos, n).toLatin1();
                out.bytes(latin1.constData(), latin1.size());
            }
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

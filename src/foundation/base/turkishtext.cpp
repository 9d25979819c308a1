#include "foundation/base/turkishtext.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace tarvel {

void appendTurkishFolded(QString &out, QStringView text)
{
    // Letter by letter: the only letter whose lower case is two (İ) is mapped
    // before, so this matches QString::toLower without its copies.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    QChar *to = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'I') {
            to[i] = QChar(u'ı');
        } else if (c.unicode() < 0x80) {
            to[i] = c.unicode() >= u'A' && c.unicode() <= u'Z' ? QChar(c.unicode() + 0x20) : c;
        } else if (c == QChar(u'İ')) {
            to[i] = QChar(u'i');
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(c, text[i + 1]));
            to[i] = QChar::highSurrogate(lower);
            to[++i] = QChar::lowSurrogate(lower);
        } else {
            to[i] = QChar(QChar::toLower(c.unicode()));
        }
    }
}

QString turkishFold(const QString &text)
{
    QString folded;
    appendTurkishFolded(folded, text);
    return folded;
}

namespace {

QCollator systemCollator()
{
    QCollator collator(QLocale(QLocale::Turkish, QLocale::Turkey));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return collator;
}

// Primary weight of a folded character: digits, then the Turkish letters in
// alphabet order, then everything else by code point after them.
quint16 primaryWeight(QChar c)
{
    static const QString alphabet = QStringLiteral("abcçdefgğhıijklmnoöpqrsştuüvwxyz");
    // The circumflex only marks a vowel's length: â, î, û sort as a, i, u.
    if (c == QChar(u'â'))
        c = QChar(u'a');
    else if (c == QChar(u'î'))
        c = QChar(u'i');
    else if (c == QChar(u'û'))
        c = QChar(u'u');
    if (c >= u'0' && c <= u'9')
        return quint16(0x100 + (c.unicode() - u'0'));
    const qsizetype letter = alphabet.indexOf(c);
    if (letter >= 0)
        return quint16(0x200 + letter);
    if (c.unicode() < 0x80)
        return quint16(0x10 + c.unicode()); // blanks and punctuation before digits
    return quint16(std::min(0xFFFF, 0x300 + c.unicode()));
}

} // namespace

QByteArray turkishAlphabetKey(const QString &text)
{
    const QString folded = turkishFold(text);
    QByteArray key;
    key.reserve(folded.size() * 3 + 2);
    for (const QChar c : folded) {
        const quint16 w = primaryWeight(c);
        key.append(char(w >> 8)).append(char(w & 0xFF));
    }
    // Letter case decides only between texts equal apart from it.
    key.append('\0').append('\0');
    for (const QChar c : text)
        key.append(c.isUpper() ? '\2' : '\1');
    return key;
}

bool TurkishCollator::systemOrdersTurkish()
{
    static const bool orders = [] {
        const QCollator c = systemCollator();
        const auto before = [&c](const char16_t *a, const char16_t *b) {
            return c.compare(QString::fromUtf16(a), QString::fromUtf16(b)) < 0;
        };
        return before(u"cz", u"ça") && before(u"çz", u"da") && before(u"gz", u"ğa") && before(u"hz", u"ıa") &&
               before(u"ız", u"ia") && before(u"IZ", u"İA") && before(u"sz", u"şa") && before(u"şz", u"ta") &&
               before(u"oz", u"öa") && before(u"uz", u"üa");
    }();
    return orders;
}

TurkishCollator::TurkishCollator() : m_engine(systemOrdersTurkish() ? Engine::System : Engine::Alphabet) {}

int TurkishCollator::compare(const QString &a, const QString &b) const
{
    if (m_engine == Engine::System)
        return systemCollator().compare(a, b);
    const QByteArray ka = turkishAlphabetKey(a);
    const QByteArray kb = turkishAlphabetKey(b);
    return ka < kb ? -1 : (kb < ka ? 1 : 0);
}

std::vector<int> TurkishCollator::order(const std::vector<QString> &texts) const
{
    std::vector<int> positions(texts.size());
    std::iota(positions.begin(), positions.end(), 0);
    // Keys are made once per text: comparing them is far cheaper than collating.
    if (m_engine == Engine::System) {
        const QCollator collator = systemCollator();
        std::vector<QCollatorSortKey> keys;
        keys.reserve(texts.size());
        for (const QString &t : texts)
            keys.push_back(collator.sortKey(t));
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    } else {
        std::vector<QByteArray> keys;
        keys.reserve(texts.size());
        for (const QString &t : texts)
            keys.push_back(turkishAlphabetKey(t));
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    }
    return positions;
}

} // namespace tarvel

#pragma once

#include <QString>
#include <vector>

namespace tarvel {

// Lower case as Turkish pairs the letters: I -> ı, İ -> i, every other letter
// as Unicode lowers it. Searches compare folded texts, so "izmir" finds
// "İZMİR" and "ıspanak" finds "ISPANAK" whatever the machine's locale.
QString turkishFold(const QString &text);
// The same, appended to out.
void appendTurkishFolded(QString &out, QStringView text);

// Turkish alphabetical order: Ç after C, Ğ after G, I (ı) before İ (i), Ö
// after O, Ş after S, Ü after U; letter case only decides between otherwise
// equal texts (lower case first). The system's collation (ICU) is used when it
// orders Turkish that way; otherwise an explicit alphabet does, so the lists
// sort the same on a machine without the collation data.
class TurkishCollator {
public:
    enum class Engine { System, Alphabet };

    TurkishCollator(); // System when available, else Alphabet
    explicit TurkishCollator(Engine engine) : m_engine(engine) {}

    Engine engine() const { return m_engine; }
    static bool systemOrdersTurkish();

    int compare(const QString &a, const QString &b) const;
    // The positions of texts in that order (equal texts keep their positions' order).
    std::vector<int> order(const std::vector<QString> &texts) const;

private:
    Engine m_engine;
};

// The Alphabet engine's key: texts compare as their keys compare bytewise.
QByteArray turkishAlphabetKey(const QString &text);

} // namespace tarvel

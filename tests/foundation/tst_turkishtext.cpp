// Turkish letter case and alphabetical order, with the system's collation and
// with the alphabet the program falls back to without it.
#include "foundation/base/turkishtext.h"

#include <QTest>

using namespace tarvel;

Q_DECLARE_METATYPE(TurkishCollator::Engine)

class TestTurkishText : public QObject {
    Q_OBJECT
private slots:
    void fold_data();
    void fold();
    void order_data();
    void order();
};

void TestTurkishText::fold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("dotted capital") << "İZMİR"
                                    << "izmir";
    QTest::newRow("dotless capital") << "ISPARTA"
                                     << "ısparta";
    QTest::newRow("other letters") << "ŞÇĞÖÜ abc"
                                   << "şçğöü abc";
    QTest::newRow("already lower") << "ıi"
                                   << "ıi";
    QTest::newRow("digits, signs and blanks kept") << "A-1.234,50 %12\n_Z"
                                                   << "a-1.234,50 %12\n_z";
    QTest::newRow("other scripts as Unicode lowers them") << "ÂÎÛ ΣΩ ДЖ"
                                                          << "âîû σω дж";
    QTest::newRow("beyond the basic plane")
        << QString::fromUtf16(u"\U00010400X") << QString::fromUtf16(u"\U00010428x");
}

void TestTurkishText::fold()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(turkishFold(text), folded);
}

void TestTurkishText::order_data()
{
    QTest::addColumn<TurkishCollator::Engine>("engine");
    QTest::addColumn<QStringList>("sorted");

    const QStringList sorted{"abc", "ABC",  "cam",   "CAM",  "çay",   "Çay",  "dam",   "gül", "Ğ",
                             "hal", "ılık", "IRMAK", "ilaç", "İZMİR", "kâse", "kasım", "ot",  "öykü",
                             "SU",  "sus",  "şeker", "tuz",  "un",    "üzüm", "zeytin"};
    QTest::newRow("alphabet") << TurkishCollator::Engine::Alphabet << sorted;
    if (TurkishCollator::systemOrdersTurkish())
        QTest::newRow("system") << TurkishCollator::Engine::System << sorted;
}

void TestTurkishText::order()
{
    QFETCH(TurkishCollator::Engine, engine);
    QFETCH(QStringList, sorted);

    std::vector<QString> shuffled(sorted.rbegin(), sorted.rend());
    std::swap(shuffled[3], shuffled[11]);
    const TurkishCollator collator(engine);
    QStringList result;
    for (int position : collator.order(shuffled))
        result << shuffled[size_t(position)];
    QCOMPARE(result, sorted);
    QVERIFY(collator.compare(QStringLiteral("Ç"), QStringLiteral("D")) < 0);
    QVERIFY(collator.compare(QStringLiteral("ş"), QStringLiteral("S")) > 0);
}

QTEST_GUILESS_MAIN(TestTurkishText)
#include "tst_turkishtext.moc"

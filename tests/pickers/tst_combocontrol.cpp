// The customer list's type-ahead: the pure completion rules, and the widget
// binding that feeds them the user's keys and only those.
#include "pickers/combocompletion.h"
#include "pickers/ui/combocontrol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace tarvel;

class TestComboControl : public QObject {
    Q_OBJECT

private slots:
    void completion_data();
    void completion();
    void exactEntry_data();
    void exactEntry();

    void typing_data();
    void typing();
    void programTextIsNotCompleted();
    void downArrowOpensList();

private:
    struct Combo {
        std::unique_ptr<QComboBox> box;
        QLineEdit *edit() const { return box->lineEdit(); }
    };
    static Combo makeCombo(const QStringList &entries);
};

void TestComboControl::completion_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("completed"); // empty: no completion
    QTest::addColumn<int>("selectionStart");

    const QStringList abc{QStringLiteral("ABC"), QStringLiteral("ABCD")};
    QTest::newRow("an entry equal to the text is skipped") << abc << "ABC" << 3 << "ABCD" << 3;
    QTest::newRow("typed case kept, tail from the entry")
        << QStringList{QStringLiteral("Abc Ltd")} << "ab" << 2 << "abc Ltd" << 2;
    QTest::newRow("Turkish upper-casing: i is İ")
        << QStringList{QStringLiteral("İZMİR GIDA")} << "izm" << 3 << "izmİR GIDA" << 3;
    QTest::newRow("dotless ı is I") << QStringList{QStringLiteral("IRMAK")} << "ır" << 2 << "ırMAK" << 2;
    QTest::newRow("no entry begins with it") << abc << "X" << 1 << "" << 0;
    QTest::newRow("empty text") << abc << "" << 0 << "" << 0;
    QTest::newRow("first fitting entry wins")
        << QStringList{QStringLiteral("MEHMET'İN GIDA"), QStringLiteral("MEHMET ALİ")} << "MEHMET" << 6
        << "MEHMET'İN GIDA" << 6;
    QTest::newRow("? stands for any one character")
        << QStringList{QStringLiteral("KARA")} << "K?" << 2 << "K?RA" << 2;
    QTest::newRow("# stands for a digit") << QStringList{QStringLiteral("B2B")} << "B#" << 2 << "B#B" << 2;
    QTest::newRow("only what stands before the caret counts")
        << QStringList{QStringLiteral("ABCD")} << "ABX" << 2 << "ABCDX" << 2;
}

void TestComboControl::completion()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, completed);
    QFETCH(int, selectionStart);

    const std::optional<ComboCompletion> result = completeComboText(entries, text, caret);
    QCOMPARE(result.has_value(), !completed.isEmpty());
    if (!result)
        return;
    QCOMPARE(result->text, completed);
    QCOMPARE(result->selectionStart, selectionStart);
    QCOMPARE(result->selectionLength, int(completed.size()) - selectionStart);
}

void TestComboControl::exactEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry"); // empty: none
    QTest::newRow("letter case of the entry") << "abc ltd"
                                              << "Abc Ltd";
    QTest::newRow("Turkish i and ı") << "izmir gıda"
                                     << "İZMİR GIDA";
    QTest::newRow("prefix is no match") << "Abc"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestComboControl::exactEntry()
{
    QFETCH(QString, text);
    QFETCH(QString, entry);
    const QStringList entries{QStringLiteral("Abc Ltd"), QStringLiteral("İZMİR GIDA")};
    QCOMPARE(exactComboEntry(entries, text).value_or(QString()), entry);
}

TestComboControl::Combo TestComboControl::makeCombo(const QStringList &entries)
{
    Combo combo{std::make_unique<QComboBox>()};
    combo.box->setEditable(true);
    combo.box->addItems(entries);
    combo.box->setCurrentIndex(-1);
    combo.box->setEditText(QString());
    ComboControl::attach(combo.box.get());
    combo.box->show();
    combo.box->activateWindow();
    combo.box->setFocus();
    return combo;
}

void TestComboControl::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // pressed after typing; 0: none
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("caret");

    QTest::newRow("completes, tail selected") << "ab" << 0 << "abc Ltd"
                                              << "c Ltd" << 2;
    QTest::newRow("the next letter replaces the tail") << "abc " << 0 << "abc Ltd"
                                                       << "Ltd" << 4;
    QTest::newRow("Enter takes the entry's letter case, caret at the end")
        << "ab" << int(Qt::Key_Return) << "Abc Ltd"
        << "" << 7;
    QTest::newRow("Backspace: the tail and one typed letter, no new completion")
        << "abc" << int(Qt::Key_Backspace) << "ab"
        << "" << 2;
    QTest::newRow("Delete: the tail, the caret stays") << "ab" << int(Qt::Key_Delete) << "ab"
                                                       << "" << 2;
    QTest::newRow("no entry fits: the text as typed") << "xy" << 0 << "xy"
                                                      << "" << 2;
    QTest::newRow("Enter without a match changes nothing") << "xy" << int(Qt::Key_Return) << "xy"
                                                           << "" << 2;
}

void TestComboControl::typing()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(int, caret);

    Combo combo = makeCombo({QStringLiteral("Abc Ltd"), QStringLiteral("Bcd")});
    QTest::keyClicks(combo.box.get(), typed);
    if (key != 0)
        QTest::keyClick(combo.box.get(), Qt::Key(key));
    QCOMPARE(combo.edit()->text(), text);
    QCOMPARE(combo.edit()->selectedText(), selected);
    QCOMPARE(combo.edit()->cursorPosition(), caret);
    // Nothing typed is ever added to the entries.
    QCOMPARE(combo.box->count(), 2);
}

void TestComboControl::programTextIsNotCompleted()
{
    Combo combo = makeCombo({QStringLiteral("Abc Ltd"), QStringLiteral("Ab")});
    QStringList changes;
    connect(combo.box.get(), &QComboBox::editTextChanged, this, [&](const QString &t) { changes << t; });
    combo.box->setEditText(QStringLiteral("Ab"));
    QCOMPARE(combo.edit()->text(), QStringLiteral("Ab"));
    QCOMPARE(changes, QStringList{QStringLiteral("Ab")});
    // Choosing an entry of the list is a program-made change too.
    combo.box->setCurrentIndex(0);
    QCOMPARE(combo.edit()->text(), QStringLiteral("Abc Ltd"));
    QCOMPARE(combo.edit()->selectedText(), QString());
}

void TestComboControl::downArrowOpensList()
{
    Combo combo = makeCombo({QStringLiteral("Abc Ltd"), QStringLiteral("Bcd")});
    QTest::keyClicks(combo.box.get(), QStringLiteral("B"));
    QTest::keyClick(combo.box.get(), Qt::Key_Down);
    QTRY_VERIFY(combo.box->view()->isVisible());
    // Opening the list does not move to another entry.
    QCOMPARE(combo.edit()->text(), QStringLiteral("Bcd"));
    combo.box->hidePopup();
}

QTEST_MAIN(TestComboControl)
#include "tst_combocontrol.moc"

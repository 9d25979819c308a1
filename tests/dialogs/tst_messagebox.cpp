#include "dialogs/messagebox.h"
#include "dialogs/messagedialog.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>

using namespace tarvel;

namespace {

// What a message window showed.
struct Seen {
    QString title;
    QString text;
    QStringList pictures; // visible pictures by name
    QStringList buttons;  // visible buttons, left to right
    QDialog *dialog = nullptr;
};

Seen look(QDialog *dialog)
{
    Seen seen;
    seen.dialog = dialog;
    seen.title = dialog->windowTitle();
    seen.text = dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text();
    for (const char *name : {"i1", "i2", "i3"}) {
        if (dialog->findChild<QLabel *>(QLatin1String(name))->isVisible())
            seen.pictures << QLatin1String(name);
    }
    QList<QPushButton *> buttons;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->isVisible())
            buttons << button;
    }
    std::sort(buttons.begin(), buttons.end(), [dialog](QPushButton *a, QPushButton *b) {
        return a->mapTo(dialog, QPoint()).x() < b->mapTo(dialog, QPoint()).x();
    });
    for (QPushButton *button : buttons)
        seen.buttons << button->text();
    return seen;
}

// showmessage waits in its own event loop; this answers every message window
// that comes up, the way a user would, and records what it showed.
class MessageWatcher : public QObject {
public:
    // "EVET", "TAMAM", "HAYIR": click that button; "Escape": press Esc;
    // "close": the window's close box.
    explicit MessageWatcher(const QString &how) : m_how(how)
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageWatcher::tick);
        m_timer.start(5);
    }

    QList<Seen> seen;
    QList<int> answersAtClose;

private:
    void tick()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(w);
            if (!dialog || dialog->objectName() != QLatin1String("mesaj") || !dialog->isVisible())
                continue;
            seen << look(dialog);
            connect(dialog, &QDialog::finished, this, [this] { answersAtClose << MessageDialog::answer(); });
            if (m_how == QLatin1String("Escape")) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else if (m_how == QLatin1String("close")) {
                dialog->close();
            } else {
                for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                    if (button->text() == m_how && button->isVisible())
                        button->click();
                }
            }
            if (dialog->isVisible()) // the asked-for button is not there
                QTest::keyClick(dialog, Qt::Key_Escape);
            if (dialog->isVisible()) // never leave the test waiting
                dialog->hide();
        }
    }

    QString m_how;
    QTimer m_timer;
};

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void looks_data();
    void looks();
    void twoMessagesStartClean();
    void textFits_data();
    void textFits();
    void responder_data();
    void responder();
};

void TestMessageBox::answers_data()
{
    QTest::addColumn<int>("buttonKind");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("answer"); // the answer state while the window closes

    QTest::newRow("EVET/HAYIR answered EVET") << 2 << "EVET" << true << 1;
    QTest::newRow("EVET/HAYIR answered HAYIR") << 2 << "HAYIR" << false << 0;
    QTest::newRow("EVET/HAYIR closed with Esc") << 2 << "Escape" << false << 2;
    QTest::newRow("TAMAM answered TAMAM") << 1 << "TAMAM" << true << 1;
    QTest::newRow("TAMAM closed with Esc") << 1 << "Escape" << false << 2;
    QTest::newRow("TAMAM closed with the close box") << 1 << "close" << false << 2;
    QTest::newRow("no button, Esc") << 0 << "Escape" << false << 2;
}

void TestMessageBox::answers()
{
    QFETCH(int, buttonKind);
    QFETCH(QString, how);
    QFETCH(bool, result);
    QFETCH(int, answer);

    MessageWatcher watcher(how);
    QCOMPARE(
        showmessage(QStringLiteral("Devam edilsin mi?"), Caption::Onay, Icon::Check, Buttons(buttonKind)),
        result);
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.answersAtClose, QList<int>{answer});
    // Back at rest for the next message.
    QCOMPARE(MessageDialog::answer(), 0);
}

void TestMessageBox::looks_data()
{
    QTest::addColumn<int>("captionKind");
    QTest::addColumn<int>("iconKind");
    QTest::addColumn<int>("buttonKind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QStringList>("buttons");

    const QStringList tamam{QStringLiteral("TAMAM")};
    const QStringList evetHayir{QStringLiteral("EVET"), QStringLiteral("HAYIR")};
    QTest::newRow("1 1 1") << 1 << 1 << 1 << "TAMAM" << QStringList{"i3"} << tamam;
    QTest::newRow("2 2 2") << 2 << 2 << 2 << "DİKKAT" << QStringList{"i2"} << evetHayir;
    QTest::newRow("3 3 1") << 3 << 3 << 1 << "UYARI" << QStringList{"i1"} << tamam;
    QTest::newRow("4 1 2") << 4 << 1 << 2 << "ONAY" << QStringList{"i3"} << evetHayir;
    QTest::newRow("0 0 0") << 0 << 0 << 0 << "" << QStringList() << QStringList();
    QTest::newRow("5 4 3") << 5 << 4 << 3 << "" << QStringList() << QStringList();
    QTest::newRow("negative") << -1 << -1 << -1 << "" << QStringList() << QStringList();
}

void TestMessageBox::looks()
{
    QFETCH(int, captionKind);
    QFETCH(int, iconKind);
    QFETCH(int, buttonKind);
    QFETCH(QString, title);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, buttons);

    MessageWatcher watcher(QStringLiteral("Escape"));
    const QString text = QStringLiteral("Ayarları Kontrol Ediniz...");
    showmessage(text, Caption(captionKind), Icon(iconKind), Buttons(buttonKind));
    QCOMPARE(watcher.seen.size(), 1);
    const Seen &seen = watcher.seen.first();
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.pictures, pictures);
    QCOMPARE(seen.buttons, buttons);
}

void TestMessageBox::twoMessagesStartClean()
{
    MessageWatcher watcher(QStringLiteral("Escape"));
    showmessage(QStringLiteral("Birinci"), Caption::Uyari, Icon::Cross, Buttons::EvetHayir);
    showmessage(QStringLiteral("İkinci"), Caption(0), Icon(0), Buttons(0));
    QCOMPARE(watcher.seen.size(), 2);
    QCOMPARE(watcher.seen.at(0).pictures, QStringList{"i1"});
    QCOMPARE(watcher.seen.at(1).title, QString());
    QCOMPARE(watcher.seen.at(1).text, QStringLiteral("İkinci"));
    QCOMPARE(watcher.seen.at(1).pictures, QStringList());
    QCOMPARE(watcher.seen.at(1).buttons, QStringList());
}

void TestMessageBox::textFits_data()
{
    QTest::addColumn<QString>("text");

    const QString sentence = QStringLiteral("Yazıcı bulunamadı; lütfen ayarları kontrol ediniz. ");
    QTest::newRow("one word") << QStringLiteral("Tamam");
    QTest::newRow("long sentence") << sentence.repeated(12);
    QTest::newRow("one long word") << QStringLiteral("Ğ").repeated(300);
    QTest::newRow("long path") << QStringLiteral("Hata Yeri: /home/kullanici/") +
                                      QStringLiteral("klasör/").repeated(40);
    QTest::newRow("many lines") << QStringLiteral("satır\n").repeated(200);
}

// The window stays on the screen, and a text too long for it can be scrolled
// to rather than being cut off.
void TestMessageBox::textFits()
{
    QFETCH(QString, text);

    MessageDialog dialog(text, 2, 2, 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY(screen.contains(dialog.frameGeometry()));

    auto *label = dialog.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *scroll = dialog.findChild<QScrollArea *>();
    QCOMPARE(label->text(), text);
    QVERIFY(label->width() <= scroll->viewport()->width());
    if (label->height() > scroll->viewport()->height())
        QVERIFY(scroll->verticalScrollBar()->isVisible());
    QVERIFY(label->width() > 0 && label->height() > 0);
}

void TestMessageBox::responder_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");

    QTest::newRow("TAMAM or EVET") << 1 << true;
    QTest::newRow("HAYIR") << 0 << false;
    QTest::newRow("closed") << 2 << false;
}

void TestMessageBox::responder()
{
    QFETCH(int, answer);
    QFETCH(bool, result);

    QStringList asked;
    setMessageResponder([&](const QString &text, Caption caption, Icon icon, Buttons buttons) {
        asked << QStringLiteral("%1 %2 %3 %4").arg(text).arg(int(caption)).arg(int(icon)).arg(int(buttons));
        return answer;
    });
    QCOMPARE(showmessage(QStringLiteral("Yanlış Şifre"), Caption::Tamam, Icon::Warning, Buttons::Tamam),
             result);
    setMessageResponder({});
    QCOMPARE(asked, QStringList{QStringLiteral("Yanlış Şifre 1 2 1")});
    QCOMPARE(MessageDialog::answer(), 0);

    // Without a responder the window is back.
    MessageWatcher watcher(QStringLiteral("TAMAM"));
    QVERIFY(showmessage(QStringLiteral("Tekrar"), Caption::Tamam, Icon::Check, Buttons::Tamam));
    QCOMPARE(watcher.seen.size(), 1);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"

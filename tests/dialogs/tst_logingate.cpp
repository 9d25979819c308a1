#include "dialogs/logingate.h"
#include "foundation/base/numbers.h"
#include "foundation/store/localstore.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarvel;

namespace {

struct Message {
    QString title;
    QString text;
    QString picture;
};

// Answers every message window with TAMAM and records what it said.
class MessageWatcher : public QObject {
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageWatcher::tick);
        m_timer.start(5);
    }
    QList<Message> seen;

private:
    void tick()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("mesaj") || !w->isVisible())
                continue;
            Message m{w->windowTitle(), w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), {}};
            for (const char *name : {"i1", "i2", "i3"}) {
                if (w->findChild<QLabel *>(QLatin1String(name))->isVisible())
                    m.picture = QLatin1String(name);
            }
            seen << m;
            w->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
            if (w->isVisible()) // never leave the test waiting
                w->hide();
        }
    }
    QTimer m_timer;
};

void runSql(const QString &file, const QString &statement)
{
    const QString name = QStringLiteral("tst_logingate");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

// A program directory and a separate working directory, each with its own
// data.dbs: the gate must read the program directory's.
struct Install {
    QTemporaryDir programDir;
    QTemporaryDir workDir;
    AppPaths paths{programDir.path(), workDir.path()};
    int settingsOpened = 0;

    explicit Install(const QString &password)
    {
        StoreContents contents;
        contents.loginPassword = password;
        createStore(storePath(paths.programDir), contents);
        contents.loginPassword = QStringLiteral("ÇALIŞMA");
        createStore(storePath(paths.workDir), contents);
    }
    LoginGate *gate()
    {
        auto *gate = new LoginGate(paths, [this] { ++settingsOpened; });
        gate->show();
        return gate;
    }
};

} // namespace

class TestLoginGate : public QObject {
    Q_OBJECT

private slots:
    void looks();
    void password_data();
    void password();
    void unreadable_data();
    void unreadable();
    void turkishUpper_data();
    void turkishUpper();
};

void TestLoginGate::looks()
{
    Install install(QStringLiteral("X"));
    std::unique_ptr<LoginGate> gate(install.gate());
    QCOMPARE(gate->objectName(), QStringLiteral("login"));
    QCOMPARE(gate->windowTitle(), QStringLiteral("Parametre Login"));
    QVERIFY(!gate->isModal());
    QVERIFY(gate->findChild<QLabel *>(QStringLiteral("picture"))->pixmap().isNull() == false);
    bool caption = false;
    for (QLabel *label : gate->findChildren<QLabel *>())
        caption = caption || label->text() == QStringLiteral("Giriş Parolası:");
    QVERIFY(caption);
    auto *lgpass = gate->findChild<QLineEdit *>(QStringLiteral("lgpass"));
    QVERIFY(lgpass);
    lgpass->setText(QStringLiteral("abç"));
    QCOMPARE(lgpass->echoMode(), QLineEdit::Password);
    QCOMPARE(lgpass->displayText(), QStringLiteral("***"));
    QCOMPARE(gate->findChild<QPushButton *>(QStringLiteral("tamam"))->text(), QStringLiteral("Tamam"));
}

void TestLoginGate::password_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enterKey");
    QTest::addColumn<bool>("accepted");

    for (bool enter : {false, true}) {
        const char *how = enter ? "Enter" : "Tamam";
        QTest::addRow("typed in lower case, %s", how) << "ŞİFRE1"
                                                      << "şifre1" << enter << true;
        QTest::addRow("wrong, %s", how) << "ŞİFRE1"
                                        << "şifre2" << enter << false;
    }
    QTest::newRow("typed as stored") << "ŞİFRE1"
                                     << "ŞİFRE1" << false << true;
    QTest::newRow("dotless ı becomes I") << "IŞIK"
                                         << "ışık" << false << true;
    QTest::newRow("dotted i becomes İ, not I") << "ISIK"
                                               << "isik" << false << false;
    QTest::newRow("lower-case stored, typed alike") << "abc"
                                                    << "abc" << false << false;
    QTest::newRow("lower-case stored, typed upper") << "abc"
                                                    << "ABC" << false << false;
    QTest::newRow("empty stored, nothing typed") << ""
                                                 << "" << false << true;
    QTest::newRow("empty stored, something typed") << ""
                                                   << "x" << false << false;
    QTest::newRow("working directory's password") << "ŞİFRE1"
                                                  << "çalışma" << false << false;
}

void TestLoginGate::password()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, enterKey);
    QFETCH(bool, accepted);

    Install install(stored);
    std::unique_ptr<LoginGate> gate(install.gate());
    QVERIFY(gate->passwordReadable());
    auto *lgpass = gate->findChild<QLineEdit *>(QStringLiteral("lgpass"));
    lgpass->setText(typed);

    MessageWatcher watcher;
    if (enterKey)
        QTest::keyClick(lgpass, Qt::Key_Return);
    else
        gate->findChild<QPushButton *>(QStringLiteral("tamam"))->click();

    QCOMPARE(install.settingsOpened, accepted ? 1 : 0);
    QCOMPARE(gate->isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(watcher.seen.size(), 0);
        return;
    }
    // Exactly one message, even for Enter, then an empty field with the focus.
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().text, QStringLiteral("Yanlış Şifre"));
    QCOMPARE(watcher.seen.first().title, QStringLiteral("TAMAM"));
    QCOMPARE(watcher.seen.first().picture, QStringLiteral("i2"));
    QCOMPARE(lgpass->text(), QString());
    QCOMPARE(gate->focusWidget(), lgpass);
}

void TestLoginGate::unreadable_data()
{
    QTest::addColumn<QString>("damage"); // a statement on the program directory's store, or "remove"
    QTest::addColumn<QString>("typed");

    QTest::newRow("no data.dbs") << "remove"
                                 << "";
    QTest::newRow("no login table") << "drop table login"
                                    << "";
    QTest::newRow("no row") << "delete from login"
                            << "";
    QTest::newRow("no row, something typed") << "delete from login"
                                             << "ŞİFRE";
    QTest::newRow("NULL password") << "update login set sifre = NULL"
                                   << "";
    QTest::newRow("no sifre column") << "alter table login drop column sifre"
                                     << "";
}

// Nothing opens the gate without a stored password, not even an empty text;
// "Tamam" says why.
void TestLoginGate::unreadable()
{
    QFETCH(QString, damage);
    QFETCH(QString, typed);

    Install install(QStringLiteral("ŞİFRE"));
    const QString file = storePath(install.paths.programDir);
    if (damage == QLatin1String("remove"))
        QVERIFY(QFile::remove(file));
    else
        runSql(file, damage);

    std::unique_ptr<LoginGate> gate(install.gate());
    QVERIFY(!gate->passwordReadable());
    auto *lgpass = gate->findChild<QLineEdit *>(QStringLiteral("lgpass"));
    lgpass->setText(typed);
    MessageWatcher watcher;
    gate->findChild<QPushButton *>(QStringLiteral("tamam"))->click();

    QCOMPARE(install.settingsOpened, 0);
    QVERIFY(gate->isVisible());
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().text, LoginGate::unreadableMessage(file));
    QCOMPARE(lgpass->text(), QString());
}

void TestLoginGate::turkishUpper_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");

    QTest::newRow("dotted i") << "şifre1"
                              << "ŞİFRE1";
    QTest::newRow("dotless ı") << "ışık"
                               << "IŞIK";
    QTest::newRow("other Turkish letters") << "ğüşöç"
                                           << "ĞÜŞÖÇ";
    QTest::newRow("upper case unchanged") << "İI ĞÜŞÖÇ"
                                          << "İI ĞÜŞÖÇ";
    QTest::newRow("digits and signs") << "a-1 b_2!"
                                      << "A-1 B_2!";
    QTest::newRow("empty") << ""
                           << "";
}

void TestLoginGate::turkishUpper()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(tarvel::turkishUpper(text), upper);
}

QTEST_MAIN(TestLoginGate)
#include "tst_logingate.moc"

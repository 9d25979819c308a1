#include "foundation/store/localstore.h"

#include "foundation/base/errors.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/store/sidefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace tarvel {

namespace {

const QString handleConnection = QStringLiteral("tarvel-localstore");
const QString createConnection = QStringLiteral("tarvel-localstore-create");

// How long a store locked by another program is waited for.
constexpr int busyTimeoutMs = 2000;

QString errorText(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("bilinmeyen hata") : text;
}

// "PATH okunamadı: CAUSE"
QString unreadable(const QString &path, const QString &cause)
{
    return QStringLiteral("%1 okunamadı: %2").arg(path, cause);
}

// The table a store statement reads ("select * from server where ..." -> server).
QString tableOf(const QString &statement)
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(statement);
    return match.hasMatch() ? match.captured(1) : statement;
}

// The table an update statement writes ("Update server set ..." -> server);
// empty for any other statement.
QString updatedTable(const QString &statement)
{
    static const QRegularExpression update(QStringLiteral("^\\s*update\\s+(\\w+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = update.match(statement);
    return match.hasMatch() ? match.captured(1) : QString();
}

// What SQLite's error means, in Turkish; the engine's own text for the rest.
QString sqliteCause(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    static const QRegularExpression missing(QStringLiteral("^no such (table|column): *(\\S+)"));
    if (const QRegularExpressionMatch m = missing.match(text); m.hasMatch()) {
        return m.captured(1) == QLatin1String("table")
                   ? QStringLiteral("\"%1\" tablosu yok.").arg(m.captured(2))
                   : QStringLiteral("\"%1\" alanı yok.").arg(m.captured(2));
    }
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff; // primary code of an extended one
    if (ok) {
        switch (code) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("dosya başka bir program tarafından kilitli; o program kapanınca yeniden "
                                  "deneyin.");
        case SQLITE_NOTADB:
            return QStringLiteral("dosya bir veritabanı değil (bozuk ya da başka bir dosya).");
        case SQLITE_CORRUPT:
            return QStringLiteral("veritabanı dosyası bozuk.");
        case SQLITE_PERM:
        case SQLITE_AUTH:
        case SQLITE_CANTOPEN:
            return QStringLiteral("dosya açılamadı (erişim izni yok ya da dosya kullanılamıyor).");
        case SQLITE_READONLY:
            return QStringLiteral("dosyaya yazma izni yok.");
        case SQLITE_FULL:
            return QStringLiteral("disk dolu.");
        case SQLITE_IOERR:
            return QStringLiteral("disk okuma/yazma hatası (%1).").arg(text);
        default:
            break;
        }
    }
    return text.isEmpty() ? errorText(error) : text;
}

// The tables and columns of data.dbs, key column first.
struct TableShape {
    QString name;
    QStringList columns;
};

QList<TableShape> storeTables()
{
    return {
        {QStringLiteral("login"), {QStringLiteral("id"), QStringLiteral("sifre")}},
        {QStringLiteral("server"),
         {QStringLiteral("id"), QStringLiteral("server"), QStringLiteral("sql"), QStringLiteral("kuladi"),
          QStringLiteral("sifre")}},
        {QStringLiteral("instan"),
         {QStringLiteral("id"), QStringLiteral("insname"), QStringLiteral("inskullan")}},
        {QStringLiteral("veritabani"),
         {QStringLiteral("id"), QStringLiteral("fir"), QStringLiteral("don"), QStringLiteral("fiyat1"),
          QStringLiteral("fiyat2"), QStringLiteral("brset"), QStringLiteral("birim1"),
          QStringLiteral("birim2"), QStringLiteral("stkartipi"), QStringLiteral("sateleman"),
          QStringLiteral("genkdv")}},
        {QStringLiteral("ses"), {QStringLiteral("id"), QStringLiteral("bulses"), QStringLiteral("bulmases")}},
    };
}

QStringList rowValues(const QString &table, const StoreContents &c)
{
    const QString id = QStringLiteral("1");
    if (table == QLatin1String("login"))
        return {id, c.loginPassword};
    if (table == QLatin1String("server"))
        return {id, c.server, c.database, c.user, c.password};
    if (table == QLatin1String("instan"))
        return {id, c.instanceName, c.instanceUsed};
    if (table == QLatin1String("veritabani"))
        return {id,       c.fir,    c.don,       c.fiyat1,    c.fiyat2, c.brset,
                c.birim1, c.birim2, c.stkartipi, c.sateleman, c.genkdv};
    return {id, c.bulses, c.bulmases};
}

void fillStore(QSqlDatabase &db, const StoreContents &contents)
{
    if (!db.transaction())
        throw StoreError(errorText(db.lastError()));
    QSqlQuery q(db);
    for (const TableShape &table : storeTables()) {
        QStringList columnDefs;
        QStringList marks;
        for (const QString &column : table.columns) {
            columnDefs << column + QStringLiteral(" TEXT");
            marks << QStringLiteral("?");
        }
        if (!q.exec(QStringLiteral("create table %1 (%2)")
                        .arg(table.name, columnDefs.join(QStringLiteral(", ")))))
            throw StoreError(errorText(q.lastError()));
        if (!q.prepare(QStringLiteral("insert into %1 values (%2)")
                           .arg(table.name, marks.join(QStringLiteral(", ")))))
            throw StoreError(errorText(q.lastError()));
        // Every column holds a value; an empty text is stored as '' and never as NULL.
        for (const QString &value : rowValues(table.name, contents))
            q.addBindValue(value.isNull() ? QStringLiteral("") : value);
        if (!q.exec())
            throw StoreError(errorText(q.lastError()));
    }
    if (!db.commit())
        throw StoreError(errorText(db.lastError()));
}

} // namespace

QString StoreRow::value(const QString &column) const
{
    const QString key = column.toLower();
    const auto it = m_values.constFind(key);
    if (it != m_values.constEnd())
        return it.value();
    const QString what = m_nulls.contains(key) ? QStringLiteral("\"%1\" tablosunda \"%2\" alanı boş (NULL).")
                                               : QStringLiteral("\"%1\" tablosunda \"%2\" alanı yok.");
    throw StoreError(unreadable(m_path, what.arg(m_table, column)));
}

bool StoreRow::has(const QString &column) const
{
    return m_values.contains(column.toLower());
}

bool StoreRow::isNull(const QString &column) const
{
    return m_nulls.contains(column.toLower());
}

LocalStore &LocalStore::handle()
{
    static LocalStore store;
    return store;
}

// Nothing to release here: Qt SQL's own connection list may already be gone at
// exit, and it closes the connection itself.
LocalStore::~LocalStore() = default;

void LocalStore::open(const QString &path)
{
    close();
    // QSQLITE would create a missing file silently; the program must never do
    // so. A FIFO would block the open, and a folder is no store either.
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(QStringLiteral("Yerel veri dosyası bulunamadı: %1").arg(path));
    if (info.isDir())
        throw StoreError(unreadable(path, QStringLiteral("bu bir klasör, dosya değil.")));
    if (!info.isFile())
        throw StoreError(unreadable(path, QStringLiteral("normal bir dosya değil.")));
    if (!info.isReadable())
        throw StoreError(unreadable(path, QStringLiteral("dosyayı okuma izni yok.")));

    if (m_connectionName.isEmpty()) {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), handleConnection);
        m_connectionName = handleConnection;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid())
        throw StoreError(unreadable(path, errorText(db.lastError())));
    // Another program holding the file locked gets a short wait, not Qt's five seconds.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    db.setDatabaseName(info.absoluteFilePath());
    if (!db.open())
        throw StoreError(unreadable(path, sqliteCause(db.lastError())));
    m_path = path;
    // SQLite reads the file only at the first statement: a file that is no
    // database, or one locked by another program, must fail the open.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        const QString cause = sqliteCause(probe.lastError());
        probe = QSqlQuery();
        close();
        throw StoreError(unreadable(path, cause));
    }
}

bool LocalStore::isOpen() const
{
    return !m_connectionName.isEmpty() && QSqlDatabase::database(m_connectionName, false).isOpen();
}

StoreRow LocalStore::query(const QString &statement)
{
    if (!isOpen())
        throw StoreError(QStringLiteral("Yerel veri dosyası açık değil"));
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    q.setForwardOnly(true);
    const QString table = tableOf(statement);
    if (!q.exec(statement))
        throw StoreError(unreadable(m_path, sqliteCause(q.lastError())));
    if (!q.next()) {
        if (q.lastError().isValid())
            throw StoreError(unreadable(m_path, sqliteCause(q.lastError())));
        throw StoreError(unreadable(
            m_path, QStringLiteral("\"%1\" tablosunda aranan satır yok (%2).").arg(table, statement)));
    }
    const QSqlRecord record = q.record();
    QHash<QString, QString> values;
    QSet<QString> nulls;
    for (int i = 0; i < record.count(); ++i) {
        if (q.isNull(i))
            nulls.insert(record.fieldName(i).toLower());
        else
            values.insert(record.fieldName(i).toLower(), q.value(i).toString());
    }
    return StoreRow(std::move(values), std::move(nulls), m_path, table);
}

void LocalStore::execute(const QString &statement)
{
    if (!isOpen())
        throw StoreError(QStringLiteral("Yerel veri dosyası açık değil"));
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    if (!q.exec(statement))
        throw StoreError(QStringLiteral("%1 yazılamadı: %2").arg(m_path, sqliteCause(q.lastError())));
    // An update that matched no row succeeds in SQL but stores nothing: the
    // single row of the table is missing, and the save must not report success.
    if (const QString table = updatedTable(statement); !table.isEmpty() && q.numRowsAffected() == 0)
        throw StoreError(
            QStringLiteral("%1 yazılamadı: \"%2\" tablosunda id='1' satırı yok.").arg(m_path, table));
}

void LocalStore::close()
{
    if (m_connectionName.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen())
        db.close();
}

QString storePath(const QString &directory)
{
    return fileIn(directory, QStringLiteral("data.dbs"));
}

QString selectRow(const QString &table)
{
    return QStringLiteral("select * from ") + table + QStringLiteral(" where id='1'");
}

namespace {

QString literal(const StoreValue &value)
{
    return value.isNull ? QStringLiteral("NULL") : sqlValue(value.text);
}

} // namespace

QString updateLogin(const StoreValue &password)
{
    return QStringLiteral("Update login set sifre = ") + literal(password) + QStringLiteral(" Where id ='1'");
}

QString updateServer(const StoreValue &user, const StoreValue &password, const StoreValue &server,
                     const StoreValue &database)
{
    return QStringLiteral("Update server set kuladi = ") + literal(user) + QStringLiteral(",sifre = ") +
           literal(password) + QStringLiteral(",server = ") + literal(server) + QStringLiteral(",sql = ") +
           literal(database) + QStringLiteral(" Where id ='1'");
}

QString updateInstan(const StoreValue &instanceName, const StoreValue &flag)
{
    return QStringLiteral("Update instan set insname = ") + literal(instanceName) +
           QStringLiteral(",inskullan = ") + literal(flag) + QStringLiteral(" Where id ='1'");
}

QString updateVeritabani(const VeritabaniChoices &v)
{
    return QStringLiteral("Update veritabani set don = ") + literal(v.don) + QStringLiteral(",stkartipi = ") +
           literal(v.stkartipi) + QStringLiteral(",birim2 = ") + literal(v.birim2) +
           QStringLiteral(",birim1 = ") + literal(v.birim1) + QStringLiteral(",brset = ") + literal(v.brset) +
           QStringLiteral(",fiyat2 = ") + literal(v.fiyat2) + QStringLiteral(",fiyat1 = ") +
           literal(v.fiyat1) + QStringLiteral(",fir = ") + literal(v.fir) + QStringLiteral(" Where id ='1'");
}

void createStore(const QString &path, const StoreContents &contents)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("Dosya zaten var: %1").arg(path));
    bool created = false;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), createConnection);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = QStringLiteral("Yerel veri dosyası oluşturulamadı: %1: %2")
                          .arg(path, errorText(db.lastError()));
        } else {
            created = true;
            try {
                fillStore(db, contents);
            } catch (const StoreError &e) {
                failure = e.description();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(createConnection);
    if (!failure.isEmpty()) {
        // A half-built store would be taken for a real one at the next start.
        if (created)
            QFile::remove(path);
        throw StoreError(failure);
    }
}

} // namespace tarvel

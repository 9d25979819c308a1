#include "localstore.h"

#include "errors.h"
#include "sidefiles.h"
#include "sqlvalue.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tarvel {

namespace {

const QString handleConnection = QStringLiteral("tarvel-localstore");
const QString createConnection = QStringLiteral("tarvel-localstore-create");

QString errorText(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("bilinmeyen hata") : text;
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
    const auto it = m_values.constFind(column.toLower());
    if (it == m_values.constEnd())
        throw StoreError(QStringLiteral("Yerel veri dosyasında alan yok veya değeri boş: %1").arg(column));
    return it.value();
}

bool StoreRow::has(const QString &column) const
{
    return m_values.contains(column.toLower());
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
    // QSQLITE would create a missing file silently; the program must never do so.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw StoreError(QStringLiteral("Yerel veri dosyası bulunamadı: %1").arg(path));

    if (m_connectionName.isEmpty()) {
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), handleConnection);
        m_connectionName = handleConnection;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid())
        throw StoreError(errorText(db.lastError()));
    db.setDatabaseName(info.absoluteFilePath());
    if (!db.open())
        throw StoreError(
            QStringLiteral("Yerel veri dosyası açılamadı: %1: %2").arg(path, errorText(db.lastError())));
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
    if (!q.exec(statement))
        throw StoreError(errorText(q.lastError()));
    if (!q.next())
        throw StoreError(QStringLiteral("Kayıt bulunamadı: %1").arg(statement));
    const QSqlRecord record = q.record();
    QHash<QString, QString> values;
    for (int i = 0; i < record.count(); ++i) {
        if (!q.isNull(i))
            values.insert(record.fieldName(i).toLower(), q.value(i).toString());
    }
    return StoreRow(std::move(values));
}

void LocalStore::execute(const QString &statement)
{
    if (!isOpen())
        throw StoreError(QStringLiteral("Yerel veri dosyası açık değil"));
    QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
    if (!q.exec(statement))
        throw StoreError(errorText(q.lastError()));
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

QString updateLogin(const QString &password)
{
    return QStringLiteral("Update login set sifre = ") + sqlValue(password) +
           QStringLiteral(" Where id ='1'");
}

QString updateServer(const QString &user, const QString &password, const QString &server,
                     const QString &database)
{
    return QStringLiteral("Update server set kuladi = ") + sqlValue(user) + QStringLiteral(",sifre = ") +
           sqlValue(password) + QStringLiteral(",server = ") + sqlValue(server) + QStringLiteral(",sql = ") +
           sqlValue(database) + QStringLiteral(" Where id ='1'");
}

QString updateInstan(const QString &instanceName, const QString &flag)
{
    return QStringLiteral("Update instan set insname = ") + sqlValue(instanceName) +
           QStringLiteral(",inskullan = ") + sqlValue(flag) + QStringLiteral(" Where id ='1'");
}

QString updateVeritabani(const VeritabaniChoices &v)
{
    return QStringLiteral("Update veritabani set don = ") + sqlValue(v.don) +
           QStringLiteral(",stkartipi = ") + sqlValue(v.stkartipi) + QStringLiteral(",birim2 = ") +
           sqlValue(v.birim2) + QStringLiteral(",birim1 = ") + sqlValue(v.birim1) +
           QStringLiteral(",brset = ") + sqlValue(v.brset) + QStringLiteral(",fiyat2 = ") +
           sqlValue(v.fiyat2) + QStringLiteral(",fiyat1 = ") + sqlValue(v.fiyat1) +
           QStringLiteral(",fir = ") + sqlValue(v.fir) + QStringLiteral(" Where id ='1'");
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

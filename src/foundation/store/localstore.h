#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace tarvel {

// The first row of a local-store query, columns by lower-cased name.
class StoreRow {
public:
    StoreRow() = default;
    // path and table name the row in errors: "/x/data.dbs", "server".
    StoreRow(QHash<QString, QString> values, QSet<QString> nulls, QString path, QString table)
        : m_values(std::move(values)), m_nulls(std::move(nulls)), m_path(std::move(path)),
          m_table(std::move(table))
    {
    }
    // Throws StoreError naming file, table and column when the column is
    // missing or was NULL (NULLs are not kept: has() is false for them).
    QString value(const QString &column) const;
    bool has(const QString &column) const;
    // The column is there and holds NULL.
    bool isNull(const QString &column) const;

private:
    QHash<QString, QString> m_values;
    QSet<QString> m_nulls;
    QString m_path, m_table;
};

// The local store data.dbs: an SQLite file of single-row tables. One handle for
// the whole process; every user opens it, runs its statements and closes it
// again within one event. The program never creates the file or its tables
// (init-store of tarvel-report does, for new installations and tests).
// Every StoreError says in Turkish what is wrong and where: the file's path,
// then the cause (no such file, a folder, no read permission, not a database,
// locked by another program, a missing table, row or column, a NULL).
class LocalStore {
public:
    static LocalStore &handle();

    // Opens an existing file and checks that it is a database that can be
    // read now; a missing file is an error, never created here.
    void open(const QString &path); // throws StoreError
    bool isOpen() const;
    // Runs a select and returns its first row; no row is an error.
    StoreRow query(const QString &statement); // throws StoreError
    // Runs a statement; an update that changes no row is an error too (the
    // table's single row id='1' is missing).
    void execute(const QString &statement); // throws StoreError
    void close();

    ~LocalStore();

private:
    LocalStore() = default;
    QString m_connectionName;
    QString m_path;
};

// Opens the store and closes it again when the scope ends, also on errors.
class StoreSession {
public:
    explicit StoreSession(const QString &path) { LocalStore::handle().open(path); }
    ~StoreSession() { LocalStore::handle().close(); }
    StoreSession(const StoreSession &) = delete;
    StoreSession &operator=(const StoreSession &) = delete;
    LocalStore &store() { return LocalStore::handle(); }
};

// dir + data.dbs
QString storePath(const QString &directory);

// ---- The program's statements on the store --------------------------------
// Every value goes through sqlValue(), so a password with an apostrophe is
// stored as typed and can never reach another column.

// "select * from login where id='1'" and so on for server, instan, veritabani, ses.
QString selectRow(const QString &table);
// A column's new value in an update: a text, or NULL (a NULL nobody changed
// is written back as NULL, never as an empty text).
struct StoreValue {
    StoreValue(const QString &value) : text(value) {}
    StoreValue(const char *value) : text(QString::fromUtf8(value)) {}
    static StoreValue null()
    {
        StoreValue v{QString()};
        v.isNull = true;
        return v;
    }
    QString text;
    bool isNull = false;
};

// "Update login set sifre = '...' Where id ='1'"
QString updateLogin(const StoreValue &password);
// "Update server set kuladi = '...',sifre = '...',server = '...',sql = '...' Where id ='1'"
QString updateServer(const StoreValue &user, const StoreValue &password, const StoreValue &server,
                     const StoreValue &database);
// "Update instan set insname = '...',inskullan = '...' Where id ='1'"
QString updateInstan(const StoreValue &instanceName, const StoreValue &flag);
// The veritabani columns the settings window writes (sateleman and genkdv it never writes).
struct VeritabaniChoices {
    StoreValue fir, don, fiyat1, fiyat2, brset, birim1, birim2, stkartipi;
};
// "Update veritabani set don = '...',stkartipi = '...',birim2 = '...',birim1 = '...',
//  brset = '...',fiyat2 = '...',fiyat1 = '...',fir = '...' Where id ='1'"
QString updateVeritabani(const VeritabaniChoices &choices);

// Makes a fresh data.dbs with the five single-row tables, every column holding
// the empty text (or the values given). Used by tarvel-report init-store and demo.
// An existing file is never overwritten (StoreError); a store that fails half-way
// is removed again.
struct StoreContents {
    QString loginPassword;
    QString server, database, user, password;
    QString instanceName, instanceUsed = QStringLiteral("0");
    QString fir, don, fiyat1, fiyat2, brset, birim1, birim2, stkartipi, sateleman, genkdv;
    QString bulses = QStringLiteral("0"), bulmases = QStringLiteral("0");
};
void createStore(const QString &path, const StoreContents &contents); // throws StoreError

} // namespace tarvel

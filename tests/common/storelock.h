#pragma once

// Another program holding data.dbs locked, as one in the middle of writing it
// does: "begin exclusive" on a connection of its own until the lock goes out
// of scope or release() is called. Header only.

#include <QFile>
#include <QString>

#include <sqlite3.h>

namespace tarvel::test {

class StoreLock {
public:
    explicit StoreLock(const QString &path)
    {
        m_ok = sqlite3_open(QFile::encodeName(path).constData(), &m_db) == SQLITE_OK &&
               sqlite3_exec(m_db, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~StoreLock() { release(); }
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool held() const { return m_ok; }
    void release()
    {
        sqlite3_close(m_db);
        m_db = nullptr;
        m_ok = false;
    }

private:
    sqlite3 *m_db = nullptr;
    bool m_ok = false;
};

} // namespace tarvel::test

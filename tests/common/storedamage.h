#pragma once

// Damage done to a complete data.dbs, as the rows of the store-failure tests
// name it. Header only.

#include "foundation/base/errors.h"
#include "foundation/store/localstore.h"

#include <QDir>
#include <QFile>

namespace tarvel::test {

// "<none>" removes the file, "<garbage>" fills it with bytes that are no
// database, "<folder>" puts a folder in its place; anything else is a
// statement run on the store ("drop table server"). False when it failed.
inline bool damageStore(const QString &path, const QString &damage)
{
    if (damage == QLatin1String("<none>"))
        return QFile::remove(path);
    if (damage == QLatin1String("<folder>"))
        return QFile::remove(path) && QDir().mkdir(path);
    if (damage == QLatin1String("<garbage>")) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QByteArray(2048, 'x')) == 2048;
    }
    try {
        StoreSession session(path);
        session.store().execute(damage);
    } catch (const StoreError &) {
        return false;
    }
    return true;
}

} // namespace tarvel::test

#pragma once

#include <QByteArray>
#include <QString>

namespace tarvel {

// The files the program reads whole - side files, list appearance files,
// layouts and the layout pointer - are small. Reading one that is not a
// regular file (a FIFO would wait for a writer forever, a device never ends)
// or that is larger than any real one could hang the program or exhaust its
// memory, so such a file is refused before a byte is read.
inline constexpr qint64 smallFileLimit = 8 * 1024 * 1024;

struct SmallFile {
    enum Outcome { Read, Missing, Refused };
    Outcome outcome = Missing;
    QByteArray bytes;
    QString reason; // Refused: why, in Turkish, without the file's name
};

SmallFile readSmallFile(const QString &path, qint64 limit = smallFileLimit);

// For the files the program reads as missing when it cannot read them: a
// refused file is said (notice(), naming it) and leaves bytes empty, as a
// missing one does.
SmallFile::Outcome readSideFile(const QString &path, QByteArray &bytes);

} // namespace tarvel

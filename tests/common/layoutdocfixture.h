#pragma once

// Small helpers of the layout designer's tests.

#include "printing/layoutdoc/layoutdocument.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tarvel::test {

// The id of the control of that name, or -1.
inline int idNamed(const LayoutDocument &document, const QString &name)
{
    for (int id : document.allIds()) {
        if (document.control(id).name == name)
            return id;
    }
    return -1;
}

// A file's bytes, or nothing when it cannot be read.
inline QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tarvel::test

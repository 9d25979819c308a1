#include "foundation/store/fytpar.h"

#include "foundation/store/sidefiles.h"

#include <climits>

namespace tarvel {

QString FytPar::path(const QString &directory)
{
    return fileIn(directory, QStringLiteral("fytPar.velmor"));
}

FytPar FytPar::read(const QString &directory)
{
    FytPar file;
    file.m_lines = readLineFile(path(directory), INT_MAX);
    return file;
}

std::optional<QString> FytPar::line(Line which) const
{
    const int index = int(which);
    if (index >= m_lines.size())
        return std::nullopt;
    return m_lines.at(index);
}

void FytPar::setLine(Line which, const QString &text)
{
    const int index = int(which);
    while (m_lines.size() <= index)
        m_lines.append(QString());
    m_lines[index] = text;
}

Result<void> FytPar::write(const QString &directory) const
{
    return writeLineFile(path(directory), m_lines);
}

} // namespace tarvel

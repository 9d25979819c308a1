#include "foundation/store/sidefiles.h"

#include "foundation/base/oneline.h"
#include "foundation/store/inifile.h"
#include "foundation/store/rawlines.h"
#include "foundation/store/smallfile.h"
#include "foundation/store/wholefile.h"

#include <QDir>

namespace tarvel {

QString iniread(const QString &section, const QString &key, const QString &file)
{
    return IniFile(file).value(section, key);
}

void iniwrite(const QString &section, const QString &key, const QString &value, const QString &file)
{
    IniFile ini(file); // a missing file starts empty
    ini.setValue(section, key, value);
    (void)ini.save(); // not reported
}

QStringList readLineFile(const QString &file, int maxLines)
{
    QByteArray bytes;
    if (readSideFile(file, bytes) != SmallFile::Read)
        return {};
    takeBom(bytes);
    QStringList result;
    const QList<RawLine> lines = splitLines(bytes);
    for (int i = 0; i < lines.size() && i < maxLines; ++i)
        result << fromCp1254(lines[i].text);
    return result;
}

Result<void> writeLineFile(const QString &file, const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += toCp1254(oneLine(line)) + "\r\n";
    return writeWholeFile(file, out);
}

QString fileIn(const QString &directory, const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(fileName));
}

} // namespace tarvel

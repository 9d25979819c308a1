#include "foundation/store/sidefiles.h"

#include "foundation/base/oneline.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <optional>
#include <utility>

namespace tarvel {

namespace {

// ---- Lines with their ends ---------------------------------------------------

struct RawLine {
    QByteArray text; // without the line end
    QByteArray end;  // "\r\n", "\n" or empty for a last line without one
};

QList<RawLine> splitLines(const QByteArray &bytes)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        RawLine line;
        if (nl < 0) {
            line.text = bytes.mid(start);
            start = bytes.size();
        } else {
            line.text = bytes.mid(start, nl - start);
            line.end = "\n";
            if (line.text.endsWith('\r')) {
                line.text.chop(1);
                line.end = "\r\n";
            }
            start = nl + 1;
        }
        lines.append(line);
    }
    return lines;
}

bool readAll(const QString &file, QByteArray &bytes)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}

// Editors that save "UTF-8 with BOM" put these three bytes first. Read with
// them, the first line would be "\xEF\xBB\xBF[section]" and never match.
const QByteArray utf8Bom("\xEF\xBB\xBF");

// Removes a leading byte-order mark; true when there was one.
bool takeBom(QByteArray &bytes)
{
    if (!bytes.startsWith(utf8Bom))
        return false;
    bytes.remove(0, utf8Bom.size());
    return true;
}

bool writeAll(const QString &file, const QByteArray &bytes)
{
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// ---- Private-profile parsing -------------------------------------------------

bool isBlank(const QByteArray &line)
{
    return line.trimmed().isEmpty();
}

// The section name of a "[name]" line, or nothing for other lines.
std::optional<QString> sectionName(const QByteArray &line)
{
    const QString t = fromCp1254(line).trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

// The key of a "key=value" line, or nothing for other lines.
std::optional<QString> keyName(const QByteArray &line, QString *value = nullptr)
{
    const QString t = fromCp1254(line);
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0 || t.trimmed().startsWith(QLatin1Char(';')))
        return std::nullopt;
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return t.left(eq).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Lines [first, last) of the section's body, or first = -1 when it is missing.
// The first section of that name counts, as the platform's own reader does.
std::pair<int, int> findSection(const QList<RawLine> &lines, const QString &section)
{
    int first = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i].text);
        if (!name)
            continue;
        if (first >= 0)
            return {first, i};
        if (sameName(*name, section))
            first = i + 1;
    }
    return {first, int(lines.size())};
}

int findKey(const QList<RawLine> &lines, std::pair<int, int> body, const QString &key,
            QString *value = nullptr)
{
    for (int i = body.first; i < body.second; ++i) {
        const std::optional<QString> name = keyName(lines[i].text, value);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

QByteArray lineEndOf(const QByteArray &bytes)
{
    if (bytes.contains("\r\n") || !bytes.contains('\n'))
        return "\r\n";
    return "\n";
}

} // namespace

QString iniread(const QString &section, const QString &key, const QString &file)
{
    QByteArray bytes;
    if (!readAll(file, bytes))
        return QString();
    takeBom(bytes);
    const QList<RawLine> lines = splitLines(bytes);
    const std::pair<int, int> body = findSection(lines, section);
    if (body.first < 0)
        return QString();
    QString value;
    if (findKey(lines, body, key, &value) < 0)
        return QString();
    // A value in matching quotes loses them, as the platform's reader does.
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    // The program has always read into a 255-character buffer with its terminator.
    return value.left(254);
}

void iniwrite(const QString &section, const QString &key, const QString &value, const QString &file)
{
    QByteArray bytes;
    readAll(file, bytes);            // a missing file starts empty
    const bool bom = takeBom(bytes); // kept: the file is rewritten as it was
    QList<RawLine> lines = splitLines(bytes);
    const QByteArray eol = lineEndOf(bytes);
    const QByteArray entry = toCp1254(oneLine(key) + QLatin1Char('=') + oneLine(value));

    // The line before an insertion point must end, or the new line would join it.
    const auto ensureEnded = [&](int index) {
        if (index >= 0 && lines[index].end.isEmpty())
            lines[index].end = eol;
    };

    const std::pair<int, int> body = findSection(lines, section);
    if (body.first < 0) {
        ensureEnded(int(lines.size()) - 1);
        lines.append({toCp1254(QLatin1Char('[') + oneLine(section) + QLatin1Char(']')), eol});
        lines.append({entry, eol});
    } else if (const int at = findKey(lines, body, key); at >= 0) {
        lines[at].text = entry;
        if (lines[at].end.isEmpty())
            lines[at].end = eol;
    } else {
        int last = body.second - 1;
        while (last >= body.first && isBlank(lines[last].text))
            --last;
        const int insertAt = std::max(last, body.first - 1); // after the header when the body is empty
        ensureEnded(insertAt);
        lines.insert(insertAt + 1, {entry, eol});
    }

    QByteArray out = bom ? utf8Bom : QByteArray();
    out.reserve(bytes.size() + entry.size() + 16);
    for (const RawLine &line : std::as_const(lines))
        out += line.text + line.end;
    writeAll(file, out);
}

QStringList readLineFile(const QString &file, int maxLines)
{
    QByteArray bytes;
    if (!readAll(file, bytes))
        return {};
    takeBom(bytes);
    QStringList result;
    const QList<RawLine> lines = splitLines(bytes);
    for (int i = 0; i < lines.size() && i < maxLines; ++i)
        result << fromCp1254(lines[i].text);
    return result;
}

bool writeLineFile(const QString &file, const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += toCp1254(oneLine(line)) + "\r\n";
    return writeAll(file, out);
}

QString fileIn(const QString &directory, const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(fileName));
}

} // namespace tarvel

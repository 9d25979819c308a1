#include "foundation/store/inifile.h"

#include "foundation/base/cp1254.h"
#include "foundation/base/oneline.h"
#include "foundation/store/smallfile.h"
#include "foundation/store/wholefile.h"

#include <algorithm>

namespace tarvel {

namespace {

bool isBlank(const QByteArray &line)
{
    return line.trimmed().isEmpty();
}

QByteArray lineEndOf(const QByteArray &bytes)
{
    if (bytes.contains("\r\n") || !bytes.contains('\n'))
        return "\r\n";
    return "\n";
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    QByteArray bytes;
    m_readable = readSideFile(path, bytes) != SmallFile::Refused;
    m_bom = takeBom(bytes); // kept: the file is written back as it was
    m_eol = lineEndOf(bytes);
    const QList<RawLine> lines = splitLines(bytes);
    m_lines.reserve(lines.size());
    for (const RawLine &line : lines)
        m_lines.append(parsed(line));
}

IniFile::Line IniFile::parsed(RawLine raw)
{
    Line line;
    const QString text = fromCp1254(raw.text);
    line.raw = std::move(raw);
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        line.kind = Line::Section;
        line.name = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed().toCaseFolded();
        return line;
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0 || trimmed.startsWith(QLatin1Char(';')))
        return line;
    line.kind = Line::Key;
    line.name = text.left(eq).trimmed().toCaseFolded();
    line.value = text.mid(eq + 1).trimmed();
    return line;
}

void IniFile::index() const
{
    if (m_indexed)
        return;
    m_sections.clear();
    m_headers.clear();
    m_keys.clear();
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Line::Section)
            continue;
        m_headers.append(i);
        if (!m_sections.contains(m_lines[i].name))
            m_sections.insert(m_lines[i].name, i);
    }
    m_indexed = true;
}

std::pair<int, int> IniFile::body(const QString &section) const
{
    index();
    const auto found = m_sections.constFind(section.toCaseFolded());
    if (found == m_sections.constEnd())
        return {-1, int(m_lines.size())};
    const int header = found.value();
    const auto next = std::upper_bound(m_headers.cbegin(), m_headers.cend(), header);
    return {header + 1, next == m_headers.cend() ? int(m_lines.size()) : *next};
}

int IniFile::keyLine(std::pair<int, int> body, const QString &key) const
{
    auto keys = m_keys.find(body.first);
    if (keys == m_keys.end()) {
        QHash<QString, int> lines;
        for (int i = body.first; i < body.second; ++i) {
            if (m_lines[i].kind == Line::Key && !lines.contains(m_lines[i].name))
                lines.insert(m_lines[i].name, i);
        }
        keys = m_keys.insert(body.first, lines);
    }
    return keys->value(key.toCaseFolded(), -1);
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const std::pair<int, int> lines = body(section);
    if (lines.first < 0)
        return QString();
    const int at = keyLine(lines, key);
    if (at < 0)
        return QString();
    QString value = m_lines[at].value;
    // A value in matching quotes loses them, as the platform's reader does.
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    // The program has always read into a 255-character buffer with its terminator.
    return value.left(254);
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const RawLine entry{toCp1254(oneLine(key) + QLatin1Char('=') + oneLine(value)), m_eol};
    // The line before an insertion point must end, or the new line would join it.
    const auto ensureEnded = [this](int index) {
        if (index >= 0 && m_lines[index].raw.end.isEmpty())
            m_lines[index].raw.end = m_eol;
    };

    const std::pair<int, int> lines = body(section);
    if (lines.first < 0) {
        ensureEnded(int(m_lines.size()) - 1);
        m_lines.append(parsed({toCp1254(QLatin1Char('[') + oneLine(section) + QLatin1Char(']')), m_eol}));
        m_lines.append(parsed(entry));
    } else if (const int at = keyLine(lines, key); at >= 0) {
        const QByteArray end = m_lines[at].raw.end.isEmpty() ? m_eol : m_lines[at].raw.end;
        m_lines[at] = parsed({entry.text, end});
    } else {
        int last = lines.second - 1;
        while (last >= lines.first && isBlank(m_lines[last].raw.text))
            --last;
        const int insertAt = std::max(last, lines.first - 1); // after the header when the body is empty
        ensureEnded(insertAt);
        m_lines.insert(insertAt + 1, parsed(entry));
    }
    m_indexed = false;
    m_changed = true;
}

Result<void> IniFile::save()
{
    if (!m_changed)
        return {};
    if (!m_readable)
        return Error(QStringLiteral("Dosya yazılamadı: %1 (okunamadığı için üzerine yazılmadı)").arg(m_path));
    QByteArray out = m_bom ? utf8Bom : QByteArray();
    for (const Line &line : std::as_const(m_lines))
        out += line.raw.text + line.raw.end;
    Result<void> written = writeWholeFile(m_path, out);
    if (written)
        m_changed = false;
    return written;
}

} // namespace tarvel

#pragma once

#include "foundation/base/result.h"
#include "foundation/store/rawlines.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tarvel {

// An INI file (private-profile format) read and parsed once, for a reader
// that asks for many keys (a list's appearance) or a writer that sets many:
// each key then costs a look-up, not a reading of the whole file.
// Sections and keys match without regard to case; the first section and the
// first key of a name count. Setting values keeps every other byte of the file.
class IniFile {
public:
    // A missing file reads as empty, and so does one that is no regular file
    // or too large (it is said, and never written over).
    explicit IniFile(const QString &path);

    // The value as iniread gives it: blanks around it and matching quotes
    // dropped, at most 254 characters; "" for a missing section or key.
    QString value(const QString &section, const QString &key) const;
    // Sets one key, adding section and key as needed, in memory.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Writes the file once if a value was set (writeWholeFile). A file that
    // could not be read is never written over: its other keys are unknown.
    Result<void> save();

private:
    struct Line {
        RawLine raw;
        enum Kind { Other, Section, Key } kind = Other;
        QString name;  // section or key name, case folded
        QString value; // a key's value, trimmed
    };
    static Line parsed(RawLine raw);
    void index() const;
    // Lines [first, last) of the section's body; first = -1 when it is missing.
    std::pair<int, int> body(const QString &section) const;
    int keyLine(std::pair<int, int> body, const QString &key) const;

    QString m_path;
    bool m_readable = true;
    bool m_bom = false;
    bool m_changed = false;
    QByteArray m_eol;
    QList<Line> m_lines;
    // Built on the first look-up after a change: the first header line of each
    // section name, every header line in order, and each looked-up section's keys.
    mutable bool m_indexed = false;
    mutable QHash<QString, int> m_sections;
    mutable QList<int> m_headers;
    mutable QHash<int, QHash<QString, int>> m_keys;
};

} // namespace tarvel

#pragma once

#include "printing/reportlayout.h"

#include <QString>
#include <initializer_list>
#include <utility>

class QXmlStreamReader;

namespace tarvel {

// Reads a layout file (the XML format of docs/layout-format.md). A file that
// is missing or wrong throws tarvel::Error with a Turkish description naming
// the file, the line and what is wrong: a form is never printed from half a
// layout.
class LayoutReader {
public:
    static ReportLayout read(const QString &path);
    // The same from text, the path only naming it in messages.
    static ReportLayout parse(const QByteArray &text, const QString &path);

private:
    LayoutReader(QXmlStreamReader &xml, const QString &path) : m_xml(xml), m_path(path) {}

    ReportLayout readLayout();
    void readPage(ReportLayout &layout);
    void readDefaultFont();
    void readBackground(ReportBackground &background);
    void readSection(ReportSection &section);
    ReportControl readControl();
    void checkFits(const ReportLayout &layout) const;

    QString attribute(const QString &name) const;
    double number(const QString &name, double fallback, bool required = false) const;
    bool flag(const QString &name, bool fallback) const;
    // One of the named values; the first when the attribute is not given.
    Qt::Alignment choice(const QString &name,
                         std::initializer_list<std::pair<const char *, Qt::AlignmentFlag>> values) const;
    void onlyAttributes(const QStringList &names) const;
    void skipEnd();
    // What is wrong at the reader's line (the XML error when there is one).
    [[noreturn]] void fail(const QString &what) const;
    // What is wrong at a line; line 0 names the whole file.
    [[noreturn]] void failAt(qint64 line, const QString &what) const;

    QXmlStreamReader &m_xml;
    QString m_path;
    QString m_fontFamily;
    double m_fontSize = 0;
    bool m_seenSection[3] = {false, false, false};
};

} // namespace tarvel

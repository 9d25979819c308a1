#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvel {

// fytPar.velmor, the settings shared with the companion program (Windows-1254,
// CR LF). The settings window edits its first eleven lines; the loading
// window's caption shows the firm name. Lines after the eleventh belong to no
// window of ours: a save writes them back as they were read.
class FytPar {
public:
    enum class Line {
        Priority,     // line 1
        SortOrder,    // line 2
        SpecialCode1, // lines 3 to 7: the customer special codes 1 to 5
        SpecialCode2,
        SpecialCode3,
        SpecialCode4,
        SpecialCode5,
        GroupCode, // line 8
        FirmName,  // line 9
        Option,    // line 10: "1" barcode label printer, "2" price reading screen
        Picture,   // line 11: the picture of the price reading screen
    };

    // The file in directory: the settings keep it in the working directory,
    // the loading window reads it beside the program.
    static QString path(const QString &directory);
    // Every line of the file; a missing file has none.
    static FytPar read(const QString &directory);

    // The line's text, or nothing when the file ends before it.
    std::optional<QString> line(Line which) const;
    // Sets a line; lines before it that the file lacked become empty.
    void setLine(Line which, const QString &text);

    // Replaces the file with every line, in one step.
    Result<void> write(const QString &directory) const;

private:
    QStringList m_lines;
};

} // namespace tarvel

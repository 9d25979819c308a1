#pragma once

#include <QFlags>
#include <QLatin1String>
#include <QSizeF>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace tarvel {

// The kinds of control a layout section holds. Each has one row in the
// table of controlkinds.cpp; what the reader, the writer and the designer
// know of a kind they take from there, and the painter draws each kind in a
// switch of its own. A new kind goes at the end, and controlKindCount with it.
enum class ControlKind { Label, TextBox, Line, Rect };
inline constexpr size_t controlKindCount = size_t(ControlKind::Rect) + 1;

// The attributes of a control's element in the layout file, in the order
// the writer writes them.
enum class ControlAttribute : quint32 {
    Name = 1 << 0,
    Tag = 1 << 1,
    Caption = 1 << 2,
    X = 1 << 3,
    Y = 1 << 4,
    Width = 1 << 5,
    Height = 1 << 6,
    Font = 1 << 7,
    Size = 1 << 8,
    Bold = 1 << 9,
    Italic = 1 << 10,
    Align = 1 << 11,
    VAlign = 1 << 12,
    Wrap = 1 << 13,
    Shrink = 1 << 14,
    Frame = 1 << 15,
    FrameWidth = 1 << 16,
    Background = 1 << 17,
};
Q_DECLARE_FLAGS(ControlAttributes, ControlAttribute)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlAttributes)

// The attribute's name in the layout file ("frame-width").
QString attributeName(ControlAttribute attribute);
// The names of a set, in the writer's order.
QStringList attributeNames(ControlAttributes attributes);

// How the designer takes hold of a control: a box by its corners and sides,
// a line (the box's diagonal, from the top left to the bottom right corner)
// by its two ends.
enum class ControlShape { Box, Line };

// Everything the program knows of a kind, one row of the table.
struct ControlKindInfo {
    ControlKind kind;
    QLatin1String element; // in the layout file
    QStringView name;      // as the designer's "Tür" shows it
    // A new control's name is this followed by the first number free.
    QLatin1String namePrefix;
    QSizeF size;              // mm, of a new control
    QStringView caption = {}; // of a new control
    QStringView addText;      // the undo step that adds one
    // The designer's "Ekle" menu item: its object name and text; none for a
    // kind that comes onto the page otherwise (a text box, from the fields).
    QLatin1String addAction = {};
    QStringView addActionText = {};
    // What the file may give it; the writer writes, the reader takes and the
    // property panel offers these.
    ControlAttributes attributes;
    ControlShape shape = ControlShape::Box;
    // Taken by its outline, not by its inside, unless it is filled (a frame):
    // a click inside reaches what lies there.
    bool outline = false;
    // The designer shows the name of the field it prints in its place.
    bool showsTag = false;
    // The kind it turns into when a field is given to it or taken from it
    // (a label given a field is a text box).
    ControlKind withTag;
    ControlKind withoutTag;

    bool has(ControlAttribute attribute) const { return attributes.testFlag(attribute); }
};

const ControlKindInfo &controlKind(ControlKind kind);
const std::array<ControlKindInfo, controlKindCount> &controlKinds();

// The kind whose element this is; none when no kind's is.
std::optional<ControlKind> kindOfElement(QStringView element);

} // namespace tarvel

#include "printing/controlkinds.h"

namespace tarvel {

namespace {

using A = ControlAttribute;

// Lines have a box and a line width; a frame may be filled as well; texts
// have everything.
constexpr ControlAttributes lineAttributes = A::Name | A::X | A::Y | A::Width | A::Height | A::FrameWidth;
constexpr ControlAttributes rectAttributes = lineAttributes | A::Background;
constexpr ControlAttributes textAttributes = rectAttributes | A::Tag | A::Caption | A::Font | A::Size |
                                             A::Bold | A::Italic | A::Align | A::VAlign | A::Wrap |
                                             A::Shrink | A::Frame;

// In the order of ControlKind. A new field is as wide as a short value and
// a line of text high.
constexpr std::array<ControlKindInfo, controlKindCount> table{{
    {.kind = ControlKind::Label,
     .element = QLatin1String("label"),
     .name = u"Etiket",
     .namePrefix = QLatin1String("lbl"),
     .size = QSizeF(25, 5),
     .caption = u"Etiket",
     .addText = u"Etiket ekle",
     .addAction = QLatin1String("etiketEkle"),
     .addActionText = u"Etiket (sabit metin)",
     .attributes = textAttributes,
     .withTag = ControlKind::TextBox,
     .withoutTag = ControlKind::Label},
    {.kind = ControlKind::TextBox,
     .element = QLatin1String("textbox"),
     .name = u"Metin kutusu",
     .namePrefix = QLatin1String("txt"),
     .size = QSizeF(30, 5),
     .addText = u"Metin kutusu ekle",
     .attributes = textAttributes,
     .showsTag = true,
     .withTag = ControlKind::TextBox,
     .withoutTag = ControlKind::Label},
    {.kind = ControlKind::Line,
     .element = QLatin1String("line"),
     .name = u"Çizgi",
     .namePrefix = QLatin1String("line"),
     .size = QSizeF(40, 0),
     .addText = u"Çizgi ekle",
     .addAction = QLatin1String("cizgiEkle"),
     .addActionText = u"Çizgi",
     .attributes = lineAttributes,
     .shape = ControlShape::Line,
     .withTag = ControlKind::Line,
     .withoutTag = ControlKind::Line},
    {.kind = ControlKind::Rect,
     .element = QLatin1String("rect"),
     .name = u"Çerçeve",
     .namePrefix = QLatin1String("rect"),
     .size = QSizeF(40, 20),
     .addText = u"Çerçeve ekle",
     .addAction = QLatin1String("cerceveEkle"),
     .addActionText = u"Çerçeve",
     .attributes = rectAttributes,
     .outline = true,
     .withTag = ControlKind::Rect,
     .withoutTag = ControlKind::Rect},
}};

constexpr bool inKindOrder()
{
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].kind != ControlKind(i))
            return false;
    }
    return true;
}
static_assert(inKindOrder(), "one row for each control kind, in the order of ControlKind");

} // namespace

QString attributeName(ControlAttribute attribute)
{
    switch (attribute) {
    case A::Name:
        return QStringLiteral("name");
    case A::Tag:
        return QStringLiteral("tag");
    case A::Caption:
        return QStringLiteral("caption");
    case A::X:
        return QStringLiteral("x");
    case A::Y:
        return QStringLiteral("y");
    case A::Width:
        return QStringLiteral("width");
    case A::Height:
        return QStringLiteral("height");
    case A::Font:
        return QStringLiteral("font");
    case A::Size:
        return QStringLiteral("size");
    case A::Bold:
        return QStringLiteral("bold");
    case A::Italic:
        return QStringLiteral("italic");
    case A::Align:
        return QStringLiteral("align");
    case A::VAlign:
        return QStringLiteral("valign");
    case A::Wrap:
        return QStringLiteral("wrap");
    case A::Shrink:
        return QStringLiteral("shrink");
    case A::Frame:
        return QStringLiteral("frame");
    case A::FrameWidth:
        return QStringLiteral("frame-width");
    case A::Background:
        break;
    }
    return QStringLiteral("background");
}

QStringList attributeNames(ControlAttributes attributes)
{
    QStringList names;
    for (quint32 bit = 1; bit != 0; bit <<= 1) {
        if (attributes.toInt() & bit)
            names << attributeName(ControlAttribute(bit));
    }
    return names;
}

const ControlKindInfo &controlKind(ControlKind kind)
{
    return table.at(size_t(kind));
}

const std::array<ControlKindInfo, controlKindCount> &controlKinds()
{
    return table;
}

std::optional<ControlKind> kindOfElement(QStringView element)
{
    for (const ControlKindInfo &info : table) {
        if (element == info.element)
            return info.kind;
    }
    return std::nullopt;
}

} // namespace tarvel

#include "printing/layoutwriter.h"

#include "foundation/store/wholefile.h"

#include <QXmlStreamWriter>
#include <cmath>

namespace tarvel {

namespace {

// Millimetres and points with at most three decimals and a decimal point,
// the way the reader takes them back to the same value.
QString numberText(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString sizeText(const ReportLayout &layout)
{
    const QString name = pageSizeName(layout.pageSize.id());
    if (!name.isEmpty())
        return name;
    const QSizeF mm = layout.pageSize.size(QPageSize::Millimeter);
    return numberText(mm.width()) + QLatin1Char('x') + numberText(mm.height());
}

QString marginsText(const QMarginsF &m)
{
    if (m.left() == m.top() && m.top() == m.right() && m.right() == m.bottom())
        return numberText(m.left());
    return QStringList{numberText(m.left()), numberText(m.top()), numberText(m.right()),
                       numberText(m.bottom())}
        .join(QLatin1Char(' '));
}

QString frameText(Qt::Edges frame)
{
    if (frame == (Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge))
        return QStringLiteral("all");
    QStringList sides;
    if (frame & Qt::LeftEdge)
        sides << QStringLiteral("left");
    if (frame & Qt::TopEdge)
        sides << QStringLiteral("top");
    if (frame & Qt::RightEdge)
        sides << QStringLiteral("right");
    if (frame & Qt::BottomEdge)
        sides << QStringLiteral("bottom");
    return sides.join(QLatin1Char(' '));
}

class Writer {
public:
    Writer(QByteArray &out, const ReportLayout &layout) : m_xml(&out), m_layout(layout)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(2);
    }

    void write()
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("layout"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));

        m_xml.writeEmptyElement(QStringLiteral("page"));
        m_xml.writeAttribute(QStringLiteral("size"), sizeText(m_layout));
        m_xml.writeAttribute(QStringLiteral("orientation"), m_layout.orientation == QPageLayout::Landscape
                                                                ? QStringLiteral("landscape")
                                                                : QStringLiteral("portrait"));
        m_xml.writeAttribute(QStringLiteral("margins"), marginsText(m_layout.margins));

        m_xml.writeEmptyElement(QStringLiteral("font"));
        m_xml.writeAttribute(QStringLiteral("family"), m_layout.fontFamily);
        m_xml.writeAttribute(QStringLiteral("size"), numberText(m_layout.fontSize));

        const ReportBackground &background = m_layout.background;
        if (!background.image.isEmpty()) {
            m_xml.writeEmptyElement(QStringLiteral("background"));
            m_xml.writeAttribute(QStringLiteral("image"), background.image);
            writeNumber(QStringLiteral("x"), background.offset.x(), 0);
            writeNumber(QStringLiteral("y"), background.offset.y(), 0);
        }

        writeSection(QStringLiteral("pageheader"), ReportLayout::PageHeader);
        writeSection(QStringLiteral("detail"), ReportLayout::Detail);
        writeSection(QStringLiteral("pagefooter"), ReportLayout::PageFooter);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void writeSection(const QString &element, ReportLayout::Section which)
    {
        const ReportSection &section = m_layout.section(which);
        // A section the reader would not miss is left out; the detail never is.
        if (which != ReportLayout::Detail && section.height == 0 && section.controls.isEmpty())
            return;
        m_xml.writeStartElement(element);
        m_xml.writeAttribute(QStringLiteral("height"), numberText(section.height));
        for (const ReportControl &c : section.controls)
            writeControl(c);
        m_xml.writeEndElement();
    }

    // The attributes the kind has, each left out at its default.
    void writeControl(const ReportControl &c)
    {
        using A = ControlAttribute;
        m_kind = &controlKind(c.kind);
        m_xml.writeEmptyElement(m_kind->element);
        writeText(A::Name, c.name);
        writeText(A::Tag, c.tag);
        writeText(A::Caption, c.caption);
        writeText(A::X, numberText(c.rect.x()));
        writeText(A::Y, numberText(c.rect.y()));
        writeText(A::Width, numberText(c.rect.width()));
        writeText(A::Height, numberText(c.rect.height()));
        if (c.fontFamily != m_layout.fontFamily)
            writeText(A::Font, c.fontFamily);
        writeNumber(A::Size, c.fontSize, m_layout.fontSize);
        writeFlag(A::Bold, c.bold);
        writeFlag(A::Italic, c.italic);
        const Qt::Alignment h = c.alignment & Qt::AlignHorizontal_Mask;
        writeText(A::Align, h & Qt::AlignHCenter ? QStringLiteral("center")
                            : h & Qt::AlignRight ? QStringLiteral("right")
                                                 : QString());
        const Qt::Alignment v = c.alignment & Qt::AlignVertical_Mask;
        writeText(A::VAlign, v & Qt::AlignTop      ? QStringLiteral("top")
                             : v & Qt::AlignBottom ? QStringLiteral("bottom")
                                                   : QString());
        writeFlag(A::Wrap, c.wrap);
        writeFlag(A::Shrink, c.shrink);
        writeText(A::Frame, frameText(c.frame));
        writeNumber(A::FrameWidth, c.frameWidth, ReportControl().frameWidth);
        if (c.background.isValid())
            writeText(A::Background, c.background.name(QColor::HexRgb));
    }

    // A control's attribute, when its kind has it and it is not empty.
    void writeText(ControlAttribute attribute, const QString &value)
    {
        if (m_kind->has(attribute) && !value.isEmpty())
            m_xml.writeAttribute(attributeName(attribute), value);
    }
    void writeFlag(ControlAttribute attribute, bool value)
    {
        writeText(attribute, value ? QStringLiteral("true") : QString());
    }
    void writeNumber(ControlAttribute attribute, double value, double fallback)
    {
        if (numberText(value) != numberText(fallback))
            writeText(attribute, numberText(value));
    }
    void writeNumber(const QString &name, double value, double fallback)
    {
        if (numberText(value) != numberText(fallback))
            m_xml.writeAttribute(name, numberText(value));
    }

    QXmlStreamWriter m_xml;
    const ReportLayout &m_layout;
    const ControlKindInfo *m_kind = nullptr;
};

} // namespace

QByteArray LayoutWriter::write(const ReportLayout &layout)
{
    QByteArray out;
    Writer(out, layout).write();
    out += '\n';
    return out;
}

Result<void> LayoutWriter::save(const ReportLayout &layout, const QString &path)
{
    return writeWholeFile(path, write(layout), QStringLiteral("Yazdırma tasarımı kaydedilemedi"));
}

} // namespace tarvel

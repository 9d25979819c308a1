#include "printing/layoutreader.h"

#include "foundation/base/errors.h"
#include "foundation/store/smallfile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

namespace tarvel {

namespace {

// "label, textbox, line ya da rect": the elements a section may hold.
QString controlElements()
{
    QStringList names;
    for (const ControlKindInfo &info : controlKinds())
        names << QString(info.element);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" ya da ") + last;
}

} // namespace

ReportLayout LayoutReader::read(const QString &path)
{
    const SmallFile file = readSmallFile(path);
    // A pointer naming no layout leads to the layouts' folder itself.
    if (file.outcome == SmallFile::Missing || QFileInfo(path).isDir())
        throw Error(QStringLiteral("Yazdırma tasarımı bulunamadı: %1").arg(path));
    if (file.outcome == SmallFile::Refused)
        throw Error(QStringLiteral("Yazdırma tasarımı okunamadı (%1): %2").arg(file.reason, path));
    return parse(file.bytes, path);
}

ReportLayout LayoutReader::parse(const QByteArray &text, const QString &path)
{
    QXmlStreamReader xml(text);
    LayoutReader reader(xml, path);
    if (text.trimmed().isEmpty())
        reader.failAt(0, QStringLiteral("dosya boş"));
    return reader.readLayout();
}

ReportLayout LayoutReader::readLayout()
{
    ReportLayout layout;
    m_fontFamily = layout.fontFamily;
    m_fontSize = layout.fontSize;
    if (!m_xml.readNextStartElement())
        fail(QStringLiteral("dosya boş ya da XML değil"));
    if (m_xml.name() != QLatin1String("layout"))
        fail(QStringLiteral("kök öğe <layout> olmalı, <%1> bulundu").arg(m_xml.name().toString()));
    onlyAttributes({QStringLiteral("version")});

    const QStringList sectionNames{QStringLiteral("pageheader"), QStringLiteral("detail"),
                                   QStringLiteral("pagefooter")};
    while (m_xml.readNextStartElement()) {
        const QString element = m_xml.name().toString();
        const int section = int(sectionNames.indexOf(element));
        if (element == QLatin1String("page")) {
            readPage(layout);
        } else if (element == QLatin1String("font")) {
            readDefaultFont();
            layout.fontFamily = m_fontFamily;
            layout.fontSize = m_fontSize;
        } else if (element == QLatin1String("background")) {
            readBackground(layout.background);
        } else if (section >= 0) {
            if (m_seenSection[section])
                fail(QStringLiteral("<%1> bölümü iki kez var").arg(element));
            m_seenSection[section] = true;
            readSection(layout.sections[size_t(section)]);
        } else {
            fail(QStringLiteral("<%1> burada beklenmiyor (page, font, background, pageheader, detail, "
                                "pagefooter olabilir)")
                     .arg(element));
        }
    }
    if (m_xml.hasError())
        fail(QString());
    checkFits(layout);
    return layout;
}

void LayoutReader::readPage(ReportLayout &layout)
{
    onlyAttributes({QStringLiteral("size"), QStringLiteral("orientation"), QStringLiteral("margins")});
    const QString size = attribute(QStringLiteral("size"));
    if (!size.isEmpty()) {
        const QPageSize::PageSizeId id = namedPageSize(size);
        bool named = id != QPageSize::Custom;
        if (named)
            layout.pageSize = QPageSize(id);
        static const QRegularExpression custom(QStringLiteral("^\\s*([0-9.,]+)\\s*x\\s*([0-9.,]+)\\s*$"));
        const QRegularExpressionMatch m = custom.match(size);
        if (!named && m.hasMatch()) {
            const double w = QString(m.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            const double h = QString(m.captured(2)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            if (w > 0 && h > 0)
                layout.pageSize = QPageSize(QSizeF(w, h), QPageSize::Millimeter);
            named = w > 0 && h > 0;
        }
        if (!named)
            fail(QStringLiteral("kağıt boyu \"%1\" tanınmıyor (A4, A5, Letter ... ya da 210x297 gibi mm)")
                     .arg(size));
    }
    const QString orientation = attribute(QStringLiteral("orientation"));
    if (orientation == QLatin1String("landscape"))
        layout.orientation = QPageLayout::Landscape;
    else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
        fail(QStringLiteral("orientation \"%1\" olamaz (portrait ya da landscape)").arg(orientation));

    const QString margins = attribute(QStringLiteral("margins"));
    if (!margins.isEmpty()) {
        QList<double> values;
        for (QString part : margins.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool ok = false;
            const double v = part.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || v < 0)
                fail(QStringLiteral("margins değeri geçersiz: \"%1\"").arg(margins));
            values << v;
        }
        if (values.size() == 1)
            layout.margins = QMarginsF(values[0], values[0], values[0], values[0]);
        else if (values.size() == 4)
            layout.margins = QMarginsF(values[0], values[1], values[2], values[3]);
        else
            fail(QStringLiteral("margins bir ya da dört sayı olmalı (sol üst sağ alt): \"%1\"").arg(margins));
    }
    skipEnd();
}

void LayoutReader::readDefaultFont()
{
    onlyAttributes({QStringLiteral("family"), QStringLiteral("size")});
    const QString family = attribute(QStringLiteral("family"));
    if (!family.isEmpty())
        m_fontFamily = family;
    m_fontSize = number(QStringLiteral("size"), m_fontSize);
    if (m_fontSize <= 0)
        fail(QStringLiteral("yazı boyu sıfırdan büyük olmalı"));
    skipEnd();
}

void LayoutReader::readBackground(ReportBackground &background)
{
    onlyAttributes({QStringLiteral("image"), QStringLiteral("x"), QStringLiteral("y")});
    background.image = attribute(QStringLiteral("image"));
    if (background.image.trimmed().isEmpty())
        fail(QStringLiteral("<background> için image gerekli"));
    background.offset = QPointF(number(QStringLiteral("x"), 0), number(QStringLiteral("y"), 0));
    skipEnd();
}

void LayoutReader::readSection(ReportSection &section)
{
    onlyAttributes({QStringLiteral("height")});
    section.height = number(QStringLiteral("height"), 0, true);
    if (section.height < 0)
        fail(QStringLiteral("bölüm yüksekliği eksi olamaz"));
    while (m_xml.readNextStartElement())
        section.controls << readControl();
}

ReportControl LayoutReader::readControl()
{
    ReportControl c;
    const QString element = m_xml.name().toString();
    const std::optional<ControlKind> kind = kindOfElement(element);
    if (!kind)
        fail(QStringLiteral("<%1> burada beklenmiyor (%2 olabilir)").arg(element, controlElements()));
    c.kind = *kind;
    onlyAttributes(attributeNames(controlKind(c.kind).attributes));

    c.name = attribute(QStringLiteral("name"));
    c.tag = attribute(QStringLiteral("tag"));
    c.caption = attribute(QStringLiteral("caption"));
    c.rect = QRectF(number(QStringLiteral("x"), 0, true), number(QStringLiteral("y"), 0, true),
                    number(QStringLiteral("width"), 0, true), number(QStringLiteral("height"), 0, true));
    if (c.rect.width() < 0 || c.rect.height() < 0)
        fail(QStringLiteral("genişlik ve yükseklik eksi olamaz"));
    const QString family = attribute(QStringLiteral("font"));
    c.fontFamily = family.isEmpty() ? m_fontFamily : family;
    c.fontSize = number(QStringLiteral("size"), m_fontSize);
    if (c.fontSize <= 0)
        fail(QStringLiteral("yazı boyu sıfırdan büyük olmalı"));
    c.bold = flag(QStringLiteral("bold"), false);
    c.italic = flag(QStringLiteral("italic"), false);
    c.wrap = flag(QStringLiteral("wrap"), false);
    c.shrink = flag(QStringLiteral("shrink"), false);

    c.alignment = choice(QStringLiteral("align"),
                         {{"left", Qt::AlignLeft}, {"center", Qt::AlignHCenter}, {"right", Qt::AlignRight}}) |
                  choice(QStringLiteral("valign"),
                         {{"middle", Qt::AlignVCenter}, {"top", Qt::AlignTop}, {"bottom", Qt::AlignBottom}});

    const QString frame = attribute(QStringLiteral("frame"));
    for (const QString &side : frame.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (side == QLatin1String("all"))
            c.frame = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
        else if (side == QLatin1String("left"))
            c.frame |= Qt::LeftEdge;
        else if (side == QLatin1String("top"))
            c.frame |= Qt::TopEdge;
        else if (side == QLatin1String("right"))
            c.frame |= Qt::RightEdge;
        else if (side == QLatin1String("bottom"))
            c.frame |= Qt::BottomEdge;
        else if (side != QLatin1String("none"))
            fail(QStringLiteral("frame \"%1\" olamaz (none, all ya da left top right bottom)").arg(frame));
    }
    c.frameWidth = number(QStringLiteral("frame-width"), c.frameWidth);
    if (c.frameWidth < 0)
        fail(QStringLiteral("frame-width eksi olamaz"));
    const QString background = attribute(QStringLiteral("background"));
    if (!background.isEmpty()) {
        c.background = QColor::fromString(background);
        if (!c.background.isValid())
            fail(QStringLiteral("background \"%1\" bir renk değil (#rrggbb)").arg(background));
    }
    skipEnd();
    return c;
}

void LayoutReader::checkFits(const ReportLayout &layout) const
{
    const ReportSection &detail = layout.section(ReportLayout::Detail);
    if (detail.height <= 0)
        failAt(0, QStringLiteral("<detail> bölümü yok ya da yüksekliği 0; kalemler basılamaz"));
    const double room = layout.detailBottom() - layout.detailTop();
    if (room < detail.height)
        failAt(0, QStringLiteral("sayfa başı ve sayfa sonu arasında bir <detail> satırına yer kalmıyor "
                                 "(kalan %1 mm, satır %2 mm)")
                      .arg(room, 0, 'f', 1)
                      .arg(detail.height, 0, 'f', 1));
}

QString LayoutReader::attribute(const QString &name) const
{
    return m_xml.attributes().value(name).toString();
}

double LayoutReader::number(const QString &name, double fallback, bool required) const
{
    if (!m_xml.attributes().hasAttribute(name)) {
        if (required)
            fail(QStringLiteral("<%1> için %2 gerekli").arg(m_xml.name().toString(), name));
        return fallback;
    }
    // A person editing the file may well write the decimal comma.
    QString text = attribute(name).trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        fail(QStringLiteral("%1 değeri sayı değil: \"%2\"").arg(name, attribute(name)));
    return value;
}

Qt::Alignment
LayoutReader::choice(const QString &name,
                     std::initializer_list<std::pair<const char *, Qt::AlignmentFlag>> values) const
{
    const QString value = attribute(name);
    if (value.isEmpty())
        return values.begin()->second;
    QStringList names;
    for (const auto &[text, alignment] : values) {
        if (value == QLatin1String(text))
            return alignment;
        names << QString::fromLatin1(text);
    }
    fail(QStringLiteral("%1 \"%2\" olamaz (%3)").arg(name, value, names.join(QStringLiteral(", "))));
}

bool LayoutReader::flag(const QString &name, bool fallback) const
{
    const QString value = attribute(name);
    if (value.isEmpty())
        return fallback;
    if (value == QLatin1String("true") || value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("0"))
        return false;
    fail(QStringLiteral("%1 değeri true ya da false olmalı: \"%2\"").arg(name, value));
}

void LayoutReader::onlyAttributes(const QStringList &names) const
{
    for (const QXmlStreamAttribute &a : m_xml.attributes()) {
        if (!names.contains(a.name().toString()))
            fail(QStringLiteral("<%1> öğesinde bilinmeyen özellik: %2")
                     .arg(m_xml.name().toString(), a.name().toString()));
    }
}

void LayoutReader::skipEnd()
{
    const QString parent = m_xml.name().toString();
    if (m_xml.readNextStartElement())
        fail(QStringLiteral("<%1> içinde <%2> beklenmiyor").arg(parent, m_xml.name().toString()));
}

void LayoutReader::fail(const QString &what) const
{
    if (!m_xml.hasError())
        failAt(m_xml.lineNumber(), what);
    // The reader's own texts are English; the two a person editing the file
    // meets are said in Turkish.
    QString cause;
    switch (m_xml.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        cause = QStringLiteral("dosya yarıda bitiyor, kapanmamış bir öğe var");
        break;
    case QXmlStreamReader::NotWellFormedError:
        cause = QStringLiteral("kurallara uymayan metin (etiket, tırnak ya da & işareti yanlış)");
        break;
    default:
        cause = m_xml.errorString();
        break;
    }
    failAt(m_xml.lineNumber(), QStringLiteral("XML hatası: %1").arg(cause));
}

void LayoutReader::failAt(qint64 line, const QString &what) const
{
    const QString where = line > 0 ? QStringLiteral("%1, satır %2").arg(m_path).arg(line) : m_path;
    throw Error(QStringLiteral("Yazdırma tasarımı hatalı: %1: %2").arg(where, what));
}

} // namespace tarvel

#include "printing/layoutdoc/layoutdocument.h"

#include "foundation/base/errors.h"
#include "foundation/store/smallfile.h"
#include "foundation/store/wholefile.h"
#include "printing/layoutreader.h"
#include "printing/layoutwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QUndoCommand>
#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

const QPointF pasteOffset(2, 2);

bool sameRect(const QRectF &a, const QRectF &b)
{
    return qFuzzyCompare(a.x() + 1, b.x() + 1) && qFuzzyCompare(a.y() + 1, b.y() + 1) &&
           qFuzzyCompare(a.width() + 1, b.width() + 1) && qFuzzyCompare(a.height() + 1, b.height() + 1);
}

// Undoing a move must give the very numbers back, and a value moved in steps
// of 0.1 mm must not collect binary noise on the way: 1/1000 mm is the
// precision of the file.
double roundMm(double value)
{
    return std::round(value * 1000) / 1000;
}

QRectF roundedRect(const QRectF &r)
{
    return QRectF(roundMm(r.x()), roundMm(r.y()), roundMm(r.width()), roundMm(r.height()));
}

} // namespace

// One edit: the document's state before and after it.
class LayoutDocument::StateCommand : public QUndoCommand {
public:
    StateCommand(LayoutDocument &document, const QString &text, State before, State after)
        : QUndoCommand(text), m_document(document), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void redo() override { m_document.restore(m_after); }
    void undo() override { m_document.restore(m_before); }

private:
    LayoutDocument &m_document;
    State m_before;
    State m_after;
};

LayoutDocument::LayoutDocument(QObject *parent) : QObject(parent) {}

Result<void> LayoutDocument::open(const QString &path)
{
    State state;
    try {
        state.layout = LayoutReader::read(path);
    } catch (const Error &e) {
        return e;
    }
    for (size_t s = 0; s < state.ids.size(); ++s) {
        for (qsizetype i = 0; i < state.layout.sections[s].controls.size(); ++i)
            state.ids[s] << newId();
    }
    // Held by its whole path, so a save under another folder still finds it.
    QString &image = state.layout.background.image;
    if (!image.isEmpty())
        image = QDir::cleanPath(QFileInfo(path).absoluteDir().absoluteFilePath(image));
    m_undo.clear();
    m_selection.clear();
    m_path = QFileInfo(path).absoluteFilePath();
    restore(state);
    emit pathChanged();
    return {};
}

Result<void> LayoutDocument::save()
{
    return saveAs(m_path);
}

Result<void> LayoutDocument::saveAs(const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    if (const Result<void> saved = LayoutWriter::save(layoutFor(target), target); !saved)
        return saved;
    m_undo.setClean();
    if (target != m_path) {
        m_path = target;
        emit pathChanged();
    }
    return {};
}

ReportLayout LayoutDocument::layoutFor(const QString &file) const
{
    ReportLayout layout = m_state.layout;
    QString &image = layout.background.image;
    const QDir folder = QFileInfo(file).absoluteDir();
    if (!image.isEmpty() && isUnder(image, folder.absoluteFilePath(QStringLiteral(".."))))
        image = folder.relativeFilePath(image);
    return layout;
}

QString LayoutDocument::name() const
{
    return QFileInfo(m_path).fileName();
}

QList<int> LayoutDocument::allIds() const
{
    QList<int> all;
    for (const QList<int> &ids : m_state.ids)
        all += ids;
    return all;
}

std::optional<LayoutDocument::Place> LayoutDocument::locate(int id) const
{
    for (size_t s = 0; s < m_state.ids.size(); ++s) {
        const qsizetype index = m_state.ids[s].indexOf(id);
        if (index >= 0)
            return Place{Section(s), index};
    }
    return std::nullopt;
}

const ReportControl &LayoutDocument::control(int id) const
{
    const Place place = locate(id).value();
    return m_state.layout.section(place.section).controls.at(place.index);
}

ReportControl &LayoutDocument::controlIn(State &state, int id) const
{
    const Place place = locate(id).value();
    return state.layout.section(place.section).controls[place.index];
}

LayoutDocument::Section LayoutDocument::sectionOf(int id) const
{
    return locate(id).value().section;
}

QPointF LayoutDocument::sectionOrigin(Section section) const
{
    const ReportLayout &l = m_state.layout;
    switch (section) {
    case ReportLayout::PageHeader:
        return {l.margins.left(), l.margins.top()};
    case ReportLayout::Detail:
        return {l.margins.left(), l.detailTop()};
    case ReportLayout::PageFooter:
        break;
    }
    return {l.margins.left(), l.detailBottom()};
}

QRectF LayoutDocument::pageRect(int id) const
{
    return control(id).rect.translated(sectionOrigin(sectionOf(id)));
}

std::optional<LayoutDocument::Section> LayoutDocument::sectionAt(const QPointF &pageMm) const
{
    const ReportLayout &l = m_state.layout;
    const double right = l.paperSize().width() - l.margins.right();
    if (pageMm.x() < l.margins.left() || pageMm.x() > right)
        return std::nullopt;
    for (Section s : {ReportLayout::PageHeader, ReportLayout::Detail, ReportLayout::PageFooter}) {
        const double top = sectionOrigin(s).y();
        if (pageMm.y() >= top && pageMm.y() < top + l.section(s).height)
            return s;
    }
    return std::nullopt;
}

void LayoutDocument::setSelection(const QList<int> &ids)
{
    QList<int> chosen;
    for (int id : ids) {
        if (contains(id) && !chosen.contains(id))
            chosen << id;
    }
    if (chosen == m_selection)
        return;
    m_selection = chosen;
    emit selectionChanged();
}

bool LayoutDocument::apply(State next, const QString &text)
{
    if (next.layout == m_state.layout && next.ids == m_state.ids)
        return false;
    m_undo.push(new StateCommand(*this, text, m_state, std::move(next)));
    return true;
}

void LayoutDocument::restore(const State &state)
{
    m_state = state;
    emit layoutChanged();
    // A control an undo took away is no longer selected.
    setSelection(m_selection);
}

QString LayoutDocument::freeName(const QString &prefix, const State &state) const
{
    QStringList taken;
    for (const ReportSection &section : state.layout.sections) {
        for (const ReportControl &c : section.controls)
            taken << c.name;
    }
    for (int n = 1;; ++n) {
        const QString name = prefix + QString::number(n);
        if (!taken.contains(name))
            return name;
    }
}

int LayoutDocument::addControl(Section section, ReportControl control, const QString &text)
{
    State next = m_state;
    const int id = newId();
    control.rect = roundedRect(control.rect);
    next.layout.section(section).controls << control;
    next.ids[size_t(section)] << id;
    if (!apply(next, text))
        return -1;
    setSelection({id});
    return id;
}

int LayoutDocument::addField(const QString &tag, const QPointF &pageMm)
{
    const std::optional<Section> section = sectionAt(pageMm);
    if (!section)
        return -1;
    const ControlKindInfo &kind = controlKind(ControlKind::TextBox);
    ReportControl c = newControl(kind);
    c.tag = tag;
    // A box no taller than its band, so a detail row does not run into the next.
    const double height = std::min(kind.size.height(), m_state.layout.section(*section).height);
    c.rect = QRectF(pageMm - sectionOrigin(*section), QSizeF(kind.size.width(), height));
    return addControl(*section, c, QStringLiteral("Alan ekle: %1").arg(tag));
}

int LayoutDocument::addShape(ControlKind kind, const QPointF &pageMm)
{
    const std::optional<Section> section = sectionAt(pageMm);
    if (!section)
        return -1;
    const ControlKindInfo &info = controlKind(kind);
    ReportControl c = newControl(info);
    c.caption = info.caption.toString();
    c.rect = QRectF(pageMm - sectionOrigin(*section), info.size);
    return addControl(*section, c, info.addText.toString());
}

ReportControl LayoutDocument::newControl(const ControlKindInfo &kind) const
{
    ReportControl c;
    c.kind = kind.kind;
    c.name = freeName(kind.namePrefix, m_state);
    c.fontFamily = m_state.layout.fontFamily;
    c.fontSize = m_state.layout.fontSize;
    return c;
}

bool LayoutDocument::removeSelection()
{
    State next = m_state;
    for (size_t s = 0; s < next.ids.size(); ++s) {
        for (qsizetype i = next.ids[s].size() - 1; i >= 0; --i) {
            if (m_selection.contains(next.ids[s].at(i))) {
                next.ids[s].removeAt(i);
                next.layout.sections[s].controls.removeAt(i);
            }
        }
    }
    return apply(next, m_selection.size() == 1 ? QStringLiteral("Sil") : QStringLiteral("Seçilenleri sil"));
}

bool LayoutDocument::changeControls(const QList<int> &ids, const std::function<void(ReportControl &)> &edit,
                                    const QString &text)
{
    State next = m_state;
    for (int id : ids) {
        if (!contains(id))
            continue;
        ReportControl &c = controlIn(next, id);
        edit(c);
        c.rect = roundedRect(c.rect);
        // A box is never turned inside out.
        c.rect.setWidth(std::max(0.0, c.rect.width()));
        c.rect.setHeight(std::max(0.0, c.rect.height()));
        if (sameRect(c.rect, control(id).rect))
            c.rect = control(id).rect;
    }
    return apply(next, text);
}

bool LayoutDocument::moveSelection(const QPointF &deltaMm)
{
    return changeControls(
        m_selection, [&](ReportControl &c) { c.rect.translate(deltaMm); }, QStringLiteral("Taşı"));
}

bool LayoutDocument::nudgeSelection(int key, Qt::KeyboardModifiers modifiers)
{
    const double step = modifiers & Qt::ShiftModifier ? fineNudgeStep : nudgeStep;
    QPointF delta;
    switch (key) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    default:
        return false;
    }
    return moveSelection(delta);
}

bool LayoutDocument::alignSelection(Align align)
{
    if (m_selection.size() < 2)
        return false;
    const QRectF first = pageRect(m_selection.first());
    switch (align) {
    case Align::Left: {
        double left = first.left();
        for (int id : m_selection)
            left = std::min(left, pageRect(id).left());
        return changeControls(
            m_selection, [&](ReportControl &c) { c.rect.moveLeft(left); }, QStringLiteral("Sola hizala"));
    }
    case Align::Right: {
        double right = first.right();
        for (int id : m_selection)
            right = std::max(right, pageRect(id).right());
        return changeControls(
            m_selection, [&](ReportControl &c) { c.rect.moveRight(right); }, QStringLiteral("Sağa hizala"));
    }
    case Align::Top: {
        // On the page: controls of different sections line up on the paper.
        double top = first.top();
        for (int id : m_selection)
            top = std::min(top, pageRect(id).top());
        State next = m_state;
        for (int id : m_selection)
            controlIn(next, id).rect.moveTop(roundMm(top - sectionOrigin(sectionOf(id)).y()));
        return apply(next, QStringLiteral("Üste hizala"));
    }
    case Align::SameWidth:
        return changeControls(
            m_selection, [&](ReportControl &c) { c.rect.setWidth(first.width()); },
            QStringLiteral("Aynı genişlik"));
    }
    return false;
}

void LayoutDocument::copySelection()
{
    QList<Copied> copied;
    for (int id : std::as_const(m_selection))
        copied << Copied{sectionOf(id), control(id)};
    if (!copied.isEmpty())
        m_clipboard = copied;
}

bool LayoutDocument::paste()
{
    if (m_clipboard.isEmpty())
        return false;
    State next = m_state;
    QList<int> pasted;
    for (Copied copy : std::as_const(m_clipboard)) {
        copy.control.rect = roundedRect(copy.control.rect.translated(pasteOffset));
        if (!copy.control.name.isEmpty()) {
            QString prefix = copy.control.name;
            while (!prefix.isEmpty() && prefix.back().isDigit())
                prefix.chop(1);
            copy.control.name = freeName(prefix, next);
        }
        const int id = newId();
        next.layout.section(copy.section).controls << copy.control;
        next.ids[size_t(copy.section)] << id;
        pasted << id;
    }
    if (!apply(next, QStringLiteral("Yapıştır")))
        return false;
    setSelection(pasted);
    return true;
}

bool LayoutDocument::setSectionHeight(Section section, double heightMm)
{
    State next = m_state;
    next.layout.section(section).height = roundMm(std::max(0.0, heightMm));
    // The printing refuses a layout whose detail band has no room.
    const ReportLayout &l = next.layout;
    if (l.section(ReportLayout::Detail).height <= 0 ||
        l.detailBottom() - l.detailTop() < l.section(ReportLayout::Detail).height)
        return false;
    return apply(next, QStringLiteral("Bölüm yüksekliği"));
}

bool LayoutDocument::setPage(const QPageSize &size, QPageLayout::Orientation orientation,
                             const QMarginsF &margins)
{
    State next = m_state;
    next.layout.pageSize = size;
    next.layout.orientation = orientation;
    next.layout.margins = margins;
    const ReportLayout &l = next.layout;
    if (l.detailBottom() - l.detailTop() < l.section(ReportLayout::Detail).height)
        return false;
    return apply(next, QStringLiteral("Sayfa"));
}

bool LayoutDocument::setBackground(const ReportBackground &background)
{
    State next = m_state;
    next.layout.background = background;
    next.layout.background.offset = QPointF(roundMm(background.offset.x()), roundMm(background.offset.y()));
    return apply(next,
                 background.image.isEmpty() ? QStringLiteral("Zemini kaldır") : QStringLiteral("Zemin"));
}

bool LayoutDocument::isUnder(const QString &file, const QString &folder)
{
    const QString root = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return QDir::cleanPath(file).startsWith(root + QLatin1Char('/'));
}

Result<void> LayoutDocument::setBackgroundPicture(const QString &file)
{
    QImageReader reader(file);
    if (!QFileInfo(file).isFile() || !reader.canRead())
        return Error(
            QStringLiteral("Resim okunamadı: %1 (%2)")
                .arg(file, QFileInfo(file).isFile() ? reader.errorString() : QStringLiteral("dosya yok")));
    QString image = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    const QDir folder = QFileInfo(m_path).absoluteDir();
    if (!isUnder(image, folder.absoluteFilePath(QStringLiteral("..")))) {
        // Kept with the layout, so the layouts' tree carries everything it needs.
        image =
            folder.absoluteFilePath(name() + QStringLiteral("-zemin.") + QFileInfo(file).suffix().toLower());
        // A scan of a page at a high resolution stays well below this.
        const SmallFile in = readSmallFile(file, 64 * 1024 * 1024);
        if (in.outcome != SmallFile::Read)
            return Error(
                QStringLiteral("Resim okunamadı: %1 (%2)")
                    .arg(file, in.outcome == SmallFile::Missing ? QStringLiteral("dosya yok") : in.reason));
        if (const Result<void> copied =
                writeWholeFile(image, in.bytes, QStringLiteral("Zemin resmi kopyalanamadı"));
            !copied)
            return copied;
    }
    ReportBackground background = m_state.layout.background;
    background.image = image;
    setBackground(background);
    return {};
}

} // namespace tarvel

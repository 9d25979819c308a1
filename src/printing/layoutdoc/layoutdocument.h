#pragma once

#include "foundation/base/result.h"
#include "printing/reportlayout.h"

#include <QList>
#include <QObject>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>

namespace tarvel {

// A layout being designed: the layout, a stable id for each control, the
// selection and the edits. Every edit is one command on the undo stack (its
// state before and after), so undo gives back exactly what was there. The
// page is laid out as it prints: the page header at the top margin, the first
// detail band under it, the page footer on the bottom margin; positions are
// millimetres, on the page or in a control's section.
class LayoutDocument : public QObject {
    Q_OBJECT
public:
    using Section = ReportLayout::Section;
    enum class Align { Left, Right, Top, SameWidth };

    explicit LayoutDocument(QObject *parent = nullptr);

    // ---- The file -------------------------------------------------------------
    // Reads the layout; a file that cannot be read leaves the document as it
    // was and the error says why (the printing's "Yazdırma tasarımı ..." texts).
    Result<void> open(const QString &path);
    // Writes the layout to its file (through a file renamed over it, so the
    // previous one stays whole until the new one is complete); the error
    // names the file and the cause.
    Result<void> save();
    // Writes it under another path, which it keeps from then on.
    Result<void> saveAs(const QString &path);
    // The layout as the file at that path holds it: a background picture in
    // the layouts' tree (the folder above the layout's) is named from the
    // file's folder, any other by its whole path.
    ReportLayout layoutFor(const QString &file) const;
    const QString &path() const { return m_path; }
    // The layout's name: its file name, as the pointer names it.
    QString name() const;
    bool isModified() const { return !m_undo.isClean(); }
    QUndoStack &undoStack() { return m_undo; }

    // ---- What it holds ----------------------------------------------------------
    // The background picture by its whole path.
    const ReportLayout &layout() const { return m_state.layout; }
    QList<int> controlIds(Section section) const { return m_state.ids[size_t(section)]; }
    QList<int> allIds() const;
    bool contains(int id) const { return locate(id).has_value(); }
    // The control of an id the document holds.
    const ReportControl &control(int id) const;
    Section sectionOf(int id) const;

    // Where a section's top left corner is on the page, mm.
    QPointF sectionOrigin(Section section) const;
    // A control's box on the page, mm.
    QRectF pageRect(int id) const;
    // The section whose band holds a point of the page; none in the margins
    // and between the detail band and the page footer.
    std::optional<Section> sectionAt(const QPointF &pageMm) const;

    // ---- Selection --------------------------------------------------------------
    // In the order chosen: the first is the one the others are aligned to.
    const QList<int> &selection() const { return m_selection; }
    void setSelection(const QList<int> &ids);

    // ---- Edits (each one command; false and no command when nothing changes) --------
    // Adds a control to a section and selects it; returns its id.
    int addControl(Section section, ReportControl control, const QString &text);
    // A text box showing a field, its top left corner at a point of the page
    // (in the section that holds it); -1 when no section does.
    int addField(const QString &tag, const QPointF &pageMm);
    // A control of the kind's usual size and caption at a point of the page
    // (a label, a line, a frame).
    int addShape(ControlKind kind, const QPointF &pageMm);
    bool removeSelection();
    // Applies edit to each control; one command named text.
    bool changeControls(const QList<int> &ids, const std::function<void(ReportControl &)> &edit,
                        const QString &text);
    bool moveSelection(const QPointF &deltaMm);
    // The arrow keys: 0.5 mm, with Shift 0.1 mm. False for other keys.
    bool nudgeSelection(int key, Qt::KeyboardModifiers modifiers);
    bool alignSelection(Align align);
    // Keeps copies of the selected controls; paste adds them again, 2 mm
    // further right and down, and selects them.
    void copySelection();
    bool canPaste() const { return !m_clipboard.isEmpty(); }
    bool paste();
    bool setSectionHeight(Section section, double heightMm);
    bool setPage(const QPageSize &size, QPageLayout::Orientation orientation, const QMarginsF &margins);
    bool setBackground(const ReportBackground &background);
    // Lays a picture under the page: one under the layouts' tree (the
    // folder above the layout's) is named from the layout's folder, any
    // other is first copied beside the layout. Fails when the file is no
    // picture or the copy fails.
    Result<void> setBackgroundPicture(const QString &file);

    // Steps of the arrow keys, mm.
    static constexpr double nudgeStep = 0.5;
    static constexpr double fineNudgeStep = 0.1;

signals:
    // The layout changed (an edit, an undo, a redo, another file).
    void layoutChanged();
    void selectionChanged();
    void pathChanged();

private:
    struct State {
        ReportLayout layout;
        std::array<QList<int>, 3> ids; // beside each section's controls
    };
    struct Place {
        Section section;
        qsizetype index;
    };
    struct Copied {
        Section section;
        ReportControl control;
    };
    class StateCommand;

    std::optional<Place> locate(int id) const;
    ReportControl &controlIn(State &state, int id) const;
    // Pushes the change from the current state to next as one command.
    bool apply(State next, const QString &text);
    // Sets the state (the commands' redo and undo).
    void restore(const State &state);
    int newId() { return ++m_lastId; }
    QString freeName(const QString &prefix, const State &state) const;
    // A control of the kind named by the first free name, in the layout's font.
    ReportControl newControl(const ControlKindInfo &kind) const;
    static bool isUnder(const QString &file, const QString &folder);

    State m_state;
    QString m_path;
    QList<int> m_selection;
    QList<Copied> m_clipboard;
    QUndoStack m_undo;
    int m_lastId = 0;
};

} // namespace tarvel

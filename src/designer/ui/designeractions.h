#pragma once

#include "printing/controlkinds.h"

#include <QList>
#include <array>

class QAction;
class QObject;

namespace tarvel {

// The designer's menu and tool bar items. Each is made once, with its
// object name, text and keys, and reached by its value, so a misspelt item
// does not compile.
enum class DesignerAction {
    Open,
    Save,
    SaveAs,
    MakeDefault,
    PreviewSample,
    PreviewWaybills,
    TestPage,
    Quit,
    Undo,
    Redo,
    Copy,
    Paste,
    Delete,
    SelectAll,
    AlignLeft,
    AlignRight,
    AlignTop,
    SameWidth,
    SnapToGrid,
    ShowPicture,
    ZoomIn,
    ZoomOut,
    ActualSize,
    FitWidth,
    ChoosePicture,
    RemovePicture,
};
inline constexpr size_t designerActionCount = size_t(DesignerAction::RemovePicture) + 1;

// The items of one window, its children; besides them the "Ekle" item of
// each control kind that has one in the table of control kinds.
class DesignerActions {
public:
    explicit DesignerActions(QObject *owner);

    QAction *operator[](DesignerAction action) const { return m_actions[size_t(action)]; }
    // The kind's "Ekle" item; none for a kind without one.
    QAction *adding(ControlKind kind) const { return m_adding[size_t(kind)]; }
    // The "Ekle" items, in the order of the kinds.
    QList<QAction *> addingAll() const;

private:
    std::array<QAction *, designerActionCount> m_actions{};
    std::array<QAction *, controlKindCount> m_adding{};
};

} // namespace tarvel

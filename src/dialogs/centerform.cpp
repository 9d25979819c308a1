#include "dialogs/centerform.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

namespace tarvel {

void centerform(QWidget *window)
{
    if (!window)
        return;
    // A report window inside the main window moves with its frame.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        window = frame;
    QRect area;
    if (window->isWindow()) {
        QScreen *screen = window->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->geometry();
    } else if (window->parentWidget()) {
        // A window inside the main window's work area centres in that area.
        area = window->parentWidget()->rect();
    } else {
        return;
    }
    // Before a window is first shown its frame is unknown; the frame geometry
    // is then the window's own.
    const QSize size = window->isWindow() ? window->frameGeometry().size() : window->size();
    // A window larger than the screen keeps its top-left corner (and its
    // title bar) on the screen.
    const int left = area.x() + std::max(0, (area.width() - size.width()) / 2);
    const int top = area.y() + std::max(0, (area.height() - size.height()) / 2);
    window->move(left, top);
}

void fitToScreen(QWidget *window, const QSize &wanted)
{
    if (!window)
        return;
    const QWidget *parent = window->parentWidget();
    QScreen *screen = parent ? parent->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    // The frame is unknown before the window is first shown: room for a title bar and borders.
    const QSize frame(16, 40);
    window->resize(wanted.boundedTo(screen->availableGeometry().size() - frame));
}

} // namespace tarvel

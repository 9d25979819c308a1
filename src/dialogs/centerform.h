#pragma once

class QSize;
class QWidget;

namespace tarvel {

// Centres a window on the screen it is on (the primary screen before it is
// shown). Every window of the program calls it first thing when it loads.
// A window inside another (an MDI child, or its QMdiSubWindow) centres in
// the area that holds it.
void centerform(QWidget *window);

// Sizes a top-level window as wanted, but no larger than the available
// area of the screen it opens on (its parent's, or the primary one), less
// room for the frame the window system adds; its layout shares out the
// rest. Call it before centerform.
void fitToScreen(QWidget *window, const QSize &wanted);

} // namespace tarvel

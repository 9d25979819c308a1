#pragma once

class QWidget;

namespace tarvel {

// Centres a window on the screen it is on (the primary screen before it is
// shown). Every window of the program calls it first thing when it loads.
// A window inside another (an MDI child, or its QMdiSubWindow) centres in
// the area that holds it.
void centerform(QWidget *window);

} // namespace tarvel

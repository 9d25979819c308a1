#pragma once

class QWidget;

namespace tarvel {

// Centres a window on the screen it is on (the primary screen before it is
// shown). Every window of the program calls it first thing when it loads.
void centerform(QWidget *window);

} // namespace tarvel

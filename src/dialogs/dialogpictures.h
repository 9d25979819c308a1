#pragma once

#include <QPixmap>

namespace tarvel {

// The pictures of the program's dialogs, drawn rather than shipped so they stay
// crisp at every screen scale.
enum class DialogPicture {
    Check,   // green disc with a white check mark
    Warning, // yellow triangle with a black exclamation mark
    Cross,   // red disc with a white cross
    Lock,    // padlock of the settings password gate
};

// A square picture of `size` device-independent pixels for a screen of the
// given pixel ratio.
QPixmap dialogPicture(DialogPicture picture, int size, qreal devicePixelRatio);

} // namespace tarvel

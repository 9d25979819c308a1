#pragma once

#include <QPixmap>

namespace tarvel {

// The picture of the loading report's title band: a delivery truck, drawn
// rather than shipped so it stays crisp at every screen scale.
QPixmap truckPicture(int size, qreal devicePixelRatio);

} // namespace tarvel

#pragma once

class QPagedPaintDevice;
class QPainter;
class QSizeF;

namespace tarvel {

class WaybillReport;

// The test page: the first form on the layout's paper under a light grid in
// millimetres (every fifth line darker, centimetres numbered), to lay on the
// pre-printed form against the light and see where the values fall. Returns
// the pages painted; 0 when the device cannot be painted on.
int paintTestPage(const WaybillReport &form, QPagedPaintDevice *device);

// The grid alone, on a painter that works in millimetres.
void paintMillimetreGrid(QPainter &painter, const QSizeF &paperMm);

} // namespace tarvel

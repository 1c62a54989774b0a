#pragma once
// Paints the items a Canvas keeps with a QPainter, mapped from canvas twips
// into a device rectangle (stretched when the proportions differ).

#include "services/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace tallyrock {

// `target` is in device units.
void paintCanvas(QPainter& painter, const Canvas& canvas, const QRectF& target);
// The font of a text item; scaleY is device units per twip.
QFont canvasFont(const CanvasFont& font, double scaleY);
// One item; scaleX and scaleY are device units per twip.
void paintCanvasItem(QPainter& painter, const CanvasItem& item, const QRectF& target, double scaleX,
                     double scaleY);

} // namespace tallyrock

#include "CanvasPainting.h"

#include "PrintFonts.h"

#include <QFontMetricsF>
#include <cmath>
#include <numbers>

namespace tallyrock {

namespace {
QColor color(uint32_t rgb) {
    return QColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
}
int sixteenthsOfDegree(double radians) {
    return static_cast<int>(std::lround(radians * 180 / std::numbers::pi * 16));
}
} // namespace

QFont canvasFont(const CanvasFont& font, double scaleY) {
    QFont qfont = printFont(font.name, font.size, font.bold);
    // A point is 20 twips; the stretch scales the letters as it scales the drawing.
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20 * scaleY))));
    return qfont;
}

void paintCanvasItem(QPainter& painter, const CanvasItem& item, const QRectF& target, double scaleX,
                     double scaleY) {
    auto map = [&](double x, double y) {
        return QPointF(target.left() + x * scaleX, target.top() + y * scaleY);
    };
    QPen pen(color(item.color));
    pen.setWidthF(std::max(1, item.lineWidth) * TwipsPerPixel * scaleX);
    pen.setStyle(item.dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (item.shape) {
    case CanvasShape::Line:
        // A line of zero length is a dot of the pen's width (QPainter draws nothing for it).
        if (item.x == item.x2 && item.y == item.y2)
            painter.drawPoint(map(item.x, item.y));
        else
            painter.drawLine(map(item.x, item.y), map(item.x2, item.y2));
        break;
    case CanvasShape::Text: {
        QFont font = canvasFont(item.font, scaleY);
        painter.setFont(font);
        QFontMetricsF metrics(font, painter.device());
        painter.drawText(map(item.x, item.y) + QPointF(0, metrics.ascent()),
                         QString::fromStdString(item.text));
        break;
    }
    case CanvasShape::Pie: {
        QRectF box(map(item.x - item.radius, item.y - item.radius),
                   map(item.x + item.radius, item.y + item.radius));
        painter.setBrush(color(item.fillColor));
        // Counter-clockwise from start to end, across 3 o'clock when end is the smaller.
        double sweep = item.end - item.start;
        if (sweep < 0) sweep += 2 * std::numbers::pi;
        int span = sixteenthsOfDegree(sweep);
        if (span == 0)
            painter.drawEllipse(box);
        else
            painter.drawPie(box, sixteenthsOfDegree(item.start), span);
        break;
    }
    case CanvasShape::Box:
        painter.setBrush(color(item.fillColor));
        painter.drawRect(QRectF(map(item.x, item.y), map(item.x + item.width, item.y + item.height)));
        break;
    }
}

void paintCanvas(QPainter& painter, const Canvas& canvas, const QRectF& target) {
    if (canvas.width() <= 0 || canvas.height() <= 0) return;
    double scaleX = target.width() / canvas.width(), scaleY = target.height() / canvas.height();
    painter.save();
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const CanvasItem& item : canvas.items())
        paintCanvasItem(painter, item, target, scaleX, scaleY);
    painter.restore();
}

} // namespace tallyrock

#include "QtCanvas.h"

#include "print/CanvasPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace tallyrock {

namespace {
constexpr double PixelsPerTwip = 1 / TwipsPerPixel;
}

QtCanvas::QtCanvas(double width, double height, uint32_t background)
    : Canvas(width, height), m_pixmap(static_cast<int>(std::lround(width * PixelsPerTwip)),
                                      static_cast<int>(std::lround(height * PixelsPerTwip))),
      m_background(background) {
    erase();
}

double QtCanvas::textHeight(const std::string&) const {
    return QFontMetricsF(canvasFont(font(), PixelsPerTwip), &m_pixmap).height() * TwipsPerPixel;
}

void QtCanvas::paint(const CanvasItem& item) {
    QPainter painter(&m_pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCanvasItem(painter, item, QRectF(m_pixmap.rect()), PixelsPerTwip, PixelsPerTwip);
}

void QtCanvas::erase() {
    m_pixmap.fill(QColor((m_background >> 16) & 255, (m_background >> 8) & 255, m_background & 255));
}

} // namespace tallyrock

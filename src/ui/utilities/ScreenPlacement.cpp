#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tallyrock {

int twipsToPixels(int twips) {
    QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(twips * dpi / 1440.0 + 0.5);
}

void centreBelowMiddle(QWidget& window, int twipsBelow) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || window.isMaximized() || window.isMinimized()) return;
    QRect area = screen->availableGeometry();
    QSize size = window.frameSize().isValid() ? window.frameSize() : window.size();
    window.move(area.center().x() - size.width() / 2,
                area.center().y() - size.height() / 2 + twipsToPixels(twipsBelow));
}

} // namespace tallyrock

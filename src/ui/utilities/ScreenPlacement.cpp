#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tallyrock {

int twipsToPixels(int twips) {
    QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

void centreBelowMiddle(QWidget& window, int twipsBelow) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || window.isMaximized() || window.isMinimized()) return;
    // Centred at the size it opens with: its style applied, no smaller than its layout allows.
    window.ensurePolished();
    if (QLayout* layout = window.layout()) layout->activate();
    // A window never resized opens at its layout's size: take that size now.
    if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    QRect area = screen->availableGeometry();
    QSize size = window.frameSize().isValid() ? window.frameSize() : window.size();
    window.move(area.center().x() - size.width() / 2,
                area.center().y() - size.height() / 2 + twipsToPixels(twipsBelow));
}

void placeBeside(QWidget& window, const QWidget& other) {
    QScreen* screen = other.screen() ? other.screen() : QGuiApplication::primaryScreen();
    if (!screen || window.isMaximized() || window.isMinimized()) return;
    const int gap = twipsToPixels(120), narrowest = twipsToPixels(4500);
    QRect area = screen->availableGeometry();
    QRect beside = other.frameGeometry();
    // The window manager's frame; one not framed yet gets the other window's.
    QSize margins = (window.frameGeometry().size() - window.size())
                        .expandedTo(other.frameGeometry().size() - other.size());
    QSize frame = window.size() + margins;
    int right = area.right() - beside.right() - gap, left = beside.left() - area.left() - gap;
    int room = std::max(right, left);
    if (frame.width() > room && room >= narrowest) {
        window.resize(room - margins.width(), window.height());
        frame.setWidth(room);
    }
    int x;
    if (frame.width() <= right)
        x = beside.right() + 1 + gap;
    else if (frame.width() <= left)
        x = beside.left() - gap - frame.width();
    else
        x = right >= left ? area.right() + 1 - frame.width() : area.left();
    int y = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    window.move(x, y);
}

} // namespace tallyrock

#include "Canvas.h"

#include <array>
#include <utility>

namespace tallyrock {

uint32_t paletteColor(int n) {
    static constexpr std::array<uint32_t, 16> palette{
        rgbColor(0, 0, 0),       rgbColor(0, 0, 128),   rgbColor(0, 128, 0),   rgbColor(0, 128, 128),
        rgbColor(128, 0, 0),     rgbColor(128, 0, 128), rgbColor(128, 128, 0), rgbColor(192, 192, 192),
        rgbColor(128, 128, 128), rgbColor(0, 0, 255),   rgbColor(0, 255, 0),   rgbColor(0, 255, 255),
        rgbColor(255, 0, 0),     rgbColor(255, 0, 255), rgbColor(255, 255, 0), rgbColor(255, 255, 255)};
    return palette[n & 15];
}

namespace {

// The drawing state with the item's shape and its position.
CanvasItem placed(CanvasItem item, CanvasShape shape, double x, double y) {
    item.shape = shape;
    item.x = x;
    item.y = y;
    return item;
}

} // namespace

void Canvas::clear() {
    m_items.clear();
    erase();
}

void Canvas::add(CanvasItem item) {
    m_items.push_back(std::move(item));
    paint(m_items.back());
}

void Canvas::line(double x1, double y1, double x2, double y2) {
    CanvasItem item = placed(m_state, CanvasShape::Line, x1, y1);
    item.x2 = x2;
    item.y2 = y2;
    add(std::move(item));
}

void Canvas::text(double x, double y, const std::string& text) {
    CanvasItem item = placed(m_state, CanvasShape::Text, x, y);
    item.text = text;
    add(std::move(item));
}

void Canvas::pie(double centreX, double centreY, double radius, double start, double end) {
    CanvasItem item = placed(m_state, CanvasShape::Pie, centreX, centreY);
    item.radius = radius;
    item.start = start;
    item.end = end;
    add(std::move(item));
}

void Canvas::box(double x, double y, double width, double height) {
    CanvasItem item = placed(m_state, CanvasShape::Box, x, y);
    item.width = width;
    item.height = height;
    add(std::move(item));
}

} // namespace tallyrock

#pragma once
// A drawing surface that keeps what is drawn on it, for the charts and the card
// picture: a window shows it, and a printer prints the kept drawing stretched to
// a rectangle (ReportPrinter::drawPicture). Coordinates are twips (1/1440 inch)
// from the top left, y growing downwards; angles are radians counter-clockwise
// from the 3 o'clock direction; line widths are screen pixels (15 twips).
//
// Every drawing call is kept as an item and then handed to the implementation
// to paint: the Qt canvas paints on a pixmap, the picture canvas keeps the
// items only, and the test recorder reads them back.

#include <cstdint>
#include <string>
#include <vector>

namespace tallyrock {

// Colours are 0xRRGGBB.
constexpr uint32_t rgbColor(int red, int green, int blue) {
    return (static_cast<uint32_t>(red & 255) << 16) | (static_cast<uint32_t>(green & 255) << 8) |
           static_cast<uint32_t>(blue & 255);
}
constexpr uint32_t BlackColor = 0;
constexpr uint32_t WhiteColor = 0xFFFFFF;

// Colour n of the 16-colour palette of early PC graphics (0 black, 9 light
// blue ... 14 yellow, 15 white); n is taken modulo 16.
uint32_t paletteColor(int n);

constexpr double TwipsPerPixel = 15; // a screen pixel at 96 dots per inch

struct CanvasFont {
    std::string name = "Arial";
    double size = 8; // points
    bool bold = false;
};

enum class CanvasShape { Line, Text, Pie, Box };

struct CanvasItem {
    CanvasShape shape = CanvasShape::Line;
    double x = 0, y = 0;                   // line start; text and box top left; pie centre
    double x2 = 0, y2 = 0;                 // line end
    double width = 0, height = 0;          // box size
    double radius = 0, start = 0, end = 0; // pie
    std::string text;
    uint32_t color = BlackColor;     // pen and text
    uint32_t fillColor = BlackColor; // pie and box inside
    int lineWidth = 1;
    bool dotted = false;
    CanvasFont font;
};

class Canvas {
  public:
    Canvas(double width, double height) : m_width(width), m_height(height) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Inner size, twips.
    double width() const { return m_width; }
    double height() const { return m_height; }

    void setColor(uint32_t rgb) { m_state.color = rgb; }
    void setFillColor(uint32_t rgb) { m_state.fillColor = rgb; }
    void setLineWidth(int pixels) { m_state.lineWidth = pixels; }
    void setDotted(bool dotted) { m_state.dotted = dotted; }
    void setFontName(const std::string& name) { m_state.font.name = name; }
    void setFontSize(double points) { m_state.font.size = points; }
    void setBold(bool bold) { m_state.font.bold = bold; }
    const CanvasFont& font() const { return m_state.font; }

    // Forgets everything drawn; the pens and font stay.
    void clear();
    // A line of zero length shows as a dot of the line width.
    void line(double x1, double y1, double x2, double y2);
    // Text with its top left at (x, y).
    void text(double x, double y, const std::string& text);
    // A filled slice from angle `start` counter-clockwise to `end`, both radii
    // drawn; equal angles give a complete disc.
    void pie(double centreX, double centreY, double radius, double start, double end);
    // A box filled with the fill colour and outlined with the pen colour.
    void box(double x, double y, double width, double height);

    // Height of a line of text in the current font, twips.
    virtual double textHeight(const std::string& text) const = 0;

    // What is drawn, in drawing order.
    const std::vector<CanvasItem>& items() const { return m_items; }

  protected:
    virtual void paint(const CanvasItem& item) = 0;
    virtual void erase() = 0;

  private:
    void add(CanvasItem item);

    double m_width, m_height;
    CanvasItem m_state; // the current pens and font
    std::vector<CanvasItem> m_items;
};

} // namespace tallyrock

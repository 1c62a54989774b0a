#pragma once

#include "Canvas.h"

namespace tallyrock {

// A canvas that only keeps its drawing, for charts that are printed without a
// screen (the command-line tool). Text metrics are nominal: a line is 1.2
// times the font size.
class PictureCanvas : public Canvas {
  public:
    using Canvas::Canvas;
    double textHeight(const std::string&) const override { return font().size * 20 * 1.2; }

  protected:
    void paint(const CanvasItem&) override {}
    void erase() override {}
};

} // namespace tallyrock

#pragma once
// Keeps what is drawn with the picture canvas's nominal text metrics; picks items out by shape.

#include "services/PictureCanvas.h"

#include <string>
#include <vector>

namespace tallyrock::test {

class RecordingCanvas : public PictureCanvas {
  public:
    using PictureCanvas::PictureCanvas;

    std::vector<CanvasItem> itemsOf(CanvasShape shape) const {
        std::vector<CanvasItem> out;
        for (const CanvasItem& item : items())
            if (item.shape == shape) out.push_back(item);
        return out;
    }
    std::vector<CanvasItem> lines() const { return itemsOf(CanvasShape::Line); }
    std::vector<CanvasItem> texts() const { return itemsOf(CanvasShape::Text); }
    std::vector<CanvasItem> pies() const { return itemsOf(CanvasShape::Pie); }
    std::vector<CanvasItem> boxes() const { return itemsOf(CanvasShape::Box); }

    std::vector<CanvasItem> textsReading(const std::string& text) const {
        std::vector<CanvasItem> out;
        for (const CanvasItem& item : texts())
            if (item.text == text) out.push_back(item);
        return out;
    }
    int erased = 0;

  protected:
    void erase() override { ++erased; }
};

} // namespace tallyrock::test

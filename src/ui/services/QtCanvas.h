#pragma once
// The canvas of the chart windows: what is drawn is painted at once on a
// pixmap of the screen's 15 twips per pixel, so the window only shows the
// pixmap and never redraws.

#include "services/Canvas.h"

#include <QPixmap>

namespace tallyrock {

class QtCanvas : public Canvas {
  public:
    // Size in twips; the background shows where nothing is drawn.
    QtCanvas(double width, double height, uint32_t background = WhiteColor);

    const QPixmap& pixmap() const { return m_pixmap; }
    double textHeight(const std::string& text) const override;

  protected:
    void paint(const CanvasItem& item) override;
    void erase() override;

  private:
    QPixmap m_pixmap;
    uint32_t m_background;
};

} // namespace tallyrock

#pragma once
// A ReportPrinter that keeps the printed text: each printed line as the page
// shows it, a print that does not end its line continued by the next print,
// a form feed between pages. Drawn lines and pictures leave no text.

#include "ReportPrinter.h"

#include <string>

namespace tallyrock {

class TextPrinter : public ReportPrinter {
  public:
    void setDocumentName(const std::string&) override {}
    void setOrientation(Orientation o) override { m_orientation = o; }
    void setFontName(const std::string& name) override { m_fontName = name; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setBold(bool bold) override { m_bold = bold; }
    void setTextColor(uint32_t) override {}
    void setLineWidth(int) override {}

    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }

    void print(const std::string& text, bool endLine = true) override;
    void drawLine(double, double, double, double) override {}
    void drawPicture(const Canvas&, double, double, double, double) override {}
    void newPage() override;
    void endDoc() override;

    double pageWidth() const override;
    double pageHeight() const override;
    double textWidth(const std::string& text) const override;
    double textHeight() const override;

    // Everything printed so far; lines end in "\n", pages are separated by "\f".
    const std::string& text() const { return m_text; }
    bool ended() const { return m_ended; }

  private:
    std::string m_text;
    std::string m_pending; // a line not yet ended
    bool m_hasPending = false;
    bool m_ended = false;
    Orientation m_orientation = Orientation::Portrait;
    std::string m_fontName = "Courier New";
    double m_fontSize = 10;
    bool m_bold = false;
    double m_x = 0, m_y = 0;
};

} // namespace tallyrock

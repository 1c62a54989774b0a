#pragma once
// A page printer in the classic print-object model: a current position in
// twips (1/1440 inch) from the top left of the printable area, a font, a text
// colour and a line width; text printed at the current position either ends
// its line (the position moves to the start of the next line) or does not
// (the position moves to the end of the text).
//
// Implementations: the Qt printer (system printer or PDF file), the text
// printer (the printed text line by line), and a recorder for tests.

#include <cstdint>
#include <string>

namespace tallyrock {

class Canvas;

enum class Orientation { Portrait, Landscape };

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;

    // The report's name, for the job and for the name of a PDF printout.
    virtual void setDocumentName(const std::string& name) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;
    // 0xRRGGBB; also the colour of drawn lines.
    virtual void setTextColor(uint32_t rgb) = 0;
    virtual void setLineWidth(int width) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    // Prints text at the current position; with endLine the position goes to
    // the left margin of the next line.
    virtual void print(const std::string& text, bool endLine = true) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // Draws what the canvas keeps, stretched into the rectangle (twips).
    virtual void drawPicture(const Canvas& picture, double x, double y, double width, double height) = 0;
    virtual void newPage() = 0;
    // Ends the document: the job goes to the printer or file.
    virtual void endDoc() = 0;

    virtual double pageWidth() const = 0; // printable area, twips
    virtual double pageHeight() const = 0;
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight() const = 0; // height of one line in the current font
};

} // namespace tallyrock

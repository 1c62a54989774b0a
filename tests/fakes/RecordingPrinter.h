#pragma once
// Prints as the text printer does (so pages read back as text) and records every call in order.

#include "services/Canvas.h"
#include "services/TextPrinter.h"

#include <sstream>
#include <string>
#include <vector>

namespace tallyrock::test {

class RecordingPrinter : public TextPrinter {
  public:
    // One entry per call: "setFontSize 10", "print Name|", "newPage" ... ("|-": the line goes on).
    std::vector<std::string> calls;
    std::string documentName;

    void setDocumentName(const std::string& name) override {
        documentName = name;
        record("setDocumentName " + name);
    }
    void setOrientation(Orientation o) override {
        record(o == Orientation::Landscape ? "setOrientation Landscape" : "setOrientation Portrait");
        TextPrinter::setOrientation(o);
    }
    void setFontName(const std::string& name) override {
        record("setFontName " + name);
        TextPrinter::setFontName(name);
    }
    void setFontSize(double points) override {
        record("setFontSize " + number(points));
        TextPrinter::setFontSize(points);
    }
    void setBold(bool bold) override {
        record(bold ? "setBold 1" : "setBold 0");
        TextPrinter::setBold(bold);
    }
    void setTextColor(uint32_t rgb) override { record("setTextColor " + std::to_string(rgb)); }
    void setLineWidth(int width) override { record("setLineWidth " + std::to_string(width)); }
    void setCurrentX(double twips) override {
        record("setCurrentX " + number(twips));
        TextPrinter::setCurrentX(twips);
    }
    void setCurrentY(double twips) override {
        record("setCurrentY " + number(twips));
        TextPrinter::setCurrentY(twips);
    }
    void print(const std::string& text, bool endLine = true) override {
        record("print " + text + (endLine ? "|" : "|-"));
        TextPrinter::print(text, endLine);
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        record("drawLine " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2));
    }
    void drawPicture(const Canvas& picture, double x, double y, double width, double height) override {
        record("drawPicture " + std::to_string(picture.items().size()) + " " + number(x) + " " + number(y) +
               " " + number(width) + " " + number(height));
    }
    void newPage() override {
        record("newPage");
        TextPrinter::newPage();
    }
    void endDoc() override {
        record("endDoc");
        TextPrinter::endDoc();
    }

    // The printed pages, each as its lines.
    std::vector<std::vector<std::string>> pages() const {
        std::vector<std::vector<std::string>> out(1);
        std::string line;
        for (char c : text()) {
            if (c == '\f') {
                out.emplace_back();
            } else if (c == '\n') {
                out.back().push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        return out;
    }
    int count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : calls)
            n += c == call;
        return n;
    }

  private:
    void record(std::string call) { calls.push_back(std::move(call)); }
    static std::string number(double value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }
};

} // namespace tallyrock::test

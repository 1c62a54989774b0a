#include "TextPrinter.h"

#include "store/FileNames.h"

namespace tallyrock {

namespace {
// A letter-size page less half-inch margins, in twips.
constexpr double PortraitWidth = 7.5 * 1440, PortraitHeight = 10 * 1440;
} // namespace

void TextPrinter::print(const std::string& text, bool endLine) {
    m_pending += text;
    m_hasPending = true;
    if (endLine) {
        m_text += m_pending + "\n";
        m_pending.clear();
        m_hasPending = false;
        m_x = 0;
        m_y += textHeight();
    } else {
        m_x += textWidth(text);
    }
}

void TextPrinter::newPage() {
    if (m_hasPending) print("", true);
    m_text += "\f";
    m_x = m_y = 0;
}

void TextPrinter::endDoc() {
    if (m_hasPending) print("", true);
    m_ended = true;
}

double TextPrinter::pageWidth() const {
    return m_orientation == Orientation::Portrait ? PortraitWidth : PortraitHeight;
}

double TextPrinter::pageHeight() const {
    return m_orientation == Orientation::Portrait ? PortraitHeight : PortraitWidth;
}

// Fixed pitch: a character is six tenths of the font size wide.
double TextPrinter::textWidth(const std::string& text) const {
    return static_cast<double>(charCount(text)) * m_fontSize * 20 * 0.6;
}

double TextPrinter::textHeight() const {
    return m_fontSize * 20 * 1.2;
}

} // namespace tallyrock

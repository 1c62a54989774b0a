#include "Message.h"

namespace tallyrock {

std::string joinLines(std::initializer_list<std::string> lines) {
    std::string out;
    bool first = true;
    for (const auto& l : lines) {
        if (!first) out += "\r\n";
        out += l;
        first = false;
    }
    return out;
}

std::string plainLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += '\n';
        // The other half of a pair belongs to the same break.
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c) ++i;
    }
    return out;
}

} // namespace tallyrock

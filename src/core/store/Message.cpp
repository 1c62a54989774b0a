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

} // namespace tallyrock

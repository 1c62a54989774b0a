#include "FileNames.h"

#include "SafeText.h"

namespace tallyrock {
namespace fs = std::filesystem;

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return upperCase(a) == upperCase(b);
}

bool isLegalLeagueName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find_first_of("/\\:;") == std::string_view::npos &&
           isSafeText(name) && !isBlank(name);
}

bool isLegalLeagueFile(std::string_view leagueFilePath) {
    return leagueFilePath.size() > 4 &&
           isLegalLeagueName(leagueFilePath.substr(0, leagueFilePath.size() - 4));
}

Message illegalFileName() {
    return {"Tallyrock", "Illegal Name for file", Icon::Exclamation};
}

fs::path resolveFile(const fs::path& folder, std::string_view name) {
    fs::path exact = folder / std::string(name);
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    fs::path found;
    for (auto it = fs::directory_iterator(folder.empty() ? fs::path(".") : folder, ec);
         !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        // Several spellings may exist; take the first in name order for a stable choice.
        if (equalsIgnoringCase(candidate, name) && (found.empty() || candidate < found.filename().string()))
            found = folder / candidate;
    }
    return found.empty() ? exact : found;
}

bool fileExists(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    return fs::exists(resolveFile(folder, name), ec);
}

fs::path freeSideName(const fs::path& folder, const std::string& base, const std::string& suffix) {
    for (int n = 1;; ++n) {
        std::string name = base + suffix + (n == 1 ? "" : std::to_string(n));
        if (!fileExists(folder, name)) return folder / name;
    }
}

namespace {
// Length of the UTF-8 sequence starting at text[i], or 1 for a byte that does not start a valid one.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t len = byte < 0x80         ? 1
                      : (byte >> 5) == 6  ? 2
                      : (byte >> 4) == 14 ? 3
                      : (byte >> 3) == 30 ? 4
                                          : 1;
    if (i + len > text.size()) return 1;
    for (std::size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return 1;
    return len;
}
} // namespace

std::size_t charCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text, i))
        ++count;
    return count;
}

std::string leftChars(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < n; ++count)
        i += sequenceLength(text, i);
    return std::string(text.substr(0, i));
}

std::string fitChars(std::string_view text, std::size_t n) {
    std::string out = leftChars(text, n);
    out.append(n - charCount(out), ' ');
    return out;
}

} // namespace tallyrock

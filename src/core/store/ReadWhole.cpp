#include "ReadWhole.h"

#include "LineReader.h"

namespace tallyrock {

std::optional<std::string> readWhole(const std::filesystem::path& path, std::size_t maxBytes) {
    BoundedFile file = readBoundedFile(path, maxBytes);
    if (file.result != FileRead::Read) return std::nullopt;
    return std::move(file.text);
}

} // namespace tallyrock

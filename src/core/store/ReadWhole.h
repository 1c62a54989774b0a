#pragma once
// Reading a whole file into memory, with a bound, so a device or a runaway
// file never fills the memory.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyrock {

// Larger than any data file or backup copy the program makes.
inline constexpr std::size_t MaxCopiedFileSize = 64u << 20;

// The file's bytes; nothing when it is not a regular file, cannot be read, or
// holds more than maxBytes.
std::optional<std::string> readWhole(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace tallyrock

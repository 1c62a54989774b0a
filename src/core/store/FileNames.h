#pragma once
// Data file names match without regard to letter case: "course.dat" finds
// "Course.DAT". An existing file keeps its own spelling.

#include <filesystem>
#include <string>
#include <string_view>

namespace tallyrock {

// The path of `name` in `folder`: the existing file whose name matches without
// regard to letter case, or folder/name when there is none.
std::filesystem::path resolveFile(const std::filesystem::path& folder, std::string_view name);

// True when the file exists under any spelling.
bool fileExists(const std::filesystem::path& folder, std::string_view name);

// ASCII upper case; other bytes unchanged.
std::string upperCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The first free name of `base` + suffix, suffix2, suffix3 ... in the folder.
std::filesystem::path freeSideName(const std::filesystem::path& folder, const std::string& base, const std::string& suffix);

// Number of characters of UTF-8 text (bytes that are not valid UTF-8 count one each).
std::size_t charCount(std::string_view text);
// The first n characters of UTF-8 text.
std::string leftChars(std::string_view text, std::size_t n);
// Pads or cuts text to exactly n characters.
std::string fitChars(std::string_view text, std::size_t n);

} // namespace tallyrock

#pragma once
// Data file names match without regard to letter case: "course.dat" finds
// "Course.DAT". An existing file keeps its own spelling.

#include "Message.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tallyrock {

// The path of `name` in `folder`: the existing file whose name matches without
// regard to letter case, or folder/name when there is none.
std::filesystem::path resolveFile(const std::filesystem::path& folder, std::string_view name);

// True when the file exists under any spelling.
bool fileExists(const std::filesystem::path& folder, std::string_view name);

// ASCII upper case; other bytes unchanged. For file names and fixed keywords;
// names typed by the user are compared with sameName (SafeText.h).
std::string upperCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A league name that may become a file name (NAME.LGE, NAME.tea): not empty
// and not only blanks, safe text (SafeText.h), without "/", "\\", ":" or ";",
// and not beginning with "." (so never "." or ".."). A name from the league
// list passes here before any path is made of it.
bool isLegalLeagueName(std::string_view name);
// The same for the open league's file name (LeagueFilePath): NAME.LGE with a legal NAME.
bool isLegalLeagueFile(std::string_view leagueFilePath);
// The refusal of a name that does not: "Illegal Name for file".
Message illegalFileName();

// The first free name of `base` + suffix, suffix2, suffix3 ... in the folder.
std::filesystem::path freeSideName(const std::filesystem::path& folder, const std::string& base,
                                   const std::string& suffix);

// Number of characters of UTF-8 text (bytes that are not valid UTF-8 count one each).
std::size_t charCount(std::string_view text);
// The first n characters of UTF-8 text.
std::string leftChars(std::string_view text, std::size_t n);
// Pads or cuts text to exactly n characters.
std::string fitChars(std::string_view text, std::size_t n);

} // namespace tallyrock

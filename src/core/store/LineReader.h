#pragma once
// Reads a data file line by line: whole-line texts, number fields and the
// comma-delimited field of the league list's font line. Every read reports
// whether the file still had that line, so a short or damaged file ends the
// load instead of reading garbage.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrock {

// A whole file read into memory, refused before it can fill it: what is not a
// regular file (a folder, a pipe, a device) is never read, and neither is a
// file larger than the bound, nor one that grows past it while it is read.
enum class FileRead { Read, Unreadable, NotRegular, TooLarge };
struct BoundedFile {
    FileRead result = FileRead::Unreadable;
    std::string text; // the file's bytes when read
};
BoundedFile readBoundedFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

class LineReader {
  public:
    // Nothing when the file cannot be opened or read, is not a regular file or
    // holds more than maxBytes: a data file far larger than any valid file of
    // its kind fails its load before it is read into memory.
    static std::optional<LineReader> open(const std::filesystem::path& path, std::uintmax_t maxBytes);
    explicit LineReader(std::string text);

    bool line(std::string& out);                     // one whole line
    bool number(float& out);                         // a Single field
    bool integer(int16_t& out);                      // an Integer field
    bool integerIn(int16_t& out, int low, int high); // an Integer field that must lie in low..high
    bool delimitedField(std::string& out);           // leading blanks skipped, ends at a comma unless quoted

    // Tells the text read from another; equal texts give equal values.
    std::size_t fingerprint() const { return m_fingerprint; }

  private:
    // The next line without its ending, and where the one after it starts;
    // nothing past the last line. Lines are cut as they are read, so a large
    // file costs one copy of its text, not one string per line.
    std::optional<std::string_view> peek(std::size_t& after) const;
    // Reads the next line when `take` (the line's text to whether it is good)
    // takes it; a line it refuses is left to be read again.
    template <typename Take> bool nextLine(Take take);

    std::string m_text;
    std::size_t m_next = 0; // where the next line starts
    std::size_t m_fingerprint = 0;
};

} // namespace tallyrock

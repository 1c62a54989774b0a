#pragma once
// Reads a data file line by line: whole-line texts, number fields and the
// comma-delimited field of the league list's font line. Every read reports
// whether the file still had that line, so a short or damaged file ends the
// load instead of reading garbage.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

class LineReader {
public:
    // Nothing when the file cannot be opened or read.
    static std::optional<LineReader> open(const std::filesystem::path& path);
    explicit LineReader(std::string text);

    bool line(std::string& out);                   // one whole line
    bool number(float& out);                        // a Single field
    bool integer(int16_t& out);                     // an Integer field
    bool integerIn(int16_t& out, int low, int high); // an Integer field that must lie in low..high
    bool delimitedField(std::string& out);          // leading blanks skipped, ends at a comma unless quoted

    // Tells the text read from another; equal texts give equal values.
    std::size_t fingerprint() const { return m_fingerprint; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    std::size_t m_fingerprint = 0;
};

} // namespace tallyrock

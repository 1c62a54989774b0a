#pragma once
// RFC 4180 text: comma-separated fields, quoted fields may hold commas, quotes
// ("") and line breaks; lines end in CR LF or LF. A byte order mark at the
// start is skipped.

#include <string>
#include <string_view>
#include <vector>

namespace tallyrock {

struct CsvRecord {
    int line = 0; // line of the file the record starts on
    std::vector<std::string> fields;
};
struct CsvParse {
    std::vector<CsvRecord> records;
    std::string error; // empty when the whole text was read
    int errorLine = 0;
};
CsvParse parseCsv(std::string_view text);

} // namespace tallyrock

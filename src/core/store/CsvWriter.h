#pragma once
// RFC 4180 text for spreadsheets: a field holding a comma, a double quote or
// a line break is quoted, with its quotes doubled; every record ends in CR LF.
// The text is UTF-8 as the fields are, without a byte order mark.

#include <string>
#include <string_view>
#include <vector>

namespace tallyrock {

// The header row first, then one row per record.
using CsvRows = std::vector<std::vector<std::string>>;

std::string csvField(std::string_view field);
// The fields joined by commas, ended by CR LF.
std::string csvRecord(const std::vector<std::string>& fields);
std::string csvText(const CsvRows& rows);

} // namespace tallyrock

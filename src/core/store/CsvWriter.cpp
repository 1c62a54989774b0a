#include "CsvWriter.h"

namespace tallyrock {

std::string csvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += csvField(fields[i]);
    }
    return line + "\r\n";
}

std::string csvText(const CsvRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows)
        text += csvRecord(row);
    return text;
}

} // namespace tallyrock

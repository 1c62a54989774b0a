#include "CsvReader.h"

namespace tallyrock {

CsvParse parseCsv(std::string_view text) {
    CsvParse result;
    std::size_t i = 0;
    const std::size_t size = text.size();
    int line = 1;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") i = 3; // a spreadsheet's byte order mark
    auto fail = [&result](int at, std::string why) {
        result.error = std::move(why);
        result.errorLine = at;
        return result;
    };
    while (i < size) {
        CsvRecord record;
        record.line = line;
        while (true) {
            std::string field;
            if (text[i] == '"') {
                int startLine = line;
                ++i;
                while (true) {
                    if (i >= size) return fail(startLine, "a quoted field is not closed");
                    char c = text[i];
                    if (c == '"') {
                        if (i + 1 < size && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i + 1 >= size || text[i + 1] != '\n'))) ++line;
                    field += c;
                    ++i;
                }
                if (i < size && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                    return fail(line, "text follows the closing quote of a field");
            } else {
                while (i < size && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                    field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < size && text[i] == ',') {
                ++i;
                if (i < size) continue;
                record.fields.emplace_back(); // a comma ending the text: one more empty field
            }
            break;
        }
        if (i < size && text[i] == '\r') ++i;
        if (i < size && text[i] == '\n') ++i;
        ++line;
        result.records.push_back(std::move(record));
    }
    return result;
}

} // namespace tallyrock

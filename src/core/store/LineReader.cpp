#include "LineReader.h"

#include "NumberText.h"

#include <cmath>
#include <functional>
#include <fstream>
#include <sstream>

namespace tallyrock {

std::optional<LineReader> LineReader::open(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return LineReader(text.str());
}

LineReader::LineReader(std::string text) : m_fingerprint(std::hash<std::string>{}(text)) {
    // Lines end in CR LF; a lone LF or CR ends a line too. A last line without
    // an ending still counts.
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            m_lines.push_back(text.substr(start));
            break;
        }
        m_lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

bool LineReader::line(std::string& out) {
    if (m_next >= m_lines.size()) return false;
    out = m_lines[m_next++];
    return true;
}

bool LineReader::number(float& out) {
    if (m_next >= m_lines.size()) return false;
    auto value = fileFieldNumber(m_lines[m_next]);
    if (!value) return false;
    float f = toSingle(*value);
    ++m_next;
    out = f;
    return true;
}

bool LineReader::integer(int16_t& out) {
    if (m_next >= m_lines.size()) return false;
    auto value = fileFieldInteger(m_lines[m_next]);
    if (!value) return false;
    ++m_next;
    out = *value;
    return true;
}

bool LineReader::integerIn(int16_t& out, int low, int high) {
    int16_t value = 0;
    std::size_t at = m_next;
    if (!integer(value)) return false;
    if (value < low || value > high) {
        m_next = at;
        return false;
    }
    out = value;
    return true;
}

bool LineReader::delimitedField(std::string& out) {
    if (m_next >= m_lines.size()) return false;
    const std::string& text = m_lines[m_next++];
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '"') {
        std::size_t close = text.find('"', i + 1);
        out = text.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
        return true;
    }
    std::size_t end = text.find(',', i);
    out = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
    // Unquoted fields lose their trailing blanks.
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    return true;
}

} // namespace tallyrock

#include "LineReader.h"

#include "NumberText.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyrock {

namespace {
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};
} // namespace

BoundedFile readBoundedFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    // A pipe or a device is never opened for reading when it can be told
    // beforehand; the check after opening covers a file swapped in between
    // (non-blocking, so opening a pipe without a writer cannot hang).
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (ec) return {FileRead::Unreadable, {}};
    if (!std::filesystem::is_regular_file(status)) return {FileRead::NotRegular, {}};
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) return {FileRead::Unreadable, {}};
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return {FileRead::Unreadable, {}};
    if (!S_ISREG(info.st_mode)) return {FileRead::NotRegular, {}};
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return {FileRead::TooLarge, {}};

    BoundedFile read{FileRead::Read, {}};
    read.text.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer;
    while (true) {
        ssize_t got = ::read(file.fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {FileRead::Unreadable, {}};
        if (got == 0) break;
        // A file that grows while it is read stops at the bound too.
        if (read.text.size() + static_cast<std::size_t>(got) > maxBytes) return {FileRead::TooLarge, {}};
        read.text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return read;
}

std::optional<LineReader> LineReader::open(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    BoundedFile file = readBoundedFile(path, maxBytes);
    if (file.result != FileRead::Read) return std::nullopt;
    return LineReader(std::move(file.text));
}

LineReader::LineReader(std::string text)
    : m_text(std::move(text)), m_fingerprint(std::hash<std::string>{}(m_text)) {}

std::optional<std::string_view> LineReader::peek(std::size_t& after) const {
    // Lines end in CR LF; a lone LF or CR ends a line too. A last line without
    // an ending still counts.
    // (A plain loop: the lines are a few characters long, and find_first_of
    // calls memchr once per character; a full league file has 54,000 lines.)
    if (m_next >= m_text.size()) return std::nullopt;
    std::string_view rest = std::string_view(m_text).substr(m_next);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
        ++end;
    if (end == rest.size()) {
        after = m_text.size();
        return rest;
    }
    after = m_next + end + (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n' ? 2 : 1);
    return rest.substr(0, end);
}

namespace {

// Leading blanks skipped; a quoted field ends at its closing quote, an
// unquoted one at a comma, and loses its trailing blanks.
std::string firstField(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && text[i] == '"') {
        std::size_t close = text.find('"', i + 1);
        return std::string(
            text.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
    }
    std::size_t end = text.find(',', i);
    std::string out(text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
    while (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
        out.pop_back();
    return out;
}

} // namespace

template <typename Take> bool LineReader::nextLine(Take take) {
    std::size_t after = 0;
    auto text = peek(after);
    if (!text || !take(*text)) return false;
    m_next = after;
    return true;
}

bool LineReader::line(std::string& out) {
    return nextLine([&](std::string_view text) {
        out.assign(text);
        return true;
    });
}

bool LineReader::number(float& out) {
    return nextLine([&](std::string_view text) {
        auto value = fileFieldNumber(text);
        if (value) out = toSingle(*value);
        return value.has_value();
    });
}

bool LineReader::integer(int16_t& out) {
    return nextLine([&](std::string_view text) {
        auto value = fileFieldInteger(text);
        if (value) out = *value;
        return value.has_value();
    });
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
    return nextLine([&](std::string_view text) {
        out = firstField(text);
        return true;
    });
}

} // namespace tallyrock

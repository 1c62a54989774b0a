#include "TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tallyrock::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tallyrock-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path caseFolder(const std::string& name) {
    const char* tmp = std::getenv("TALLYROCK_TEST_TMP");
    fs::path folder = (tmp ? fs::path(tmp) : fs::temp_directory_path() / "tallyrock-tests") / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

int lineCount(const std::string& text) {
    int n = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2))
        ++n;
    return n;
}

std::vector<std::string> fileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> printedLines(const std::string& text) {
    std::vector<std::string> lines = splitText(text, '\n');
    if (lines.back().empty()) lines.pop_back(); // the end of the last line
    return lines;
}

std::vector<std::string> splitText(const std::string& text, char at) {
    std::vector<std::string> pieces{""};
    for (char c : text) {
        if (c == at)
            pieces.emplace_back();
        else
            pieces.back().push_back(c);
    }
    return pieces;
}

std::map<std::string, std::string> folderSnapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        // The lock files name whoever held them last, and the versions kept for undo are no data.
        if (entry.is_regular_file() && entry.path().filename().string().rfind(".tallyrock.lock", 0) != 0 &&
            entry.path().filename().string().rfind(".tallyrock-open.", 0) != 0 &&
            entry.path().parent_path().filename() != ".tallyrock-versions")
            files[fs::relative(entry.path(), folder).string()] = readFile(entry.path());
    return files;
}

std::map<std::string, std::string> dataFiles(const fs::path& folder) {
    auto files = folderSnapshot(folder);
    std::erase_if(files, [](const auto& file) { return file.first.starts_with("."); });
    return files;
}

} // namespace tallyrock::test

#pragma once
// Temporary folders and whole-file reads and writes for tests.

#include <filesystem>
#include <string>

namespace tallyrock::test {

// A fresh empty folder, removed when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content);
// Lines joined with CR LF, each line ended.
std::string crlf(std::initializer_list<std::string> lines);
// Number of CR LF line ends.
int lineCount(const std::string& text);
// A file of tests/data.
std::string dataFile(const std::string& name);

} // namespace tallyrock::test

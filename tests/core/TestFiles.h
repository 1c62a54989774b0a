#pragma once
// Temporary folders and whole-file reads and writes for tests.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

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

// A fresh empty folder of this name under $TALLYROCK_TEST_TMP (each window
// test program's own) or the temporary folder, left for a look afterwards.
std::filesystem::path caseFolder(const std::string& name);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content);
// Lines joined with CR LF, each line ended.
std::string crlf(std::initializer_list<std::string> lines);
// Number of CR LF line ends.
int lineCount(const std::string& text);
// The lines of a CR LF text, without their ends.
std::vector<std::string> fileLines(const std::string& text);
// The lines of a printed text (LF line ends), without their ends.
std::vector<std::string> printedLines(const std::string& text);
// The pieces of a text between the separators (an ending separator leaves an empty last piece).
std::vector<std::string> splitText(const std::string& text, char at);
// Every file under the folder (relative name -> content), lock files and the
// versions kept for undo left out, to show that nothing changed.
std::map<std::string, std::string> folderSnapshot(const std::filesystem::path& folder);
// The same without the hidden files and folders (the versions kept, the settings).
std::map<std::string, std::string> dataFiles(const std::filesystem::path& folder);

} // namespace tallyrock::test

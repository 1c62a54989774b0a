#pragma once
// Writing whole files safely: the text goes to a new temporary file in the
// same folder, is flushed and synced, then renamed over the target. On any
// error the temporary file is removed and the target is left untouched.

#include <filesystem>
#include <string_view>

namespace tallyrock {

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Replaces the file's content with `content`; false when it could not.
    virtual bool writeFile(const std::filesystem::path& target, std::string_view content) = 0;
};

class AtomicFileWriter : public FileWriter {
public:
    bool writeFile(const std::filesystem::path& target, std::string_view content) override;
};

// Copies a file atomically through the writer; false when either side fails.
bool copyFileAtomically(FileWriter& writer, const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace tallyrock

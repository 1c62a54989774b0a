#pragma once
// Writing whole files safely: the text goes to a new temporary file in the
// same folder, is flushed and synced, then renamed over the target. On any
// error the temporary file is removed and the target is left untouched.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrock {

class FileWriter {
  public:
    virtual ~FileWriter() = default;
    // Writes `content` to a new, synced temporary file beside `target`
    // (".NAME.tmpXXXXXX", with the target's permissions), ready to be renamed
    // over it. Nothing when it could not; `lastError` then says why.
    virtual std::optional<std::filesystem::path> stage(const std::filesystem::path& target,
                                                       std::string_view content);
    // Replaces the file's content (stage, then rename); false when it could not.
    virtual bool writeFile(const std::filesystem::path& target, std::string_view content);
    // Removes the file; true when it is gone or was never there.
    virtual bool removeFile(const std::filesystem::path& target);

    std::string lastError; // the system's reason for the last failure
};

// The writer every store starts with.
using AtomicFileWriter = FileWriter;

// Copies a file atomically through the writer; false when either side fails.
bool copyFileAtomically(FileWriter& writer, const std::filesystem::path& from,
                        const std::filesystem::path& to);

// Syncs a folder, so a rename or removal in it survives a power cut.
void syncFolder(const std::filesystem::path& folder);

// The temporary-file name pattern a save uses beside `target`.
bool isTemporaryName(std::string_view fileName);

} // namespace tallyrock

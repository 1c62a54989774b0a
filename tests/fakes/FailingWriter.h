#pragma once
// A FileWriter failing as on a full disk or a write-protected file; it records every target.

#include "store/FileNames.h"
#include "store/FileWriter.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallyrock::test {

class FailingWriter : public FileWriter {
  public:
    // Fails every write, or only those to files of that name (any case); others really write.
    explicit FailingWriter(std::string name = {}) : m_name(std::move(name)) {}

    std::optional<std::filesystem::path> stage(const std::filesystem::path& target,
                                               std::string_view content) override {
        targets.push_back(target.filename().string());
        if (m_name.empty() || equalsIgnoringCase(target.filename().string(), m_name)) {
            lastError = "No space left on device";
            return std::nullopt;
        }
        return FileWriter::stage(target, content);
    }

    std::vector<std::string> targets; // file names of every write asked for, in order

  private:
    std::string m_name;
};

} // namespace tallyrock::test

#pragma once
// A FileWriter whose writes fail, as a full disk or a write-protected file
// would make them fail. It records every target it was asked to write.

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
    // Fails every write, or, with a name, only writes to files of that name
    // (letter case ignored); other writes go to the real atomic writer.
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

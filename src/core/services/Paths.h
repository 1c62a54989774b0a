#pragma once
// Where the data files and the settings file live, so tests can choose both.

#include <filesystem>

namespace tallyrock {

class Paths {
  public:
    virtual ~Paths() = default;
    virtual std::filesystem::path workDir() const = 0;
    virtual std::filesystem::path settingsDir() const = 0;
};

// The process's working directory and the user's configuration folder.
class SystemPaths : public Paths {
  public:
    std::filesystem::path workDir() const override;
    std::filesystem::path settingsDir() const override;
};

} // namespace tallyrock

#include "Paths.h"

#include "store/SettingsFile.h"

namespace tallyrock {

std::filesystem::path SystemPaths::workDir() const {
    return std::filesystem::current_path();
}
std::filesystem::path SystemPaths::settingsDir() const {
    return GetSettingsDir();
}

} // namespace tallyrock

#include "Backup.h"

#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/SettingsFile.h"
#include "store/WhsFiles.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace tallyrock {
namespace fs = std::filesystem;

Message backupFailure() {
    // These two line breaks are line feed then carriage return, as the message has always had them.
    return {"Tallyrock", "Could not complete backup\n\r\n\rPlease check the file location", Icon::None};
}

bool isMountPoint(const fs::path& folder) {
    struct stat self {};
    struct stat parent {};
    if (::stat(folder.c_str(), &self) != 0 || !S_ISDIR(self.st_mode)) return false;
    if (::stat((folder / "..").c_str(), &parent) != 0) return false;
    return self.st_dev != parent.st_dev;
}

namespace {

std::vector<fs::path> subfolders(const fs::path& folder) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) out.push_back(it->path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

fs::path canonicalOrSelf(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(p, ec);
    return ec ? p : c;
}

BackupRoot driveRoot(const fs::path& path) {
    return {path, path.filename().string() + "  (" + path.string() + ")", true};
}

} // namespace

std::vector<BackupRoot> backupRoots(const std::vector<fs::path>& driveFolders, const fs::path& home,
                                    const MountTest& mounted) {
    std::vector<BackupRoot> roots;
    std::vector<fs::path> seen;
    auto add = [&](const fs::path& path) {
        fs::path key = canonicalOrSelf(path);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) return;
        seen.push_back(key);
        roots.push_back(driveRoot(path));
    };
    for (const fs::path& base : driveFolders) {
        for (const fs::path& entry : subfolders(base)) {
            if (mounted(entry)) {
                add(entry);
                continue;
            }
            // Desktop mounts go one level deeper, under the user's name.
            for (const fs::path& inner : subfolders(entry))
                if (mounted(inner)) add(inner);
        }
    }
    if (!home.empty()) roots.push_back({home, "Home folder  (" + home.string() + ")", false});
    return roots;
}

std::vector<BackupRoot> systemBackupRoots() {
    const char* home = std::getenv("HOME");
    return backupRoots({"/media", "/run/media"}, home && *home ? fs::path(home) : fs::path());
}

BackupRoot chosenBackupRoot(const fs::path& folder) {
    return {folder, folder.string(), false};
}

fs::path backupFolder(const fs::path& root) {
    return root / BackupFolderName;
}

std::vector<DataFile> dataFiles(const Settings& settings) {
    int count = std::clamp<int>(settings.LeagueCount, 0, MaxLeagues);
    std::vector<std::string> leagues;
    for (int k = 1; k <= count; ++k)
        if (isLegalLeagueName(settings.LeagueList[k])) leagues.push_back(settings.LeagueList[k]);
    std::vector<DataFile> files;
    files.reserve(2 * leagues.size() + 4);
    for (const std::string& league : leagues)
        files.push_back({league + ".lge", true});
    files.push_back({LeagueListFileName, true});
    files.push_back({CourseFileName, true});
    for (const std::string& league : leagues)
        files.push_back({league + ".tea", false});
    // Kept only once the World Handicap System's course data is used.
    files.push_back({WhsTeesFileName, false});
    files.push_back({WhsPccFileName, false});
    return files;
}

bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool copyDataFile(FileWriter& writer, const fs::path& fromFolder, const fs::path& toFolder,
                  const std::string& name) {
    // A name from the list never leads out of its folder.
    if (!isPlainFileName(name)) return false;
    fs::path from = resolveFile(fromFolder, name);
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return false;
    fs::path to = resolveFile(toFolder, from.filename().string());
    if (fs::equivalent(from, to, ec)) return false;
    return copyFileAtomically(writer, from, to);
}

Failure BackupDataFiles(Store& store, const fs::path& root) {
    if (root.empty()) return backupFailure();
    fs::path folder = backupFolder(root);
    if (sameFolder(folder, store.workDir)) return backupFailure();
    std::error_code ignored;
    fs::create_directory(folder, ignored); // it may exist from an earlier backup
    // Read under the lock, so the copies are of one moment. A missing required
    // file ends the backup; what was copied before it stays.
    ChangeSet change(store);
    bool complete = true;
    for (const DataFile& file : dataFiles(store.settings))
        if (!copyDataFile(*store.writer, store.workDir, folder, file.name) && file.required) {
            complete = false;
            break;
        }
    if (change.commit() || !complete) return backupFailure();
    return std::nullopt;
}

} // namespace tallyrock

#include "Restore.h"

#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/ReadWhole.h"
#include "store/SettingsFile.h"

#include <memory>
#include <optional>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {
// The restore messages break their lines with line feed then carriage return.
constexpr const char* Break = "\n\r";
} // namespace

Message restoreQuestion() {
    return {"WARNING!",
            std::string("This operation will copy files from your backup disk to the original") + Break +
                "directory on your hard disk where Tallyrock runs." + Break + Break +
                "Are you sure you want to continue?",
            Icon::Stop};
}

Message restoreDone() {
    return {"Restore Utility", "Files Restored,  Please Exit and Restart Tallyrock", Icon::Exclamation};
}

Message restoreFailure() {
    return {"Restore Utility",
            std::string("All data files could not be restored.") + Break +
                "Possible cause - VEXA program was moved" + Break +
                "or reinstalled in a different directory" + Break + "since the backup was made." + Break +
                Break + "If necessary, the backup files can be" + Break +
                "manually copied to the directory where" + Break + "the program resides on your hard drive.",
            Icon::Exclamation};
}

std::vector<fs::path> findBackupFolders(const std::vector<BackupRoot>& roots) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (const BackupRoot& root : roots)
        if (fs::is_directory(backupFolder(root.path), ec)) found.push_back(backupFolder(root.path));
    return found;
}

fs::path backupFolderFor(const fs::path& chosen) {
    std::error_code ec;
    if (fileExists(chosen, LeagueListFileName)) return chosen;
    if (fs::is_directory(backupFolder(chosen), ec)) return backupFolder(chosen);
    return chosen;
}

namespace {

struct Replacement {
    fs::path target;                    // the file in the working directory
    std::optional<std::string> content; // what the backup holds; nothing: the target goes
    bool existed = false;               // the target is there now
};

// The files of the backup, read whole, with their targets. Nothing when a
// required file is missing or unreadable, or a file would replace itself.
std::optional<std::vector<Replacement>> readBackup(const fs::path& workDir, const fs::path& folder) {
    // The backup's own league list names its leagues.
    auto scratch = std::make_unique<Store>();
    scratch->workDir = folder;
    if (LoadLeagueList(*scratch)) return std::nullopt;
    std::vector<Replacement> files;
    for (const DataFile& file : dataFiles(scratch->settings)) {
        if (!isPlainFileName(file.name)) return std::nullopt;
        fs::path source = resolveFile(folder, file.name);
        std::optional<std::string> content = readWhole(source, MaxCopiedFileSize);
        if (!content && file.required) return std::nullopt;
        fs::path target = resolveFile(workDir, source.filename().string());
        std::error_code ec;
        if (fs::equivalent(source, target, ec)) return std::nullopt;
        bool existed = fs::is_regular_file(target, ec);
        // A team point file the backup does not have must not stay beside the restored league.
        if (content || existed) files.push_back({target, std::move(content), existed});
    }
    return files;
}

// Keeps the current data files, and every file the restore will replace, in "Before Restore".
bool keepCurrentFiles(const Store& store, const std::vector<Replacement>& files) {
    fs::path keep = store.workDir / BeforeRestoreFolderName;
    std::error_code ec;
    fs::create_directory(keep, ec);
    if (!fs::is_directory(keep, ec)) return false;
    std::vector<std::string> names;
    auto add = [&](const std::string& name) {
        for (const std::string& known : names)
            if (equalsIgnoringCase(known, name)) return;
        names.push_back(name);
    };
    for (const DataFile& file : dataFiles(store.settings))
        if (isPlainFileName(file.name) && fileExists(store.workDir, file.name))
            add(resolveFile(store.workDir, file.name).filename().string());
    for (const Replacement& file : files)
        if (file.existed) add(file.target.filename().string());
    for (const std::string& name : names)
        if (!copyDataFile(*store.writer, store.workDir, keep, name)) return false;
    return true;
}

} // namespace

Failure RestoreDataFiles(Store& store, const fs::path& folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec) || sameFolder(folder, store.workDir))
        return restoreFailure();
    auto files = readBackup(store.workDir, folder);
    if (!files) return restoreFailure();

    // The kept copies and every restored file land together, or nothing changes.
    ChangeSet change(store, "Restore Data Files");
    if (!keepCurrentFiles(store, *files)) return restoreFailure();
    for (const Replacement& file : *files) {
        bool ok = file.content ? store.writer->writeFile(file.target, *file.content)
                               : store.writer->removeFile(file.target);
        if (!ok) return restoreFailure();
    }
    if (change.commit()) return restoreFailure();
    return std::nullopt;
}

} // namespace tallyrock

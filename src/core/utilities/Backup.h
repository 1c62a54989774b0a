#pragma once
// Backup of the data files into a "VEXA Backup" folder, and the places a
// backup can go. The copies are written atomically and never onto their own
// source.

#include "store/Message.h"
#include "store/Store.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* BackupFolderName = "VEXA Backup";

// A destination root offered by the backup window.
struct BackupRoot {
    std::filesystem::path path;
    std::string label; // the line the destination list shows
    bool removable = false;
};

// True when the folder is a mount point (its device differs from its parent's).
bool isMountPoint(const std::filesystem::path& folder);
using MountTest = std::function<bool(const std::filesystem::path&)>;

// The mounted drives found in driveFolders (a mount point directly inside one
// of them, or one level deeper as in /media/USER/LABEL), folder by folder in
// name order, followed by the home folder when it is given.
std::vector<BackupRoot> backupRoots(const std::vector<std::filesystem::path>& driveFolders,
                                    const std::filesystem::path& home,
                                    const MountTest& mounted = isMountPoint);
// This machine's roots: drives under /media and /run/media, then $HOME.
std::vector<BackupRoot> systemBackupRoots();

// A browsed folder as a destination root.
BackupRoot chosenBackupRoot(const std::filesystem::path& folder);

// The backup folder under a root.
std::filesystem::path backupFolder(const std::filesystem::path& root);

// One data file of a backup, in copy order.
struct DataFile {
    std::string name;
    bool required = true; // a missing or failing required file ends the operation
};
// Every league file, the league list file, the course file, then every team
// point file, for the leagues of the list, and the World Handicap System's
// course files; a listed name that is not a legal league name (FileNames.h)
// names no file.
std::vector<DataFile> dataFiles(const Settings& settings);

// Copies the data files of the working directory into root/"VEXA Backup",
// overwriting earlier copies. The first failure of a league, list or course
// file ends the backup with the failure message (files copied before it stay);
// team point files that are missing or fail are skipped silently.
Failure BackupDataFiles(Store& store, const std::filesystem::path& root);

Message backupFailure();

// Copies `name` (found without regard to letter case) from one folder into
// another atomically, keeping an existing copy's spelling in the destination.
// False when the source is missing, the copy would land on the source itself,
// or the write fails.
bool copyDataFile(FileWriter& writer, const std::filesystem::path& fromFolder,
                  const std::filesystem::path& toFolder, const std::string& name);

// True for a name that stays inside its folder: not empty, ".", ".." and
// without "/".
bool isPlainFileName(const std::string& name);

// True when both name the same existing folder (symbolic links and letter
// case of the path followed as the file system does).
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace tallyrock

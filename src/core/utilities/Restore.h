#pragma once
// Restoring the data files from a "VEXA Backup" folder into the working
// directory. The files about to be replaced are first kept in the folder
// "Before Restore" of the working directory; a restore that fails leaves the
// working directory's files as they were.

#include "Backup.h"

namespace tallyrock {

inline constexpr const char* BeforeRestoreFolderName = "Before Restore";

// The "VEXA Backup" folders that exist under the roots, in the roots' order.
std::vector<std::filesystem::path> findBackupFolders(const std::vector<BackupRoot>& roots);

// The backup folder a browsed folder stands for: the folder itself when it
// holds a league list file, else its "VEXA Backup" subfolder when there is
// one, else the folder as chosen.
std::filesystem::path backupFolderFor(const std::filesystem::path& chosen);

// Copies back the files a backup holds (those of the backup's own league
// list: league files, the list file and the course file, and the team point
// files present). Every file is read and checked first, the current files go
// to "Before Restore", and the copies and restored files land as one change.
Failure RestoreDataFiles(Store& store, const std::filesystem::path& backupFolder);

// The question asked before a restore (Yes and No, No the default).
Message restoreQuestion();
Message restoreDone();
Message restoreFailure();

} // namespace tallyrock

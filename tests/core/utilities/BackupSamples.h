#pragma once
// A working directory with a league list, leagues, team point files and a
// course file, and a drive to back it up to, for the backup and restore tests.

#include "core/TestFiles.h"
#include "store/Store.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace tallyrock::test {

// File name -> content of the regular files directly in a folder.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles folderFiles(const std::filesystem::path& folder);

class BackupSample {
  public:
    BackupSample();

    // Lists the league, writes its league file and, when asked, its team point file.
    void addLeague(const std::string& name, bool withTeams);
    void writeCourses(const std::string& content);
    // Writes the league list file from the store's list.
    void writeLeagueList();
    // League list and course file, as a working directory has them.
    void writeListAndCourses();

    std::filesystem::path work() const { return m_work.path(); }
    std::filesystem::path drive() const { return m_drive.path(); }
    std::filesystem::path backup() const { return m_drive / "VEXA Backup"; }

    std::unique_ptr<Store> store = std::make_unique<Store>();

  private:
    TempDir m_work;
    TempDir m_drive;
};

} // namespace tallyrock::test

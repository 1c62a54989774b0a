// Backing up the data files into "VEXA Backup", the destinations offered, and restoring from there.
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "store/FileWriter.h"
#include "store/SettingsFile.h"
#include "utilities/Backup.h"
#include "utilities/Restore.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

// File name -> content of the regular files directly in a folder.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles folderFiles(const fs::path& folder) {
    FolderFiles files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".tallyrock"))
            files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

// A working directory with a league list, leagues, team files and a course file; a drive to back up to.
class BackupSample {
  public:
    BackupSample() {
        store->workDir = m_work.path();
        store->settings.IndexFactor = 0.96f;
        store->settings.FontName = "Courier New";
    }
    // Lists the league, writes its league file and, when asked, its team point file.
    void addLeague(const std::string& name, bool withTeams) {
        Settings& s = store->settings;
        s.LeagueList[static_cast<std::size_t>(++s.LeagueCount)] = name;
        // Bytes that are not text at all must come through unchanged too.
        writeFile(m_work / (name + ".LGE"), crlf({" 1 ", name + " player", std::string("\xff\x00\x7f", 3)}));
        if (withTeams) writeFile(m_work / (name + ".tea"), crlf({" 1 ", name + " team", " 1 "}));
    }
    void writeCourses(const std::string& content) { writeFile(m_work / "Course.DAT", content); }
    void writeLeagueList() { writeFile(m_work / "vexa.dat", leagueListText(store->settings)); }
    // League list and course file, as a working directory has them.
    void writeListAndCourses() {
        writeLeagueList();
        writeCourses(crlf({" 1 ", "Pine Hills"}));
    }

    fs::path work() const { return m_work.path(); }
    fs::path drive() const { return m_drive.path(); }
    fs::path backup() const { return m_drive / "VEXA Backup"; }

    std::unique_ptr<Store> store = std::make_unique<Store>();

  private:
    TempDir m_work;
    TempDir m_drive;
};

::testing::AssertionResult isBackupFailure(const Failure& failure) {
    return isMessage(failure, "Tallyrock", "Could not complete backup\n\r\n\rPlease check the file location");
}

TEST(Backup, CopiesLeaguesListCourseThenTeamFilesByteForByteOverEarlierCopies) {
    BackupSample sample;
    sample.addLeague("Club", false); // a league without a team file is no failure
    sample.addLeague("Seniors", true);
    sample.writeListAndCourses();
    fs::create_directory(sample.backup());
    writeFile(sample.backup() / "club.lge", "stale"); // an earlier copy under another letter case
    auto recorder = std::make_shared<FailingWriter>("no such file");
    sample.store->writer = recorder;

    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_EQ(recorder->targets,
              (std::vector<std::string>{"club.lge", "Seniors.LGE", "vexa.dat", "Course.DAT", "Seniors.tea",
                                        ".tallyrock.journal"}));
    FolderFiles copied = folderFiles(sample.backup());
    copied["Club.LGE"] = copied["club.lge"];
    copied.erase("club.lge");
    EXPECT_EQ(copied, folderFiles(sample.work()));

    // Run again: same names, new contents, and nothing left over from writing them.
    fs::rename(sample.backup() / "club.lge", sample.backup() / "Club.LGE");
    sample.writeCourses(crlf({" 2 ", "Pine Hills", "Oak Ridge"}));
    writeFile(sample.work() / "Club.tea", crlf({" 0 "}));
    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_EQ(folderFiles(sample.backup()), folderFiles(sample.work()));
}

// Files of leagues not listed stay behind, and a listed name leading out of the folder names no file.
TEST(Backup, OnlyListedLeaguesInsideTheFolderAreCopied) {
    BackupSample sample;
    sample.writeListAndCourses();
    writeFile(sample.work() / "Old.LGE", "old");
    writeFile(sample.work() / "notes.txt", "notes");
    writeFile(sample.drive() / "outside.lge", "not a data file");
    sample.store->settings.LeagueCount = 1;
    sample.store->settings.LeagueList[1] = "../" + sample.drive().filename().string() + "/outside";

    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_EQ(folderFiles(sample.backup()),
              (FolderFiles{{"vexa.dat", readFile(sample.work() / "vexa.dat")},
                           {"Course.DAT", readFile(sample.work() / "Course.DAT")}}));
}

// A missing or unwritable data file ends the backup where it comes; an unwritable team file is skipped.
TEST(Backup, MissingOrFailingFilesEndTheBackupWhereTheyCome) {
    const std::tuple<const char*, std::function<void(BackupSample&)>, std::vector<std::string>> cases[] = {
        {"course file missing",
         [](BackupSample& s) { fs::remove(s.work() / "Course.DAT"); },
         {"Club.LGE", "vexa.dat"}},
        {"league file missing",
         [](BackupSample& s) {
             s.addLeague("Seniors", false);
             s.writeLeagueList();
             fs::remove(s.work() / "Seniors.LGE");
         },
         {"Club.LGE"}},
        {"list not written",
         [](BackupSample& s) { s.store->writer = std::make_shared<FailingWriter>("vexa.dat"); },
         {"Club.LGE"}},
        {"team file not written",
         [](BackupSample& s) { s.store->writer = std::make_shared<FailingWriter>("club.tea"); },
         {"Club.LGE", "Course.DAT", "vexa.dat"}},
    };
    for (const auto& [what, change, copied] : cases) {
        BackupSample sample;
        sample.addLeague("Club", true);
        sample.writeListAndCourses();
        change(sample);
        Failure failure = BackupDataFiles(*sample.store, sample.drive());
        EXPECT_EQ(failure && isBackupFailure(failure), copied.size() < 3) << what;
        FolderFiles expected;
        for (const std::string& name : copied)
            expected[name] = readFile(sample.work() / name);
        EXPECT_EQ(folderFiles(sample.backup()), expected) << what;
    }
}

TEST(Backup, NeverCopiesOntoTheSource) {
    TempDir root;
    auto store = std::make_unique<Store>();
    store->workDir = root / "VEXA Backup";
    fs::create_directory(store->workDir);
    writeFile(store->workDir / "vexa.dat", crlf({" 0 ", " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));
    writeFile(store->workDir / "Course.DAT", crlf({" 0 "}));
    FolderFiles before = folderFiles(store->workDir);
    TempDir other;
    fs::create_directory_symlink(store->workDir, other / "VEXA Backup");
    // The working directory is the chosen root's backup folder, or reached through a link of that name;
    // no root chosen at all, or one that is not there (and is not made).
    for (const fs::path& to : {root.path(), other.path(), fs::path(), other / "unplugged"})
        EXPECT_TRUE(isBackupFailure(BackupDataFiles(*store, to))) << to;
    EXPECT_FALSE(fs::exists(other / "unplugged"));
    EXPECT_EQ(folderFiles(store->workDir), before);
}

TEST(BackupRoots, MountedDrivesFirstInNameOrderThenHome) {
    TempDir machine;
    for (const char* folder : {"media/anna/STICK", "media/anna/EMPTY", "media/CARD", "media/anna/ALPHA",
                               "run/media/bob/DISK", "home/anna"})
        fs::create_directories(machine / folder);
    std::vector<fs::path> mounted = {machine / "media/anna/STICK", machine / "media/CARD",
                                     machine / "media/anna/ALPHA", machine / "run/media/bob/DISK"};
    auto isMounted = [&](const fs::path& p) {
        return std::find(mounted.begin(), mounted.end(), p) != mounted.end();
    };

    std::vector<BackupRoot> roots = backupRoots(
        {machine / "media", machine / "run/media", machine / "nowhere"}, machine / "home/anna", isMounted);
    std::vector<std::pair<fs::path, bool>> found;
    for (const BackupRoot& r : roots)
        found.emplace_back(r.path, r.removable);
    EXPECT_EQ(found, (std::vector<std::pair<fs::path, bool>>{{machine / "media/CARD", true},
                                                             {machine / "media/anna/ALPHA", true},
                                                             {machine / "media/anna/STICK", true},
                                                             {machine / "run/media/bob/DISK", true},
                                                             {machine / "home/anna", false}}));
    EXPECT_NE(roots[0].label.find("CARD"), std::string::npos);
    EXPECT_TRUE(isMountPoint("/proc"));
    EXPECT_FALSE(isMountPoint(machine.path()));
}

// Lets the first `allowed` writes into one folder through and fails the rest, as a disk filling up.
class FullDiskWriter : public FileWriter {
  public:
    FullDiskWriter(fs::path folder, int allowed) : m_folder(std::move(folder)), m_allowed(allowed) {}
    std::optional<fs::path> stage(const fs::path& target, std::string_view content) override {
        if (target.parent_path() == m_folder && m_allowed-- <= 0) return std::nullopt;
        return FileWriter::stage(target, content);
    }

  private:
    fs::path m_folder;
    int m_allowed;
};

::testing::AssertionResult isRestoreFailure(const Failure& failure) {
    return isMessage(failure, "Restore Utility", restoreFailure().text, restoreFailure().icon);
}

// A working directory with two leagues and the World Handicap System's tees, backed up to the drive.
class Restore : public ::testing::Test {
  protected:
    void SetUp() override {
        sample.addLeague("Club", true);
        sample.addLeague("Seniors", false);
        sample.writeListAndCourses();
        writeFile(sample.work() / "whs-tees.dat", crlf({" 0 "}));
        ASSERT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
        backedUp = folderFiles(sample.work());
    }

    // The week after the backup: scores, tees and conditions changed, a league and its teams added.
    FolderFiles changeWorkingFiles() {
        sample.writeCourses(crlf({" 2 ", "Pine Hills", "Oak Ridge"}));
        writeFile(sample.work() / "whs-tees.dat", crlf({" 1 "}));
        writeFile(sample.work() / "whs-pcc.dat", crlf({" 0 "}));
        writeFile(sample.work() / "Club.LGE", crlf({" 2 ", "changed"}));
        writeFile(sample.work() / "Seniors.tea", crlf({" 0 "}));
        sample.addLeague("Juniors", true);
        sample.writeLeagueList();
        return folderFiles(sample.work());
    }

    BackupSample sample;
    FolderFiles backedUp;
};

TEST_F(Restore, IntoAnEmptiedWorkingDirectoryGivesByteIdenticalFiles) {
    for (const auto& [name, content] : backedUp)
        fs::remove(sample.work() / name);
    auto fresh = std::make_unique<Store>();
    fresh->workDir = sample.work();
    EXPECT_FALSE(RestoreDataFiles(*fresh, sample.backup()));
    EXPECT_EQ(folderFiles(sample.work()), backedUp);
    EXPECT_TRUE(folderFiles(sample.work() / "Before Restore").empty());
}

TEST_F(Restore, BeforeRestoreHoldsThePreviousFiles) {
    FolderFiles previous = changeWorkingFiles();
    EXPECT_FALSE(RestoreDataFiles(*sample.store, sample.backup()));
    EXPECT_EQ(folderFiles(sample.work() / "Before Restore"), previous);
    // The backed-up files are back; a team or conditions file it lacked is gone, the added league unlisted.
    FolderFiles now = folderFiles(sample.work());
    FolderFiles expected = backedUp;
    expected["Juniors.LGE"] = previous["Juniors.LGE"];
    expected["Juniors.tea"] = previous["Juniors.tea"];
    EXPECT_EQ(now, expected);

    // Restoring from "Before Restore" undoes the restore.
    EXPECT_FALSE(RestoreDataFiles(*sample.store, sample.work() / "Before Restore"));
    EXPECT_EQ(folderFiles(sample.work()), previous);
}

TEST_F(Restore, RefusedOrFailedRestoreLeavesTheFilesAsTheyWere) {
    FolderFiles previous = changeWorkingFiles();
    // An incomplete backup, or the working directory itself, is refused before anything changes.
    fs::rename(sample.backup() / "Seniors.LGE", sample.drive() / "Seniors.LGE");
    for (const fs::path& from : {sample.backup(), sample.work(), fs::path()})
        EXPECT_TRUE(isRestoreFailure(RestoreDataFiles(*sample.store, from))) << from;
    EXPECT_FALSE(fs::exists(sample.work() / "Before Restore"));
    fs::rename(sample.drive() / "Seniors.LGE", sample.backup() / "Seniors.LGE");
    // The disk fills up; or even the copies into "Before Restore" cannot be written.
    for (auto writer : std::initializer_list<std::shared_ptr<FileWriter>>{
             std::make_shared<FullDiskWriter>(sample.work(), 0),
             std::make_shared<FullDiskWriter>(sample.work(), 2), std::make_shared<FailingWriter>()}) {
        sample.store->writer = writer;
        EXPECT_TRUE(isRestoreFailure(RestoreDataFiles(*sample.store, sample.backup())));
        // No data file changed and no half-restored file is left beside them.
        EXPECT_EQ(folderFiles(sample.work()), previous);
    }
}

TEST_F(Restore, FindsBackupFoldersUnderTheRootsAndFromABrowsedFolder) {
    TempDir emptyDrive;
    std::vector<BackupRoot> roots = {{emptyDrive.path(), "empty", true}, {sample.drive(), "drive", true}};
    EXPECT_EQ(findBackupFolders(roots), std::vector<fs::path>{sample.backup()});
    // The drive, the backup folder itself, or any folder holding the files.
    EXPECT_EQ(backupFolderFor(sample.drive()), sample.backup());
    EXPECT_EQ(backupFolderFor(sample.backup()), sample.backup());
    EXPECT_EQ(backupFolderFor(sample.work()), sample.work());
}

} // namespace
} // namespace tallyrock::test

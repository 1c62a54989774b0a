// Restoring the data files from a "VEXA Backup" folder.
#include "utilities/Restore.h"
#include "BackupSamples.h"
#include "fakes/FailingWriter.h"
#include "store/FileWriter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

// Lets the first `allowed` writes into one folder through and fails every
// later one there, as a disk that fills up during the restore.
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

void expectRestoreFailure(const Failure& failure) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Restore Utility");
    EXPECT_EQ(failure->text, restoreFailure().text);
}

// A working directory with two leagues, backed up to the drive.
class Restore : public ::testing::Test {
  protected:
    void SetUp() override {
        sample.addLeague("Club", true);
        sample.addLeague("Seniors", false);
        sample.writeListAndCourses();
        ASSERT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
        backedUp = folderFiles(sample.work());
    }

    // The week after the backup: scores changed, a league and its teams added.
    void changeWorkingFiles() {
        sample.writeCourses(crlf({" 2 ", "Pine Hills", "Oak Ridge"}));
        writeFile(sample.work() / "Club.LGE", crlf({" 2 ", "changed"}));
        writeFile(sample.work() / "Seniors.tea", crlf({" 0 "}));
        sample.addLeague("Juniors", true);
        sample.writeLeagueList();
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
    changeWorkingFiles();
    FolderFiles previous = folderFiles(sample.work());

    EXPECT_FALSE(RestoreDataFiles(*sample.store, sample.backup()));

    EXPECT_EQ(folderFiles(sample.work() / "Before Restore"), previous);
    // The backed-up files are back; a team file the backup did not have is gone
    // and the league added since the backup is no longer listed.
    FolderFiles now = folderFiles(sample.work());
    EXPECT_EQ(now["Club.LGE"], backedUp["Club.LGE"]);
    EXPECT_EQ(now["Course.DAT"], backedUp["Course.DAT"]);
    EXPECT_EQ(now["vexa.dat"], backedUp["vexa.dat"]);
    EXPECT_FALSE(now.count("Seniors.tea"));
    EXPECT_TRUE(now.count("Juniors.LGE"));
    EXPECT_EQ(now.size(), backedUp.size() + 2);

    // Restoring from "Before Restore" undoes the restore.
    EXPECT_FALSE(RestoreDataFiles(*sample.store, sample.work() / "Before Restore"));
    EXPECT_EQ(folderFiles(sample.work()), previous);
}

TEST_F(Restore, TheWorldHandicapSystemFilesGoAndComeBackWithTheRest) {
    writeFile(sample.work() / "whs-tees.dat", crlf({" 0 "}));
    ASSERT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_EQ(folderFiles(sample.backup())["whs-tees.dat"], crlf({" 0 "}));
    writeFile(sample.work() / "whs-tees.dat", crlf({" 1 "}));
    writeFile(sample.work() / "whs-pcc.dat", crlf({" 0 "})); // set after the backup

    EXPECT_FALSE(RestoreDataFiles(*sample.store, sample.backup()));
    FolderFiles now = folderFiles(sample.work());
    EXPECT_EQ(now["whs-tees.dat"], crlf({" 0 "}));
    EXPECT_FALSE(now.count("whs-pcc.dat"));
    EXPECT_EQ(folderFiles(sample.work() / "Before Restore")["whs-pcc.dat"], crlf({" 0 "}));
}

TEST_F(Restore, FailedRestoreLeavesTheFilesAsTheyWere) {
    changeWorkingFiles();
    FolderFiles previous = folderFiles(sample.work());

    for (int allowed : {0, 2}) {
        sample.store->writer = std::make_shared<FullDiskWriter>(sample.work(), allowed);
        expectRestoreFailure(RestoreDataFiles(*sample.store, sample.backup()));
        // No data file changed and no half-restored file is left beside them.
        EXPECT_EQ(folderFiles(sample.work()), previous) << allowed << " writes allowed";
    }
    // Nor when even the copies into "Before Restore" cannot be written.
    sample.store->writer = std::make_shared<FailingWriter>();
    expectRestoreFailure(RestoreDataFiles(*sample.store, sample.backup()));
    EXPECT_EQ(folderFiles(sample.work()), previous);
}

TEST_F(Restore, IncompleteBackupOrTheWorkingDirectoryItselfIsRefusedBeforeAnythingChanges) {
    changeWorkingFiles();
    FolderFiles previous = folderFiles(sample.work());
    fs::remove(sample.backup() / "Seniors.LGE");
    for (const fs::path& from : {sample.backup(), sample.work(), fs::path()})
        expectRestoreFailure(RestoreDataFiles(*sample.store, from));
    EXPECT_EQ(folderFiles(sample.work()), previous);
    EXPECT_FALSE(fs::exists(sample.work() / "Before Restore"));
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

// Backing up the data files into "VEXA Backup" and the destinations offered.
#include "utilities/Backup.h"
#include "BackupSamples.h"
#include "fakes/FailingWriter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

const std::string BackupFailureText = "Could not complete backup\n\r\n\rPlease check the file location";

void expectBackupFailure(const Failure& failure) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Tallyrock");
    EXPECT_EQ(failure->text, BackupFailureText);
}

TEST(Backup, NoLeaguesCopiesOnlyTheListAndCourseFiles) {
    BackupSample sample;
    sample.writeListAndCourses();
    // Files of leagues that are not listed stay behind.
    writeFile(sample.work() / "Old.LGE", "old");
    writeFile(sample.work() / "notes.txt", "notes");

    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));

    FolderFiles copied = folderFiles(sample.backup());
    EXPECT_EQ(copied, (FolderFiles{{"vexa.dat", readFile(sample.work() / "vexa.dat")},
                                   {"Course.DAT", readFile(sample.work() / "Course.DAT")}}));
}

TEST(Backup, CopiesLeaguesListCourseThenTeamFilesByteForByte) {
    BackupSample sample;
    sample.addLeague("Club", false); // a league without a team file is no failure
    sample.addLeague("Seniors", true);
    sample.writeListAndCourses();
    auto recorder = std::make_shared<FailingWriter>("no such file");
    sample.store->writer = recorder;

    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));

    EXPECT_EQ(recorder->targets,
              (std::vector<std::string>{"Club.LGE", "Seniors.LGE", "vexa.dat", "Course.DAT", "Seniors.tea",
                                        ".tallyrock.journal"}));
    EXPECT_EQ(folderFiles(sample.backup()), folderFiles(sample.work()));
}

TEST(Backup, RunningTwiceOverwritesTheEarlierCopies) {
    BackupSample sample;
    sample.addLeague("Club", true);
    sample.writeListAndCourses();
    fs::create_directory(sample.backup());
    writeFile(sample.backup() / "club.lge", "stale"); // an earlier copy under another letter case
    ASSERT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    FolderFiles copied = folderFiles(sample.backup());
    EXPECT_EQ(copied.size(), 4u);
    EXPECT_EQ(copied["club.lge"], readFile(sample.work() / "Club.LGE"));

    fs::rename(sample.backup() / "club.lge", sample.backup() / "Club.LGE");
    sample.writeCourses(crlf({" 2 ", "Pine Hills", "Oak Ridge"}));
    writeFile(sample.work() / "Club.tea", crlf({" 0 "}));
    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    // Same names, new contents, and nothing left over from writing them.
    EXPECT_EQ(folderFiles(sample.backup()), folderFiles(sample.work()));
}

TEST(Backup, MissingCourseFileEndsAfterTheLeagueAndListFiles) {
    BackupSample sample;
    sample.addLeague("Club", true);
    sample.writeLeagueList();

    expectBackupFailure(BackupDataFiles(*sample.store, sample.drive()));

    FolderFiles copied = folderFiles(sample.backup());
    EXPECT_TRUE(copied.count("Club.LGE"));
    EXPECT_TRUE(copied.count("vexa.dat"));
    // The team files come after the course file and are never reached.
    EXPECT_FALSE(copied.count("Club.tea"));
}

TEST(Backup, MissingLeagueFileEndsBeforeTheListFile) {
    BackupSample sample;
    sample.addLeague("Club", false);
    sample.addLeague("Seniors", false);
    sample.writeListAndCourses();
    fs::remove(sample.work() / "Seniors.LGE");
    expectBackupFailure(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_EQ(folderFiles(sample.backup()),
              (FolderFiles{{"Club.LGE", readFile(sample.work() / "Club.LGE")}}));
}

TEST(Backup, FailingWritesOfDataFilesEndTheBackupButTeamFilesAreSkipped) {
    BackupSample sample;
    sample.addLeague("Club", true);
    sample.writeListAndCourses();

    sample.store->writer = std::make_shared<FailingWriter>("vexa.dat");
    expectBackupFailure(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_FALSE(fs::exists(sample.backup() / "vexa.dat"));

    sample.store->writer = std::make_shared<FailingWriter>("club.tea");
    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    EXPECT_FALSE(fs::exists(sample.backup() / "Club.tea"));
    EXPECT_TRUE(fs::exists(sample.backup() / "vexa.dat"));
}

TEST(Backup, NeverCopiesOntoTheSource) {
    TempDir root;
    auto store = std::make_unique<Store>();
    store->workDir = root / "VEXA Backup";
    fs::create_directory(store->workDir);
    writeFile(store->workDir / "vexa.dat", crlf({" 0 ", " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));
    writeFile(store->workDir / "Course.DAT", crlf({" 0 "}));
    FolderFiles before = folderFiles(store->workDir);

    // The working directory is itself the backup folder of the chosen root ...
    expectBackupFailure(BackupDataFiles(*store, root.path()));
    // ... or is reached through a link of that name.
    TempDir other;
    fs::create_directory_symlink(store->workDir, other / "VEXA Backup");
    expectBackupFailure(BackupDataFiles(*store, other.path()));
    // No root chosen at all, or one that is not there (and is not made).
    expectBackupFailure(BackupDataFiles(*store, fs::path()));
    expectBackupFailure(BackupDataFiles(*store, other / "unplugged"));
    EXPECT_FALSE(fs::exists(other / "unplugged"));

    EXPECT_EQ(folderFiles(store->workDir), before);
}

// A listed name leading out of the folder names no file: the backup holds the
// list and the courses, never the file it points at.
TEST(Backup, LeagueNameLeadingOutOfTheFolderNamesNoFile) {
    BackupSample sample;
    sample.writeListAndCourses();
    writeFile(sample.drive() / "outside.lge", "not a data file");
    sample.store->settings.LeagueCount = 1;
    sample.store->settings.LeagueList[1] = "../" + sample.drive().filename().string() + "/outside";

    EXPECT_FALSE(BackupDataFiles(*sample.store, sample.drive()));
    FolderFiles copied = folderFiles(sample.backup());
    EXPECT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied.count("outside.lge"), 0u);
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
}

TEST(BackupRoots, MountPointsAreToldFromPlainFolders) {
    EXPECT_TRUE(isMountPoint("/proc"));
    TempDir plain;
    EXPECT_FALSE(isMountPoint(plain.path()));
}

} // namespace
} // namespace tallyrock::test

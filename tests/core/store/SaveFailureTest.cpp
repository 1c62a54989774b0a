// A save that fails leaves the previous file byte-identical, returns the
// file's message and leaves the tables as they were; the atomic writer never
// leaves a temporary file behind.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// A working folder with a saved league of four players, its team file, two
// courses, a league list and a settings file.
struct SavedFiles {
    TempDir dir;
    Store store;
    std::map<std::string, std::string> before;

    SavedFiles() {
        store.workDir = dir.path();
        store.settingsDir = dir.path();
        store.league.LeagueFilePath = "Monday.LGE";
        fillLeague(store, 4, 5);
        fillTeams(store);
        store.courses.CourseCount = 2;
        fillCourse(store.courses, 1, "Pine Hills");
        fillCourse(store.courses, 2, "Lakes");
        SetDefaults(store.settings);
        store.settings.LeagueCount = 1;
        store.settings.LeagueList[1] = "Monday";
        EXPECT_FALSE(SaveLeagueFile(store));
        EXPECT_FALSE(SaveTeamFile(store));
        EXPECT_FALSE(SaveCourseFile(store));
        EXPECT_FALSE(SaveLeagueList(store));
        EXPECT_TRUE(SaveSettings(store));
        before = folderSnapshot(dir.path());
        EXPECT_EQ(before.size(), 5u);
    }

    // Changes every table, so a save would write something new.
    void changeEverything() {
        store.player(1).PlayerName = "Changed";
        store.teams.team[1].TeamName = "Changed";
        store.courses.CourseField[1][field::Name] = "Changed";
        store.settings.LeagueList[1] = "Changed";
        store.settings.HcpMethod = 3;
    }

    // Every table as it would be written.
    std::string tablesText() const {
        return leagueFileText(store.league) + teamFileText(store.teams, store.league.PlayerCount) +
               courseFileText(store.courses) + leagueListText(store.settings) +
               settingsFileText(store.settings);
    }
};

// Lowers the largest file this process may write, so a write fails part way
// even for root. SIGXFSZ is ignored so the write returns an error instead.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

void expectMessage(const Failure& failure, const std::string& title, const std::string& text, Icon icon) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, title);
    EXPECT_EQ(failure->text, text);
    EXPECT_EQ(failure->icon, icon);
}

void expectLeagueMessage(const Failure& f) {
    expectMessage(f, "Tallyrock", "Error Creating League Record File", Icon::Exclamation);
}
void expectCourseMessage(const Failure& f) {
    expectMessage(f, "Course Setup", "Unable to save settings to disk", Icon::Exclamation);
}

// Every save fails with its own message (the settings save silently), and
// neither the files nor the tables change.
void expectEverySaveFails(SavedFiles& files) {
    files.changeEverything();
    const std::string tables = files.tablesText();
    expectLeagueMessage(SaveLeagueFile(files.store));
    expectCourseMessage(SaveCourseFile(files.store));
    expectMessage(SaveLeagueList(files.store), "Tallyrock",
                  "Cannot Write vexa.dat, Please check disk write protect.", Icon::None);
    expectMessage(SaveTeamFile(files.store), "Tallyrock",
                  "Cannot Write Monday.tea, Please check disk write protect, freespace etc.", Icon::None);
    EXPECT_FALSE(SaveSettings(files.store));
    fs::permissions(files.dir.path(), fs::perms::owner_all);
    EXPECT_EQ(folderSnapshot(files.dir.path()), files.before);
    EXPECT_EQ(files.tablesText(), tables);
}

} // namespace

TEST(SaveFailure, InjectedWriteFailureKeepsEveryFileAndReturnsItsMessage) {
    SavedFiles files;
    files.store.writer = std::make_shared<FailingWriter>();
    expectEverySaveFails(files);
}

TEST(SaveFailure, ReadOnlyFolderKeepsThePreviousFiles) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the file size limit test covers this";
    SavedFiles files;
    fs::permissions(files.dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    expectEverySaveFails(files);
}

TEST(SaveFailure, TeamFileMessageNamesTheFileAsItIsOnDisk) {
    TempDir dir;
    writeFile(dir / "FRIDAY.TEA", " 0 \r\n");
    Store store = storeIn(dir.path(), "Friday.LGE");
    store.writer = std::make_shared<FailingWriter>();
    expectMessage(SaveTeamFile(store), "Tallyrock",
                  "Cannot Write FRIDAY.TEA, Please check disk write protect, freespace etc.", Icon::None);
}

TEST(SaveFailure, CopyOfADamagedFileFailingStopsTheSave) {
    TempDir dir;
    const std::string damaged = crlf({" 3 ", "Ann", " 2 "});
    writeFile(dir / "Club.LGE", damaged);
    Store store = storeIn(dir.path(), "Club.LGE");
    ASSERT_TRUE(LoadLeagueFile(store));

    auto writer = std::make_shared<FailingWriter>("Club.LGE.damaged");
    store.writer = writer;
    expectLeagueMessage(SaveLeagueFile(store));
    EXPECT_EQ(writer->targets, std::vector<std::string>{"Club.LGE.damaged"});
    EXPECT_EQ(folderSnapshot(dir.path()), (std::map<std::string, std::string>{{"Club.LGE", damaged}}));

    // The next save tries the copy again before replacing the file.
    store.writer = std::make_shared<AtomicFileWriter>();
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "Club.LGE.damaged"), damaged);
}

TEST(AtomicFileWriter, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    writeFile(dir / "a.dat", "old");
    fs::permissions(dir / "a.dat", fs::perms::owner_read | fs::perms::owner_write);
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.writeFile(dir / "a.dat", "new text"));
    EXPECT_EQ(folderSnapshot(dir.path()), (std::map<std::string, std::string>{{"a.dat", "new text"}}));
    EXPECT_EQ(fs::status(dir / "a.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFileWriter, LeavesNoTemporaryFileWhenItFails) {
    TempDir dir;
    AtomicFileWriter writer;
    // The rename fails: a folder stands where the file should go.
    fs::create_directory(dir / "taken.dat");
    EXPECT_FALSE(writer.writeFile(dir / "taken.dat", "text"));
    // The write fails part way.
    writeFile(dir / "big.dat", "old");
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(writer.writeFile(dir / "big.dat", std::string(10000, 'x')));
    }
    // The folder does not exist.
    EXPECT_FALSE(writer.writeFile(dir / "none" / "a.dat", "text"));

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"big.dat", "taken.dat"}));
    EXPECT_EQ(readFile(dir / "big.dat"), "old");
    EXPECT_TRUE(fs::is_empty(dir / "taken.dat"));
}

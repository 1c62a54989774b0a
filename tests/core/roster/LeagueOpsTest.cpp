// Creating and deleting leagues: the files written, the refusals, and files
// that are kept rather than wiped.
#include "roster/LeagueOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"
#include "utilities/Backup.h"
#include "views/LeagueOpening.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

Store storeIn(const TempDir& dir) {
    Store store = tallyrock::test::storeIn(dir.path());
    SetDefaults(store.settings);
    return store;
}

void createAll(Store& store, std::initializer_list<std::string> names) {
    for (const auto& name : names) {
        LeagueResult result = createLeague(store, name);
        ASSERT_TRUE(result.done) << name;
        ASSERT_TRUE(result.messages.empty()) << name << ": " << result.messages.front().text;
    }
}

void expectRefusal(const LeagueResult& result, const std::string& text) {
    EXPECT_FALSE(result.done);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "Tallyrock");
    EXPECT_EQ(result.messages[0].text, text);
    EXPECT_EQ(result.messages[0].icon, Icon::Exclamation);
}

} // namespace

// Create, list and delete, the list file's text and the league refusals the
// command-line tool can pass are covered by its tests; these are the rest.
TEST(LeagueOps, CreateEmptiesTheOpenLeagueAndRefusesNamesLeavingTheFolder) {
    TempDir dir;
    Store store = storeIn(dir);
    fillLeague(store, 3, 2); // a league open before
    createAll(store, {"Monday"});
    EXPECT_EQ(readFile(dir / "Monday.LGE"), " 0 \r\n");
    EXPECT_EQ(store.league.PlayerCount, 0);

    const auto before = folderSnapshot(dir.path());
    for (const std::string& name : std::vector<std::string>{"../up", ".."})
        expectRefusal(createLeague(store, name), "Illegal Name for file");
    expectRefusal(createLeague(store, std::string("a\0b", 3)),
                  "A league name cannot contain a control character (code 0).");
    EXPECT_EQ(createLeague(store, "").messages.size(), 1u);
    EXPECT_EQ(store.settings.LeagueCount, 1);
    EXPECT_EQ(folderSnapshot(dir.path()), before);
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "up.LGE"));
}

TEST(LeagueOps, AnUnlistedLeagueFileIsKeptBesideTheNewOne) {
    TempDir dir;
    writeFile(dir / "old.lge", "players of the old league");
    writeFile(dir / "Old.tea", "teams of the old league");
    Store store = storeIn(dir);
    createAll(store, {"Old"});
    EXPECT_EQ(readFile(dir / "old.lge.replaced"), "players of the old league");
    EXPECT_EQ(readFile(dir / "Old.tea.replaced"), "teams of the old league");
    EXPECT_EQ(readFile(dir / "Old.LGE"), " 0 \r\n");

    // The league drops off the list again (the list file was replaced by hand)
    // and is created once more: the next free name.
    store.settings.LeagueCount = 0;
    store.settings.LeagueList[1].clear();
    writeFile(dir / "Old.LGE", "second");
    createAll(store, {"Old"});
    EXPECT_EQ(readFile(dir / "old.lge.replaced"), "players of the old league");
    EXPECT_EQ(readFile(dir / "Old.LGE.replaced2"), "second");
    EXPECT_EQ(readFile(dir / "Old.LGE"), " 0 \r\n");
}

TEST(LeagueOps, AFailingFileOfANewLeagueListsNothing) {
    for (const char* failing : {"Monday.LGE", "vexa.dat"}) {
        TempDir dir;
        Store store = storeIn(dir);
        createAll(store, {"Sunday"});
        auto before = folderSnapshot(dir.path());
        store.writer = std::make_shared<FailingWriter>(failing);
        LeagueResult result = createLeague(store, "Monday");
        EXPECT_FALSE(result.done);
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_EQ(result.messages[0].text, std::string(failing) == "vexa.dat"
                                               ? "Cannot Write vexa.dat, Please check disk write protect."
                                               : "Error Creating League Record File");
        EXPECT_EQ(store.settings.LeagueCount, 1);
        EXPECT_EQ(folderSnapshot(dir.path()), before);
    }
}

TEST(LeagueOps, DeleteRemovesTheNameAndBothFilesAndClosesTheLeague) {
    TempDir dir;
    Store store = storeIn(dir);
    createAll(store, {"Monday", "Tuesday", "Friday"});
    writeFile(dir / "Monday.TEA", " 0 \r\n");
    store.league.LeagueFilePath = "Tuesday.LGE"; // open before

    LeagueResult result = deleteLeague(store, "monday");
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(store.settings.LeagueList[3], "");
    EXPECT_EQ(store.league.LeagueFilePath, "");
    auto files = folderSnapshot(dir.path());
    EXPECT_EQ(files.count("Monday.LGE") + files.count("Monday.TEA"), 0u);

    // A league without a team file, or whose league file is already gone, goes without a message.
    fs::remove(dir / "Friday.LGE");
    EXPECT_TRUE(deleteLeague(store, "Friday").messages.empty());
    EXPECT_TRUE(deleteLeague(store, "Tuesday").messages.empty());
    // Monday, the league "Load League" opened, went first: none is left to load.
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 0 ", " .96 ", "Courier New", " 0 ", "-1 ", " 1 ", " 0 "}));
    EXPECT_EQ(folderSnapshot(dir.path()).size(), 1u);
}

// "Load League" opens the league opened last: deleting another one keeps it the
// same league, deleting it leaves none, and a league opened from a menu whose
// first item a deletion blanked is remembered by its place in the list.
TEST(LeagueOps, TheLeagueToLoadSurvivesDeletions) {
    TempDir dir;
    Store store = storeIn(dir);
    createAll(store, {"Monday", "Tuesday", "Friday"});
    store.settings.CurrentLeague = 2;
    ASSERT_TRUE(deleteLeague(store, "Monday").done);
    const std::vector<std::string> menu{"", "Tuesday", "Friday"};
    EXPECT_EQ(leagueToLoad(store.settings, menu).item, 2);
    ASSERT_EQ(OpenLeague(store, 1, "Tuesday").outcome, OpenOutcome::Opened);
    EXPECT_EQ(store.settings.CurrentLeague, 0);
    EXPECT_EQ(leagueToLoad(store.settings, menu).item, 1);

    ASSERT_TRUE(deleteLeague(store, "Tuesday").done);
    LeagueToLoad none = leagueToLoad(store.settings, {"", "Friday"});
    EXPECT_EQ(none.item, -1);
    ASSERT_TRUE(none.reason);
    EXPECT_EQ(
        none.reason->text,
        "No league was opened last.\r\nChoose one from File > Open League File; Load League opens it again.");
    ASSERT_TRUE(deleteLeague(store, "Friday").done);
    LeagueToLoad empty = leagueToLoad(store.settings, {""});
    ASSERT_TRUE(empty.reason);
    EXPECT_EQ(
        empty.reason->text,
        "There are no leagues yet.\r\nCreate the first one with File > Create or Delete a League File.");
}

TEST(LeagueOps, FindLeagueTakesTheLastMatchIgnoringCase) {
    Settings s;
    s.LeagueCount = 3;
    s.LeagueList[1] = "Monday";
    s.LeagueList[2] = "Friday";
    s.LeagueList[3] = "MONDAY";
    EXPECT_EQ(findLeague(s, "monday"), 3);
    EXPECT_EQ(findLeague(s, "Sunday"), 0);
    s.LeagueCount = 2;
    EXPECT_EQ(findLeague(s, "monday"), 1);
}

// A planted league list: entries that are no legal league name never become a
// path, whichever operation meets them, and the legal entry still works.
TEST(LeagueOps, ListEntriesThatAreNoLegalNameNeverNameAFile) {
    TempDir root;
    fs::create_directory(root / "work");
    fs::create_directory(root / "outside");
    for (const char* file : {"evil.LGE", "evil.tea", "abs.LGE"})
        writeFile(root / "outside" / file, crlf({" 0 "}));
    writeFile(root / "work" / ".hidden.LGE", crlf({" 0 "}));
    Store store = storeIn(root / "work");
    SetDefaults(store.settings);
    const std::vector<std::string> planted{"../outside/evil",
                                           (root / "outside" / "abs").string(),
                                           ".hidden",
                                           "..",
                                           "Bad\nName",
                                           "Bad\xFFName",
                                           "   "};
    for (const std::string& entry : planted)
        store.settings.LeagueList[static_cast<std::size_t>(++store.settings.LeagueCount)] = entry;
    store.settings.LeagueList[static_cast<std::size_t>(++store.settings.LeagueCount)] = "Good";
    writeFile(root / "work" / "Good.LGE", crlf({" 0 "}));
    store.league.LeagueFilePath = "Good.LGE"; // open before
    const auto before = folderSnapshot(root.path());

    for (std::size_t i = 0; i < planted.size(); ++i) {
        const std::string& entry = planted[i];
        LeagueOpening opening = OpenLeague(store, static_cast<int>(i), entry);
        EXPECT_NE(opening.outcome, OpenOutcome::Opened) << entry;
        ASSERT_EQ(opening.messages.size(), 1u) << entry;
        EXPECT_EQ(opening.messages[0].text, "Illegal Name for file");
        EXPECT_EQ(store.league.LeagueFilePath, "Good.LGE");
        expectRefusal(deleteLeague(store, entry), "Illegal Name for file");

        Store direct = storeIn(store.workDir);
        direct.league.LeagueFilePath = entry + ".LGE";
        direct.league.PlayerCount = 1;
        direct.teams.TeamCount = 1;
        EXPECT_EQ(LoadLeagueFile(direct).value_or(Message{}).text, "Illegal Name for file") << entry;
        EXPECT_EQ(SaveLeagueFile(direct).value_or(Message{}).text, "Illegal Name for file") << entry;
        EXPECT_EQ(SaveTeamFile(direct).value_or(Message{}).text, "Illegal Name for file") << entry;
        EXPECT_FALSE(LoadTeamFile(direct)) << entry;
    }
    EXPECT_EQ(store.settings.LeagueCount, static_cast<int16_t>(planted.size() + 1));
    EXPECT_EQ(folderSnapshot(root.path()), before);

    // A backup takes only the legal league's files.
    std::vector<std::string> names;
    for (const DataFile& file : dataFiles(store.settings))
        names.push_back(file.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Good.lge", "vexa.dat", "course.dat", "Good.tea",
                                               "whs-tees.dat", "whs-pcc.dat"}));
    EXPECT_EQ(OpenLeague(store, static_cast<int>(planted.size()), "Good").outcome, OpenOutcome::Opened);
    EXPECT_TRUE(deleteLeague(store, "good").done);
}

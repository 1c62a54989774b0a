// Creating and deleting leagues: the files written, the refusals, files that
// are kept rather than wiped, the league menu and name box of the window.
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

using Menu = std::vector<std::string>;

// A store over the folder with the settings of a fresh start.
Store freshStore(const fs::path& dir) {
    Store store = storeIn(dir);
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
    Store store = freshStore(dir.path());
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
    Store store = freshStore(dir.path());
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
    for (auto [failing, text] : {std::pair{"Monday.LGE", "Error Creating League Record File"},
                                 {"vexa.dat", "Cannot Write vexa.dat, Please check disk write protect."}}) {
        TempDir dir;
        Store store = freshStore(dir.path());
        createAll(store, {"Sunday"});
        auto before = folderSnapshot(dir.path());
        store.writer = std::make_shared<FailingWriter>(failing);
        LeagueResult result = createLeague(store, "Monday");
        EXPECT_FALSE(result.done);
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_EQ(result.messages[0].text, text);
        EXPECT_EQ(store.settings.LeagueCount, 1);
        EXPECT_EQ(folderSnapshot(dir.path()), before);
    }
}

TEST(LeagueOps, DeleteRemovesTheNameAndBothFilesAndClosesTheLeague) {
    TempDir dir;
    Store store = freshStore(dir.path());
    createAll(store, {"Monday", "Tuesday", "Friday", "Seniors"});
    writeFile(dir / "Monday.TEA", " 0 \r\n");
    store.league.LeagueFilePath = "Tuesday.LGE"; // open before

    // A folder in the league file's place cannot be removed as a file: reported, the list kept.
    fs::remove(dir / "Seniors.LGE");
    fs::create_directory(dir / "Seniors.LGE");
    writeFile(dir / "Seniors.LGE" / "inside", "x");
    LeagueResult left = deleteLeague(store, "seniors");
    EXPECT_TRUE(left.fileLeft);
    expectRefusal(left, "The file Seniors.LGE could not be Deleted from disk.");
    EXPECT_EQ(store.settings.LeagueCount, 4);
    fs::remove_all(dir / "Seniors.LGE");
    ASSERT_TRUE(deleteLeague(store, "Seniors").done);

    LeagueResult result = deleteLeague(store, "monday");
    EXPECT_TRUE(result.done);
    EXPECT_FALSE(result.fileLeft);
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
    Store store = freshStore(dir.path());
    createAll(store, {"Monday", "Tuesday", "Friday"});
    store.settings.CurrentLeague = 2;
    ASSERT_TRUE(deleteLeague(store, "Monday").done);
    const Menu menu{"", "Tuesday", "Friday"};
    EXPECT_EQ(leagueToLoad(store.settings, menu).item, 2);
    ASSERT_EQ(OpenLeague(store, 1, "Tuesday").outcome, OpenOutcome::Opened);
    EXPECT_EQ(store.settings.CurrentLeague, 0);
    EXPECT_EQ(leagueToLoad(store.settings, menu).item, 1);

    ASSERT_TRUE(deleteLeague(store, "Tuesday").done);
    LeagueToLoad none = leagueToLoad(store.settings, {"", "Friday"});
    EXPECT_EQ(none.item, -1);
    EXPECT_EQ(
        none.reason.value_or(Message{}).text,
        "No league was opened last.\r\nChoose one from File > Open League File; Load League opens it again.");
    ASSERT_TRUE(deleteLeague(store, "Friday").done);
    EXPECT_EQ(
        leagueToLoad(store.settings, {""}).reason.value_or(Message{}).text,
        "There are no leagues yet.\r\nCreate the first one with File > Create or Delete a League File.");
}

TEST(LeagueOps, FindLeagueTakesTheLastMatchIgnoringCase) {
    Settings s;
    s.LeagueCount = 3;
    std::tie(s.LeagueList[1], s.LeagueList[2], s.LeagueList[3]) = std::tuple{"Monday", "Friday", "MONDAY"};
    EXPECT_EQ(std::pair(findLeague(s, "monday"), findLeague(s, "Sunday")), std::pair(3, 0));
    s.LeagueCount = 2;
    EXPECT_EQ(findLeague(s, "monday"), 1);
}

// A planted league list: entries that are no legal league name never become a
// path, whichever operation meets them, and the legal entry still works.
TEST(LeagueOps, ListEntriesThatAreNoLegalNameNeverNameAFile) {
    TempDir root;
    fs::create_directory(root / "work");
    fs::create_directory(root / "outside");
    for (const char* file :
         {"outside/evil.LGE", "outside/evil.tea", "outside/abs.LGE", "work/.hidden.LGE", "work/Good.LGE"})
        writeFile(root / file, crlf({" 0 "}));
    Store store = freshStore(root / "work");
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

        Store direct = freshStore(store.workDir);
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

// The window's name box drops every character below "0" but the blank and
// holds 30 characters; the checks refuse what passes it later.
TEST(LeagueNameBox, DropsCharactersBelowZeroExceptTheSpace) {
    const std::pair<std::string, std::string> typed[] = {
        {"../up/x", "upx"},
        {"Tues-day 'A' \"B\" #10!\t", "Tuesday A B 10"},
        {"a:b;c\\d Zürich", "a:b;c\\d Zürich"},
        {std::string(29, 'a') + "bcd", std::string(29, 'a') + "b"},
        {std::string(29, 'a') + "üx", std::string(29, 'a') + "ü"}};
    for (const auto& [text, kept] : typed)
        EXPECT_EQ(leagueNameBoxText(text), kept) << text;
}

// The window's league menu: "No Entries" or a blank item 0 is replaced by a new
// league, otherwise it is added. Deleting the first blanks item 0; the others
// lose their own item, even once the list positions no longer match.
TEST(LeagueMenu, CreateAndDeleteKeepTheItemsInStep) {
    EXPECT_EQ(leagueMenuAfterCreate(leagueMenuAfterCreate({"No Entries"}, "Monday", 1), "Friday", 2),
              (Menu{"Monday", "Friday"}));
    EXPECT_EQ(leagueMenuAfterCreate({"", "Friday", "Seniors"}, "Sunday", 3),
              (Menu{"Sunday", "Friday", "Seniors"}));
    const Menu menu{"Monday", "Friday", "Seniors"}, blanked{"", "Friday", "Seniors"};
    EXPECT_EQ(leagueMenuAfterDelete(menu, "Friday"), (Menu{"Monday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterDelete(menu, "Monday"), blanked);
    EXPECT_EQ(leagueMenuAfterDelete(blanked, "Monday"), blanked); // no longer shown
    EXPECT_EQ(leagueMenuAfterDelete(blanked, "Seniors"), (Menu{"", "Friday"}));
    EXPECT_EQ(leagueMenuAfterDelete({"", "Friday"}, "Friday"), (Menu{""}));
}

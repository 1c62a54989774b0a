// The roster windows' operations on leagues, players and courses, and the files they write or keep.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/CourseFile.h"
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
using Names = std::vector<std::string>;

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

void expectRefusal(const LeagueResult& result, const std::string& text, Icon icon = Icon::Exclamation) {
    EXPECT_FALSE(result.done);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(std::tuple(result.messages[0].title, result.messages[0].text, result.messages[0].icon),
              std::tuple("Tallyrock", text, icon));
}

// The league operations and refusals beyond those the command-line tool's tests cover.
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

    // Off the list again (a list file replaced by hand) and created once more: the next free name.
    store.settings.LeagueCount = 0;
    store.settings.LeagueList[1].clear();
    writeFile(dir / "Old.LGE", "second");
    createAll(store, {"Old"});
    EXPECT_EQ(readFile(dir / "old.lge.replaced"), "players of the old league");
    EXPECT_EQ(readFile(dir / "Old.LGE.replaced2"), "second");
    EXPECT_EQ(readFile(dir / "Old.LGE"), " 0 \r\n");
}

TEST(LeagueOps, AFailingFileOfANewLeagueListsNothing) {
    for (auto [failing, text, icon] :
         {std::tuple{"Monday.LGE", "Error Creating League Record File", Icon::Exclamation},
          {"vexa.dat", "Cannot Write vexa.dat, Please check disk write protect.", Icon::None}}) {
        TempDir dir;
        Store store = freshStore(dir.path());
        createAll(store, {"Sunday"});
        auto before = folderSnapshot(dir.path());
        store.writer = std::make_shared<FailingWriter>(failing);
        expectRefusal(createLeague(store, "Monday"), text, icon);
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
    EXPECT_EQ(std::tuple(result.done, result.fileLeft, result.messages.size()), std::tuple(true, false, 0u));
    EXPECT_EQ(store.settings.LeagueList[3], "");
    EXPECT_EQ(store.league.LeagueFilePath, "");

    // A league without a team file, or whose league file is already gone, goes without a message.
    fs::remove(dir / "Friday.LGE");
    EXPECT_TRUE(deleteLeague(store, "Friday").messages.empty());
    EXPECT_TRUE(deleteLeague(store, "Tuesday").messages.empty());
    // Monday, the league "Load League" opened, went first: none is left to load.
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 0 ", " .96 ", "Courier New", " 0 ", "-1 ", " 1 ", " 0 "}));
    EXPECT_EQ(folderSnapshot(dir.path()).size(), 1u);
}

// "Load League" opens the league opened last: deleting another keeps it, deleting it leaves none, and one
// opened from a menu whose first item a deletion blanked is remembered by its place in the list.
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

TEST(Find, LeaguesIgnoringCasePlayersExactlyTheLastMatch) {
    Settings s;
    s.LeagueCount = 3;
    std::tie(s.LeagueList[1], s.LeagueList[2], s.LeagueList[3]) = std::tuple{"Monday", "Friday", "MONDAY"};
    EXPECT_EQ(std::pair(findLeague(s, "monday"), findLeague(s, "Sunday")), std::pair(3, 0));
    s.LeagueCount = 2;
    EXPECT_EQ(findLeague(s, "monday"), 1);

    LeagueTables league;
    league.PlayerCount = 3;
    for (int p = 1; p <= 4; ++p) // the fourth beyond the count
        league.player[static_cast<std::size_t>(p)].PlayerName = p == 2 ? "ann" : "Ann";
    EXPECT_EQ(std::pair(findPlayer(league, "Ann"), findPlayer(league, "ANN")), std::pair(3, 0));
}

// Planted list entries that are no legal name never become a path; the legal entry still works.
TEST(LeagueOps, ListEntriesThatAreNoLegalNameNeverNameAFile) {
    TempDir root;
    fs::create_directory(root / "work");
    fs::create_directory(root / "outside");
    for (const char* file :
         {"outside/evil.LGE", "outside/evil.tea", "outside/abs.LGE", "work/.hidden.LGE", "work/Good.LGE"})
        writeFile(root / file, crlf({" 0 "}));
    Store store = freshStore(root / "work");
    std::vector<std::string> planted{"../outside/evil", ".hidden", "..", "Bad\nName", "Bad\xFFName", "   "};
    planted.push_back((root / "outside" / "abs").string());
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

// The league name box drops every character below "0" but the blank (the checks refuse the rest) and
// holds 30; the player's turns quotes into apostrophes and holds 18.
TEST(NameBoxes, KeepWhatTheWindowsTake) {
    std::string accented;
    for (int i = 0; i < 20; ++i)
        accented += "\xC3\xA9"; // é
    const std::tuple<std::string (*)(std::string_view), std::string, std::string> typed[] = {
        {leagueNameBoxText, "../up/x", "upx"},
        {leagueNameBoxText, "Tues-day 'A' \"B\" #10!\t", "Tuesday A B 10"},
        {leagueNameBoxText, "a:b;c\\d Zürich", "a:b;c\\d Zürich"},
        {leagueNameBoxText, std::string(29, 'a') + "bcd", std::string(29, 'a') + "b"},
        {leagueNameBoxText, std::string(29, 'a') + "üx", std::string(29, 'a') + "ü"},
        {playerNameBoxText, "Jim \"Slice\" Hay", "Jim 'Slice' Hay"},
        {playerNameBoxText, "ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQR"},
        {playerNameBoxText, accented, accented.substr(0, 36)}};
    for (const auto& [box, text, kept] : typed)
        EXPECT_EQ(box(text), kept) << text;
}

// The league menu: "No Entries" or a blank item 0 is replaced by a new league, otherwise it is added.
// Deleting the first blanks item 0; the others lose their own item, even out of step with the list.
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

// Players "P1".."Pn"; player p has p rounds of differential p * 10 + r and, if given, team teams[p - 1].
Store leagueOf(const TempDir& dir, int n, std::vector<int16_t> teams = {}) {
    Store store = storeIn(dir.path(), "Club.LGE");
    for (int p = 1; p <= n; ++p) {
        addSamplePlayer(store, "P" + std::to_string(p), 1 + p % 3);
        std::vector<float> diffs;
        for (int r = 1; r <= p; ++r)
            diffs.push_back(static_cast<float>(p * 10 + r));
        setDifferentials(store, p, diffs);
    }
    if (!teams.empty()) {
        store.teams.TeamCount = 2;
        store.teams.team[1].TeamName = "Eagles";
        store.teams.team[2].TeamName = "Hawks";
        for (std::size_t p = 1; p <= teams.size(); ++p)
            store.teams.PlayerTeam[p] = teams[p - 1];
        EXPECT_FALSE(SaveTeamFile(store).has_value());
        ReloadTeams(store);
    }
    return store;
}

void expectRoundsFollowNames(const Store& store) {
    for (int p = 1; p <= store.league.PlayerCount; ++p) {
        const PlayerRecord& pl = store.player(p);
        int original = std::stoi(pl.PlayerName.substr(1));
        EXPECT_EQ(pl.RoundCount, original) << pl.PlayerName;
        EXPECT_EQ(pl.round[1].RoundDiff, static_cast<float>(original * 10 + 1)) << pl.PlayerName;
    }
}

TEST(PlayerOps, AddTakesTheNextSlotClearedOfOldValues) {
    TempDir dir;
    Store store = leagueOf(dir, 5);
    store.league.PlayerCount = 4; // slot 5 still holds a removed player's record
    ASSERT_EQ(addPlayer(store, "Zoe", 3), AddPlayerResult::Added);
    const PlayerRecord& zoe = store.player(5);
    EXPECT_EQ(std::tuple(store.league.PlayerCount, store.CurrentPlayer, zoe.PlayerName, zoe.PlayerTee,
                         zoe.RoundCount, zoe.round[3].RoundDiff),
              std::tuple(5, 5, "Zoe", 3, 0, 0.0f));
}

TEST(PlayerOps, ShortDuplicateOrTooManyNamesAreRefused) {
    TempDir dir;
    Store store = leagueOf(dir, 2);
    store.player(1).PlayerName = "Ren\xC3\xA9 Mu\xC3\xB1oz";
    store.player(2).PlayerName = "Ann Lee";
    const std::pair<std::string, AddPlayerResult> refused[] = {
        {"Al", AddPlayerResult::TooShort},
        {"\xC3\x85s", AddPlayerResult::TooShort}, // two characters, three bytes
        {std::string(PlayerNameMaxChars + 1, 'x'), AddPlayerResult::Refused},
        {"ANN LEE", AddPlayerResult::Duplicate},
        {"REN\xC3\x89 MU\xC3\x91OZ", AddPlayerResult::Duplicate}};
    for (const auto& [name, result] : refused)
        EXPECT_EQ(addPlayer(store, name, 2), result) << name;
    EXPECT_EQ(store.league.PlayerCount, 2);
    EXPECT_EQ(addPlayer(store, "\xC3\x85sa", 2), AddPlayerResult::Added);

    Store full = storeIn(dir.path());
    fillLeague(full, MaxPlayers, 3);
    EXPECT_EQ(addPlayer(full, "One More", 2), AddPlayerResult::RosterFull);
    EXPECT_EQ(full.league.PlayerCount, MaxPlayers);
}

TEST(PlayerOps, ClosingWritesTheTeamFileOnlyWhileTeamsAreInUse) {
    TempDir dir;
    Store store = leagueOf(dir, 4);
    openAddPlayers(store); // no team file
    ASSERT_EQ(addPlayer(store, "Newcomer", 1), AddPlayerResult::Added);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_FALSE(fs::exists(dir / "Club.tea"));
    auto lines = fileLines(readFile(dir / "Club.LGE"));
    ASSERT_EQ(lines.size(), 1u + 5 * 543);
    EXPECT_EQ(lines[0] + lines[1 + 4 * 543], " 5 Newcomer");

    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    openAddPlayers(store);
    ASSERT_EQ(store.teams.TeamsInUse, 1);
    store.teams.PlayerTeam[6] = 2; // left over from a removed player
    ASSERT_EQ(addPlayer(store, "Second", 2), AddPlayerResult::Added);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    auto teamLines = fileLines(readFile(dir / "Club.tea"));
    // count, two names, six players, then the entries
    EXPECT_EQ(Names(teamLines.begin() + 3, teamLines.begin() + 9),
              (Names{" 1 ", " 2 ", " 0 ", " 1 ", " 0 ", " 0 "}));
    EXPECT_EQ(fileLines(readFile(dir / "Club.LGE"))[0], " 6 ");
}

TEST(RemovePlayer, ThirdOfFiveMovesLaterPlayersUpWithRoundsAndTeams) {
    TempDir dir;
    Store store = leagueOf(dir, 5, {1, 2, 1, 2, 1});
    removePlayer(store, 3);
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P2", "P4", "P5"}));
    expectRoundsFollowNames(store);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
    EXPECT_EQ(lineCount(readFile(dir / "Club.LGE")), 1 + 543 * 4);
    EXPECT_EQ(readFile(dir / "Club.tea"),
              crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", " 1 ", " 0 ", " 0 "}));

    // Removing the last player only empties its name; its rounds stay beyond the count.
    removePlayer(store, 4);
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P2", "P4"}));
    EXPECT_TRUE(store.player(4).PlayerName.empty());
    EXPECT_EQ(store.player(4).RoundCount, 5);
}

TEST(PlayerOrder, MovesKeepRoundsAndTeamsInTheFiles) {
    TempDir dir;
    Store store = leagueOf(dir, 8, {1, 1, 2, 2, 1, 2, 1, 2});
    ASSERT_TRUE(movePlayer(store, "P5", 5, 2));
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P5", "P2", "P3", "P4", "P6", "P7", "P8"}));
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_EQ(readFile(dir / "Club.tea"), crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 1 ", " 1 ", " 2 ", " 2 ",
                                                " 2 ", " 1 ", " 2 ", " 0 ", " 0 "}));
    Store back = leagueOf(dir, 0);
    ASSERT_FALSE(LoadLeagueFile(back));
    expectRoundsFollowNames(back);
    EXPECT_EQ(rosterNames(back.league), rosterNames(store.league));

    // Two to six, without teams: only the league file.
    TempDir noTeams;
    store = leagueOf(noTeams, 8);
    ReloadTeams(store);
    ASSERT_TRUE(movePlayer(store, "P2", 2, 6));
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P3", "P4", "P5", "P6", "P2", "P7", "P8"}));
    expectRoundsFollowNames(store);
    EXPECT_FALSE(movePlayer(store, "P2", 6, 6)); // its own position: a beep
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_TRUE(fs::exists(noTeams / "Club.LGE"));
    EXPECT_FALSE(fs::exists(noTeams / "Club.tea"));
}

Store courseStore(const TempDir& dir, int count = 0) {
    Store store = storeIn(dir.path());
    store.courses.CourseCount = static_cast<int16_t>(count);
    for (int c = 1; c <= count; ++c)
        fillCourse(store.courses, c, "Course " + std::to_string(c));
    if (count > 0) {
        EXPECT_FALSE(SaveCourseFile(store));
    }
    return store;
}

const std::vector<std::string> par72 = {"4", "4", "3", "5", "4", "4", "3", "5", "4",
                                        "4", "4", "3", "5", "4", "4", "3", "5", "4"};

// The add window as the user fills it: pars typed box by box.
CourseForm typedForm(Store& store, const std::string& name, const std::vector<std::string>& pars = par72) {
    store.CourseFormMode = CourseWindowMode::Add;
    CourseForm form = openCourseForm(store);
    form.name = name;
    for (std::size_t h = 1; h <= 18 && h <= pars.size(); ++h)
        form.parText[h] = parBoxText(pars[h - 1]);
    return form;
}

TEST(CourseOps, MissingNameOrZeroNineIsRefusedStoringNothing) {
    TempDir dir;
    Store store = courseStore(dir, 1);
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    std::vector<std::string> frontOnly(par72.begin(), par72.begin() + 9);
    std::vector<std::string> backOnly(9, "");
    backOnly.insert(backOnly.end(), par72.begin() + 9, par72.end());
    const std::vector<std::pair<std::string, std::vector<std::string>>> refused = {
        {"", par72}, {"Front", frontOnly}, {"Back", backOnly}};
    for (const auto& [name, pars] : refused) {
        CourseForm form = typedForm(store, name, pars);
        Failure check = checkCourseForm(store, form);
        Failure failure = saveCourseForm(store, form);
        ASSERT_TRUE(failure.has_value() && check.has_value()) << name;
        EXPECT_EQ(check->text + check->title, failure->text + "Problem saving course");
        EXPECT_EQ(failure->text,
                  "Insufficient information to save\r\nCourse data.  Please provide a name\r\nand the par "
                  "values for each hole.\r\nFor nine hole courses, duplicate the values\r\nof the first "
                  "nine holes for holes 10 - 18");
        EXPECT_EQ(failure->icon, Icon::Exclamation);
        EXPECT_EQ(store.CourseFormMode, CourseWindowMode::Add); // the window stays open
    }
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);

    // A one-character name is saved, though never offered.
    ASSERT_FALSE(saveCourseForm(store, typedForm(store, "X")));
    EXPECT_EQ(store.courses.name(2), "X");
    EXPECT_EQ(findCourse(store.courses, "x"), 0);
}

TEST(CourseOps, DeletedSlotIsReusedByTheNextAdd) {
    TempDir dir;
    Store store = courseStore(dir, 3);
    ASSERT_FALSE(deleteCourse(store, 2));
    EXPECT_EQ(store.courses.CourseCount, 3);
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 31, lines.begin() + 61), std::vector<std::string>(30));

    CourseForm form = typedForm(store, "Lakes");
    EXPECT_EQ(store.CourseFormMode, CourseWindowMode::Edit);
    EXPECT_EQ(store.CurrentCourse, 2);
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], "65.0");
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::slope(3))], "113");
    EXPECT_EQ(std::pair(form.rating[1], form.slope[3]), std::pair(65.0, 113.0));
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 3);
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], " 65");
    EXPECT_EQ(fileLines(readFile(dir / "course.dat"))[31], "Lakes");
}

TEST(CourseOps, EditKeepsFieldThirty) {
    TempDir dir;
    Store store = courseStore(dir, 2);
    store.CourseFormMode = CourseWindowMode::Edit;
    store.CurrentCourse = 2;
    CourseForm form = openCourseForm(store);
    EXPECT_EQ(form.name, "Course 2");
    EXPECT_EQ(form.parText[7], " 4");
    EXPECT_EQ(form.rating[3], 72.8);
    form.parText[1] = " 5";
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 2);
    const auto& fields = store.courses.CourseField[2];
    EXPECT_EQ(fields[field::OutPar] + "|" + fields[field::TotalPar] + "|" + fields[field::Unused],
              "37| 73|kept");
}

TEST(CourseOps, TwoHundredFirstCourseIsRefusedChangingNothing) {
    TempDir dir;
    Store store = courseStore(dir, MaxCourses);
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    Failure failure = saveCourseForm(store, typedForm(store, "One Too Many"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Course Setup");
    EXPECT_EQ(failure->text, courseTableFull().text);
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);

    // Editing a course of a full table is fine, and a deleted course makes room again.
    store.CourseFormMode = CourseWindowMode::Edit;
    store.CurrentCourse = MaxCourses;
    EXPECT_FALSE(checkCourseForm(store, openCourseForm(store)));
    ASSERT_FALSE(deleteCourse(store, 150));
    ASSERT_FALSE(saveCourseForm(store, typedForm(store, "Fits Now")));
    EXPECT_EQ(store.courses.name(150), "Fits Now");
    EXPECT_EQ(store.courses.CourseCount, MaxCourses);
}

} // namespace

// The data files: each kind's layout, reading as far as a short or damaged file goes, the copy kept of
// a damaged file. Every kind at once: under a decimal comma it keeps its bytes and its name's spelling;
// damaged in thousands of ways it loads without a crash, keeps every count inside its table, and what
// still loads saves back to the same text.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <regex>
#include <stdexcept>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

constexpr int Players = 4;

struct Kind {
    std::string fileName;
    std::vector<std::size_t> keyLines; // counts and values with a range, where damage matters most
    std::function<bool(Store&)> load;  // true when the file read without failure
    std::function<bool(Store&)> save;  // true when the file was written
    std::function<std::string(const Store&)> text;
};

const Kind Kinds[] = {
    {"Monday.LGE",
     {0, 2, 3, 10, 37, 545, 546, 553, 580}, // counts, tees and course numbers of two players
     [](Store& s) { return !LoadLeagueFile(s); },
     [](Store& s) { return !SaveLeagueFile(s); },
     [](const Store& s) { return leagueFileText(s.league); }},
    {"course.dat",
     {0, 1, 30, 31},
     [](Store& s) { return !LoadCourseFile(s); },
     [](Store& s) { return !SaveCourseFile(s); },
     [](const Store& s) { return courseFileText(s.courses); }},
    {"vexa.ini",
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
     [](Store& s) {
         LoadSettings(s);
         SetDefaults(s.settings);
         return true;
     },
     [](Store& s) { return SaveSettings(s); },
     [](const Store& s) { return settingsFileText(s.settings); }},
    {"vexa.dat",
     {0, 4, 5, 6, 7, 8, 9},
     [](Store& s) {
         Failure failure = LoadLeagueList(s);
         ApplyLeagueListDefaults(s, !failure);
         return !failure.has_value();
     },
     [](Store& s) { return !SaveLeagueList(s); },
     [](const Store& s) { return leagueListText(s.settings); }},
    {"Monday.tea",
     {0, 3, 4, 5, 6, 7, 14},
     [](Store& s) {
         ReloadTeams(s);
         return LoadTeamFile(s);
     },
     [](Store& s) { return !SaveTeamFile(s); },
     [](const Store& s) { return teamFileText(s.teams, s.league.PlayerCount); }},
};

Store mondayIn(const fs::path& dir) {
    Store store = storeIn(dir, "Monday.LGE");
    store.settingsDir = dir;
    store.league.PlayerCount = Players; // the team file reads as many players
    return store;
}

// Every table filled with fractions, negatives, exponents and commas.
Store filledStore(const fs::path& dir) {
    Store store = mondayIn(dir);
    fillLeague(store, Players, 20);
    store.player(2).PlayerName = "Smith, John \"Jack\"";
    store.player(3).round[4].RoundIndex = 1e7f;
    store.player(3).round[5].RoundDiff = 0.0001f;
    store.courses.CourseCount = 3;
    for (int c = 1; c <= 3; ++c)
        fillCourse(store.courses, c, "Course, " + std::to_string(c));
    Settings& s = store.settings;
    SetDefaults(s);
    s.LeagueCount = 3;
    s.LeagueList = {"", "Monday, Seniors", "Friday", "Weekend"};
    s.FontName = "Arial";
    s.RoundsToUse = 10;
    s.IndexFactor = 0.85f;
    s.MensHcpMax = 36.4f;
    s.CardHOffset = 0.5f;
    s.CardWDOffset = -1.25f;
    s.CardScaling = 1.125f;
    fillTeams(store);
    return store;
}

// Puts the whole C locale of the process back as it was when the object goes.
struct LocaleKept {
    std::string old = std::setlocale(LC_ALL, nullptr);
    LocaleKept() = default;
    LocaleKept(const LocaleKept&) = delete;
    LocaleKept& operator=(const LocaleKept&) = delete;
    ~LocaleKept() { std::setlocale(LC_ALL, old.c_str()); }
};

std::string joinLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += lines[i] + "\r\n";
    return out;
}

// Calls `use` with damaged forms of a CR LF text: each of the first 60 lines and each key line replaced
// by each hostile value, deleted, repeated, or the file cut before it or inside it; other line ends.
void forEachDamaged(const std::string& valid, std::vector<std::size_t> at,
                    const std::function<void(const std::string&)>& use) {
    static const std::array<const char*, 24> hostile = {
        " 32767 ", " 32768 ", " 2147483648 ", " 9223372036854775808 ",
        " 1E+30 ", " 1e400 ", " 101 ",        " 151 ",
        " 201 ",   " 21 ",    " 16 ",         "-1 ",
        "-32769 ", "-1e400 ", "-.5 ",         "",
        "abc",     " 12abc ", "1,2,3",        "\"quoted",
        "nan",     "-inf",    " 0x1F ",       "Smith, John"};
    const std::vector<std::string> lines = fileLines(valid);
    for (std::size_t i = 0; i < 60; ++i)
        at.push_back(i);
    for (std::size_t i : at) {
        if (i >= lines.size()) continue;
        const std::string before = joinLines(lines, i);
        const std::string rest = valid.substr(before.size() + lines[i].size() + 2);
        for (const char* value : hostile)
            use(before + value + "\r\n" + rest);
        for (const std::string& form : {before + rest, before + lines[i] + "\r\n" + lines[i] + "\r\n" + rest,
                                        before, before + lines[i].substr(0, lines[i].size() / 2),
                                        before + std::string("\xff\x00\x7f\x80", 4) + "\r\n" + rest})
            use(form);
    }
    for (const char* ending : {"\n", "\r"}) {
        const std::string text = std::regex_replace(valid, std::regex("\r\n"), ending);
        use(text);
        use(text.substr(0, text.size() - 1));
    }
}

// Every count and table index of every table lies inside its table.
bool tablesInRange(const Store& s) {
    auto inside = [](int value, int last) { return value >= 0 && value <= last; };
    bool ok = inside(s.league.PlayerCount, MaxPlayers) && inside(s.courses.CourseCount, MaxCourses) &&
              inside(s.settings.LeagueCount, MaxLeagues) && inside(s.teams.TeamCount, MaxTeams);
    for (int p = 1; ok && p <= s.league.PlayerCount; ++p) {
        ok = inside(s.player(p).PlayerTee, 3) && inside(s.player(p).RoundCount, MaxRounds);
        for (const RoundRecord& r : s.player(p).round)
            ok = ok && inside(r.RoundCourse, MaxCourses);
    }
    for (int t = 1; ok && t <= s.teams.TeamCount; ++t)
        ok = inside(s.teams.team[static_cast<std::size_t>(t)].TeamEntryCount, MaxEntries);
    for (int16_t number : s.teams.PlayerTeam)
        ok = ok && inside(number, MaxTeams);
    return ok;
}

// A new file each time: some file systems flush a file rewritten in place on close, which crawls.
void replaceFile(const fs::path& file, const std::string& text) {
    fs::remove(file);
    writeFile(file, text);
}

::testing::AssertionResult isLeagueLoadFailure(const Failure& failure) {
    return isMessage(
        failure, "Tallyrock",
        "Unable to load league file, please check the\r\nworking directory specified by your launcher.",
        Icon::Exclamation);
}
::testing::AssertionResult isCourseLoadFailure(const Failure& failure) {
    return isMessage(
        failure, "Loading...",
        "No courses have been saved or\r\nproblem reading file.\r\nIgnore this if you are entering "
        "your\r\nfirst course.",
        Icon::Exclamation);
}
::testing::AssertionResult isListLoadFailure(const Failure& failure) {
    return isMessage(failure, "Tallyrock",
                     "Cannot Load vexa.dat, Please check your working\r\ndirectory or Launchers startup "
                     "directory setting.");
}

Store settingsStore(const TempDir& dir) {
    Store store = storeIn(dir / "work");
    store.settingsDir = dir / "config";
    fs::create_directories(store.workDir);
    fs::create_directories(store.settingsDir);
    return store;
}

// The thirteen values of the settings file, in file order.
std::vector<double> values(const Settings& s) {
    return {double(s.HcpMethod),
            double(s.RoundsOption),
            double(s.RoundsToUse),
            double(s.PercentRounds),
            s.MensHcpMax,
            s.WomensHcpMax,
            double(s.StrokesAbovePar),
            double(s.MaxStrokesPerHole),
            double(s.StrokeOption),
            s.Reserved,
            s.CardHOffset,
            s.CardWDOffset,
            s.CardScaling};
}

} // namespace

// Names match without regard to letter case, and a file keeps its own spelling.
TEST(CommaLocale, EveryFileKindKeepsItsBytesAndItsNameAndNumberTextKeepsItsPoint) {
    TempDir dir;
    // The files as saved under the "C" locale the tests start in, then spelt otherwise.
    Store original = filledStore(dir.path());
    for (const Kind& kind : Kinds)
        ASSERT_TRUE(kind.save(original)) << kind.fileName;
    ASSERT_NE(readFile(dir / "Monday.LGE").find(" 1E+07 "), std::string::npos);
    for (auto [name, spelt] : {std::pair{"Monday.LGE", "monday.lge"},
                               {"course.dat", "Course.DAT"},
                               {"vexa.dat", "VEXA.DAT"},
                               {"Monday.tea", "MONDAY.TEA"}})
        fs::rename(dir / name, dir / spelt);
    const auto saved = folderSnapshot(dir.path());

    LocaleKept kept;
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    // Each file read and saved again under the comma locale: the same bytes under the same names.
    Store store = mondayIn(dir.path());
    for (const Kind& kind : Kinds)
        ASSERT_TRUE(kind.load(store)) << kind.fileName;
    for (const Kind& kind : Kinds)
        ASSERT_TRUE(kind.save(store)) << kind.fileName;
    EXPECT_EQ(folderSnapshot(dir.path()), saved);
    for (int p = 1; p <= Players; ++p)
        EXPECT_TRUE(samePlayer(original.player(p), store.player(p))) << "player " << p;

    EXPECT_EQ((std::vector<std::string>{fileNumber(-1.25f), generalNumber(0.96f),
                                        formatPattern(12.3f, "0.00"), formatPattern(65.1, "00.0")}),
              (std::vector<std::string>{"-1.25 ", "0.96", "12.30", "65.1"}));
    EXPECT_EQ(
        (std::vector<double>{roundHalfAway(2.25, 1), leadingNumber(" 72.8 "), leadingNumber("72,8"),
                             fileFieldNumber(" .5 ").value_or(0), fileFieldNumber(" 0,5 ").value_or(-1)}),
        (std::vector<double>{2.3, 72.8, 72, 0.5, 0})); // a comma ends the number
}

TEST(Robustness, DamagedOrOversizedFilesOfEveryKind) {
    TempDir dir;
    const Store sample = filledStore(dir.path());
    for (const Kind& kind : Kinds) {
        SCOPED_TRACE(kind.fileName);
        const std::string valid = kind.text(sample);
        fs::path file = dir / kind.fileName;
        // What follows the last line is never read: a little loads as the file alone, 64 MB is refused.
        for (std::uintmax_t padding : {std::uintmax_t{0}, std::uintmax_t{4096}, std::uintmax_t{64} << 20}) {
            replaceFile(file, valid);
            fs::resize_file(file, valid.size() + padding);
            Store store = mondayIn(dir.path());
            EXPECT_EQ(kind.load(store) && kind.text(store) == valid, padding <= 4096)
                << padding << " bytes more";
        }
        Store store = mondayIn(dir.path());
        int i = 0;
        forEachDamaged(valid, kind.keyLines, [&](const std::string& damaged) {
            if (HasFailure()) return;
            // The team file is read against rosters of different sizes.
            store.league.PlayerCount = static_cast<int16_t>(++i % 5 == 0 ? MaxPlayers : Players);
            replaceFile(file, damaged);
            bool loaded = kind.load(store);
            ASSERT_TRUE(tablesInRange(store)) << "damaged file " << i;
            if (!loaded) return;
            // What loads cleanly saves to a file that loads to the same tables.
            std::string text = kind.text(store);
            replaceFile(file, text);
            ASSERT_TRUE(kind.load(store)) << "damaged file " << i;
            ASSERT_EQ(kind.text(store), text) << "damaged file " << i;
        });
    }
}

TEST(LeagueFile, ValuesAreReadIntoTheirSlotsInFileOrderAndWrittenBackTheSame) {
    // Written by hand: one player, round 1 filled, rounds 2..20 empty.
    std::vector<std::string> lines = {
        " 1 ", "Ann \"Birdie\" Lee", " 3 ", " 1 ", "-1.2 ", " 7 ", " 4 ", " 99 ", " .5 ", " 12 ", " 3 "};
    PlayerRecord ann;
    ann.PlayerName = "Ann \"Birdie\" Lee";
    ann.PlayerTee = 3;
    ann.RoundCount = 1;
    ann.round[1] = {-1.2f, 7, 4, 99, 0.5f, 12, 3, {}};
    for (int h = 1; h <= 20; ++h) {
        lines.push_back(" " + std::to_string(h + 2) + " ");
        ann.round[1].HoleScore[static_cast<std::size_t>(h)] = static_cast<int16_t>(h + 2);
    }
    lines.resize(lines.size() + 19 * 27, " 0 ");
    TempDir dir;
    const std::string text = joinLines(lines, lines.size());
    // Line feeds alone read the same as CR LF.
    for (const std::string& file : {text, std::regex_replace(text, std::regex("\r\n"), "\n")}) {
        writeFile(dir / "Hand.LGE", file);
        Store store = storeIn(dir.path(), "Hand.LGE");
        ASSERT_FALSE(LoadLeagueFile(store));
        EXPECT_TRUE(samePlayer(ann, store.player(1)));
        // Singles are written shortest, without a leading zero.
        store.league.LeagueFilePath = "Copy.LGE";
        ASSERT_FALSE(SaveLeagueFile(store));
        EXPECT_EQ(readFile(dir / "Copy.LGE"), text);
        // An empty league is its count alone.
        ClearLeague(store);
        EXPECT_TRUE(samePlayer(PlayerRecord{}, store.player(1)));
        ASSERT_FALSE(SaveLeagueFile(store));
        EXPECT_EQ(readFile(dir / "Copy.LGE"), " 0 \r\n");
    }
}

TEST(LeagueFile, FileCutInsideTheTenthPlayer) {
    TempDir dir;
    Store saved = storeIn(dir.path(), "Cut.LGE");
    fillLeague(saved, 12, 20);
    // The count, nine whole players, then the tenth's name, tee, count, two rounds and 5 values of round 3.
    writeFile(dir / "Cut.LGE",
              joinLines(fileLines(leagueFileText(saved.league)), 1 + 9 * 543 + 3 + 2 * 27 + 5));

    // The league open before holds other values in every slot: its players shifted by one.
    Store store = storeIn(dir.path(), "Cut.LGE");
    store.league.PlayerCount = 15;
    for (int p = 1; p <= 15; ++p)
        store.player(p) = saved.player(p % 12 + 1);
    EXPECT_TRUE(isLeagueLoadFailure(LoadLeagueFile(store)));

    EXPECT_EQ(store.league.PlayerCount, 12);
    for (int p = 1; p <= 9; ++p)
        EXPECT_TRUE(samePlayer(saved.player(p), store.player(p))) << "player " << p;
    // The tenth as far as the file goes; what it never reached shows nothing of the league open before.
    PlayerRecord tenth = saved.player(10);
    tenth.round[3].RoundCourseHcp = tenth.round[3].RoundCourse = 0;
    tenth.round[3].HoleScore = {};
    for (std::size_t r = 4; r <= MaxRounds; ++r)
        tenth.round[r] = {};
    EXPECT_TRUE(samePlayer(tenth, store.player(10)));
    for (int p = 11; p <= 12; ++p)
        EXPECT_TRUE(samePlayer(PlayerRecord{}, store.player(p))) << "player " << p;
    // Beyond the file's count the slots keep what they held.
    EXPECT_EQ(store.player(13).PlayerName, "Player, Number 2");

    Store missing = storeIn(dir.path(), "Gone.LGE");
    fillLeague(missing, 5, 1);
    EXPECT_TRUE(isLeagueLoadFailure(LoadLeagueFile(missing)));
    EXPECT_EQ(missing.league.PlayerCount, 0);
}

TEST(LeagueFile, CountsAndValuesOutOfRangeEndTheRead) {
    TempDir dir;
    Store full = storeIn(dir.path(), "Big.LGE");
    fillLeague(full, 100, 1);
    auto lines = fileLines(leagueFileText(full.league));
    lines[0] = " 101 ";
    lines.push_back("Player 101"); // the 101st would start here
    writeFile(dir / "Big.LGE", joinLines(lines, lines.size()));
    Store big = storeIn(dir.path(), "Big.LGE");
    EXPECT_TRUE(isLeagueLoadFailure(LoadLeagueFile(big)));
    EXPECT_EQ(big.league.PlayerCount, 100);
    EXPECT_TRUE(samePlayer(full.player(100), big.player(100)));

    Store one = storeIn(dir.path(), "Bad.LGE");
    fillLeague(one, 1, 1);
    const auto good = fileLines(leagueFileText(one.league));
    const std::pair<std::size_t, std::string> cases[] = {
        {0, " 0 "}, {0, "-1 "},  {0, "many"},   {2, " 4 "},  {2, "-1 "},      {3, " 21 "},
        {3, "-2 "}, {5, "July"}, {10, " 201 "}, {10, "-1 "}, {11, " 40000 "}, {4, ""}};
    for (const auto& [line, text] : cases) {
        auto bad = good;
        bad[line] = text;
        writeFile(dir / "Bad.LGE", joinLines(bad, bad.size()));
        Store store = storeIn(dir.path(), "Bad.LGE");
        // " 0 " stands for the unchanged file, which must load.
        EXPECT_EQ(LoadLeagueFile(store).has_value(), text != " 0 ") << "line " << line << " '" << text << "'";
    }
}

TEST(LeagueFile, FirstSaveOverADamagedFileKeepsTheOriginalBesideIt) {
    TempDir dir;
    const std::string damaged = crlf({" 2 ", "Ann", " 2 ", " 0 ", " 1.5 "});
    writeFile(dir / "Club.LGE", damaged);

    Store store = storeIn(dir.path(), "Club.LGE");
    ASSERT_TRUE(LoadLeagueFile(store));
    // A copy that cannot be written stops the save; the next save tries it again.
    auto writer = std::make_shared<FailingWriter>("Club.LGE.damaged");
    store.writer = writer;
    EXPECT_TRUE(isMessage(SaveLeagueFile(store), "Tallyrock", "Error Creating League Record File",
                          Icon::Exclamation));
    EXPECT_EQ(writer->targets, std::vector<std::string>{"Club.LGE.damaged"});
    EXPECT_EQ(folderSnapshot(dir.path()), (std::map<std::string, std::string>{{"Club.LGE", damaged}}));
    store.writer = std::make_shared<AtomicFileWriter>();
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "Club.LGE.damaged"), damaged);
    std::string saved = readFile(dir / "Club.LGE");
    EXPECT_EQ(lineCount(saved), 1 + 2 * 543);
    EXPECT_EQ(fileLines(saved)[1], "Ann");
    // Later saves replace the file without another copy.
    ASSERT_FALSE(SaveLeagueFile(store));

    // A second damaged file gets the next free name.
    const std::string damagedAgain = crlf({" 1 ", "Bea"});
    writeFile(dir / "Club.LGE", damagedAgain);
    ASSERT_TRUE(LoadLeagueFile(store));
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "Club.LGE.damaged"), damaged);
    EXPECT_EQ(readFile(dir / "Club.LGE.damaged2"), damagedAgain);

    // No copy after a good load, nor for a missing file.
    ASSERT_FALSE(LoadLeagueFile(store));
    ASSERT_FALSE(SaveLeagueFile(store));
    Store missing = storeIn(dir.path(), "Missing.LGE");
    ASSERT_TRUE(LoadLeagueFile(missing));
    ASSERT_FALSE(SaveLeagueFile(missing));
    EXPECT_EQ(folderSnapshot(dir.path()).size(), 4u);
}

// A course is offered only with a name longer than one character.
TEST(DataFiles, TablesHoldSlotsFromZeroToTheLastAndNoOther) {
    LeagueTables league;
    league.player[MaxPlayers].round[MaxRounds].RoundCourse = 7;
    const LeagueTables& read = league;
    EXPECT_EQ(read.player[MaxPlayers].round[MaxRounds].RoundCourse, 7);
    EXPECT_EQ(read.player[0].round[0].RoundCourse, 0);
    EXPECT_THROW(league.player[MaxPlayers + 1], std::out_of_range);
    EXPECT_THROW(league.player[-1], std::out_of_range);
    EXPECT_THROW(read.player[1].round[MaxRounds + 1], std::out_of_range);

    CourseTable courses;
    courses.CourseCount = 3;
    courses.CourseField[1][field::Name] = "A";
    courses.CourseField[2][field::Name] = "\xC3\x85"; // one character, two bytes
    courses.CourseField[3][field::Name] = "Ab";
    EXPECT_EQ(std::tuple(courses.offered(1), courses.offered(2), courses.offered(3),
                         courses.offered(MaxCourses + 1)),
              std::tuple(false, false, true, false));
    EXPECT_EQ(courses.numeric(MaxCourses + 1, 1), 0);
}

TEST(CourseFile, LayoutAndMissingShortOrBadFiles) {
    TempDir dir;
    auto courses = [&](int count) {
        Store store = storeIn(dir.path());
        store.courses.CourseCount = static_cast<int16_t>(count);
        for (int c = 1; c <= count; ++c)
            fillCourse(store.courses, c, c == 2 ? "Oak Creek, \"East\"" : "Course " + std::to_string(c));
        return store;
    };
    Store store = courses(1);
    EXPECT_TRUE(isCourseLoadFailure(LoadCourseFile(store))); // missing: the table stays as it was
    EXPECT_EQ(store.courses.name(1), "Course 1");
    Store empty = courses(0);
    ASSERT_FALSE(SaveCourseFile(empty));
    EXPECT_EQ(readFile(dir / "course.dat"), " 0 \r\n");

    store = courses(3);
    store.courses.CourseField[3][field::Unused] = "";
    ASSERT_FALSE(SaveCourseFile(store));
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[0] + lines[1], " 3 Course 1");
    EXPECT_EQ(lines[23], " 70.5"); // field 23 of course 1
    EXPECT_EQ(lines[26], " 120");  // field 26
    EXPECT_EQ(lines[30], "kept");  // field 30
    EXPECT_EQ(lines[31], "Oak Creek, \"East\"");
    EXPECT_EQ(store.courses.numeric(1, field::rating(1)), 70.5);

    // A short file keeps the courses read so far.
    writeFile(dir / "course.dat", joinLines(lines, 1 + 30 + 10));
    Store back = courses(0);
    EXPECT_TRUE(isCourseLoadFailure(LoadCourseFile(back)));
    EXPECT_EQ(std::tuple(back.courses.CourseCount, back.courses.CourseField[1][field::Unused],
                         back.courses.CourseField[2][10], back.courses.CourseField[2][11]),
              std::tuple(int16_t{3}, "kept", " 4", ""));

    // A count outside the table changes nothing.
    for (const std::string count : {" 201 ", "-1 ", "x", " 99999 "}) {
        writeFile(dir / "course.dat", crlf({count, "Pine Hills"}));
        Store bad = courses(1);
        EXPECT_TRUE(isCourseLoadFailure(LoadCourseFile(bad))) << count;
        EXPECT_EQ(bad.courses.CourseCount, 1) << count;
        EXPECT_EQ(bad.courses.name(1), "Course 1") << count;
    }
}

TEST(TeamFile, LayoutFilesWithoutMembersAndShortOrDamagedFiles) {
    EXPECT_EQ(teamFileName("A.b.LGE"), "A.b.tea");
    TempDir dir;
    Store store = mondayIn(dir.path());
    store.league.PlayerCount = 3;
    ASSERT_FALSE(SaveTeamFile(store));
    EXPECT_EQ(readFile(dir / "Monday.tea"), crlf({" 0 ", " 0 ", " 0 ", " 0 "}));

    store.league.PlayerCount = 4;
    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    EXPECT_EQ(readFile(dir / "Monday.tea"),
              crlf({" 2 ", "Eagles, North", "Birdies", " 1 ", " 2 ", " 0 ", " 1 ", " 2 ", "Week 1, 05-02",
                    " 12.5 ", " 3 ", "Week 2", "-1.5 ", " .5 ", " 0 "}));
    TeamTables teams = store.teams;
    store.teams = {};
    ReloadTeams(store);
    const TeamEntry& entry = store.teams.team[1].entry[2];
    EXPECT_EQ(std::tuple(store.teams.TeamsInUse, entry.TeamEntryManual, entry.TeamEntryPoints),
              std::tuple(int16_t{1}, -1.5f, 0.5f));

    // No file, or no members: no teams in use, nothing of the league open before.
    store.teams = teams;
    store.teams.TeamsInUse = 1;
    fs::remove(dir / "Monday.tea");
    ReloadTeams(store);
    EXPECT_EQ(std::tuple(store.teams.TeamsInUse, store.teams.TeamCount, store.teams.PlayerTeam[1]),
              std::tuple(int16_t{0}, int16_t{0}, int16_t{0}));
    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 0 ", " 0 ", " 0 "}));
    ReloadTeams(store);
    EXPECT_EQ(std::tuple(store.teams.TeamCount, store.teams.TeamsInUse), std::tuple(int16_t{1}, int16_t{0}));

    // Read silently as far as it goes: written when the league had two players, two were added since.
    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 1 ", " 1 "}));
    store.teams.PlayerTeam[3] = 1;
    ReloadTeams(store);
    EXPECT_EQ(std::tuple(store.teams.TeamsInUse, store.teams.PlayerTeam[2], store.teams.PlayerTeam[3]),
              std::tuple(int16_t{1}, int16_t{1}, int16_t{0}));
    EXPECT_FALSE(LoadTeamFile(store)); // reports the early end to a caller that asks

    // Nothing of the league open before shows through a damaged file.
    fillTeams(store);
    store.teams.team[3].TeamName = "Hawks";
    writeFile(dir / "Monday.tea", crlf({" 3 ", "Aces"}));
    ReloadTeams(store);
    EXPECT_EQ(teamFileText(store.teams, Players),
              crlf({" 3 ", "Aces", "", "", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 "}));

    const std::pair<std::string, int> cases[] = {{crlf({"two", "Aces"}), 0},
                                                 {crlf({" 101 ", "A"}), 0},
                                                 {crlf({"-1 ", "A"}), 0},
                                                 {crlf({" 1 ", "A", " 101 ", " 0 "}), 1},
                                                 {crlf({" 1 ", "A", " 1 ", " 1 ", " 151 "}), 1},
                                                 {crlf({" 1 ", "A", " 1 ", " 1 ", "-3 "}), 1}};
    for (const auto& [text, teamCount] : cases) {
        writeFile(dir / "Monday.tea", text);
        store.league.PlayerCount = 2;
        fillTeams(store);
        ReloadTeams(store);
        EXPECT_FALSE(LoadTeamFile(store));
        EXPECT_EQ(store.teams.TeamCount, teamCount) << text;
    }
}

TEST(LeagueListFile, FontNamesSurviveASaveAndALoadAndLowFactorsAreCorrected) {
    TempDir dir;
    auto startUp = [&](Store& store) { // the main window's load: the list, then its defaults
        Failure failure = LoadLeagueList(store);
        ApplyLeagueListDefaults(store, !failure);
        return failure;
    };
    // A name is written as it is unless the comma-delimited read would cut or trim it; then it is quoted.
    const std::pair<std::string, std::string> fonts[] = {{"DejaVu Sans Mono", "DejaVu Sans Mono"},
                                                         {"Ünïcode Mono", "Ünïcode Mono"},
                                                         {"Mono \"Q\"", "Mono \"Q\""},
                                                         {"Courier New, Bold", "\"Courier New, Bold\""},
                                                         {" Lead", "\" Lead\""},
                                                         {"Trail ", "\"Trail \""}};
    for (const auto& [name, line] : fonts) {
        Store store = storeIn(dir.path());
        SetDefaults(store.settings);
        store.settings.FontName = name;
        ASSERT_TRUE(fontNameStorable(name)) << name;
        ASSERT_FALSE(SaveLeagueList(store));
        EXPECT_EQ(fileLines(readFile(dir / "vexa.dat"))[2], line);
        Store back = storeIn(dir.path());
        ASSERT_FALSE(startUp(back));
        EXPECT_EQ(back.settings.FontName, name);
    }

    const std::tuple<std::string, std::string, float, std::string> cases[] = {
        {" .9 ", "  \"Arial, Narrow\"", 0.9f, "Arial, Narrow"},
        {" .3 ", "", 0.96f, "Courier New"},
        {" .5 ", "", 0.5f, "Courier New"},
        {" 0 ", "", 0.96f, "Courier New"},
        {" 1.1 ", "", 1.1f, "Courier New"}};
    for (const auto& [factor, font, expectedFactor, expectedFont] : cases) {
        writeFile(dir / "vexa.dat", crlf({" 0 ", factor, font, " 1 ", " 0 ", " 2 ", " 0 "}));
        Store read = storeIn(dir.path());
        ASSERT_FALSE(startUp(read));
        EXPECT_EQ(std::tuple(read.settings.IndexFactor, read.settings.FontName, read.settings.HcpLimitOption),
                  std::tuple(expectedFactor, expectedFont, int16_t{2}))
            << factor;
    }
}

TEST(LeagueListFile, LayoutAndMissingShortOrBadFiles) {
    TempDir dir;
    Store store = storeIn(dir.path());
    bool missing = false;
    EXPECT_TRUE(isListLoadFailure(LoadLeagueList(store, &missing)));
    EXPECT_TRUE(missing);
    ApplyLeagueListDefaults(store, false);
    EXPECT_EQ(std::tuple(store.settings.IndexFactor, store.settings.FontName, store.settings.HcpLimitOption),
              std::tuple(0.96f, "Courier New", int16_t{1}));

    // Two leagues are nine lines; a load keeps no other name.
    Settings& s = store.settings;
    s.LeagueCount = 2;
    s.LeagueList[1] = "Monday, Seniors";
    s.LeagueList[2] = "Friday";
    s.NineHoleOption = 2;
    s.CurrentLeague = 1;
    s.HcpLimitOption = 3;
    s.DateRemind = 1;
    ASSERT_FALSE(SaveLeagueList(store));
    EXPECT_EQ(readFile(dir / "vexa.dat"),
              crlf({" 2 ", "Monday, Seniors", "Friday", " .96 ", "Courier New", " 2 ", " 1 ", " 3 ", " 1 "}));
    s.LeagueList[3] = "Stale";
    ASSERT_FALSE(LoadLeagueList(store));
    EXPECT_EQ(s.LeagueList[3], "");

    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday", "Friday", " .3 ", "Arial"}));
    Store shortFile = storeIn(dir.path());
    EXPECT_TRUE(isListLoadFailure(LoadLeagueList(shortFile, &missing)));
    EXPECT_FALSE(missing);
    ApplyLeagueListDefaults(shortFile, false);
    EXPECT_EQ(shortFile.settings.LeagueList[2], "Friday");
    EXPECT_EQ(shortFile.settings.FontName, "Arial");
    EXPECT_EQ(shortFile.settings.IndexFactor, 0.3f); // corrected only after a good read

    for (const std::string count : {" 16 ", "-1 ", "two", ""}) {
        writeFile(dir / "vexa.dat",
                  crlf({count, "Monday", " .96 ", "Courier New", " 1 ", " 0 ", " 1 ", " 0 "}));
        Store bad = storeIn(dir.path());
        EXPECT_TRUE(isListLoadFailure(LoadLeagueList(bad)));
        EXPECT_EQ(bad.settings.LeagueCount, 0) << count;
    }
}

TEST(SettingsFile, DefaultsShortAndWholeFilesWhereTheEnvironmentSays) {
    TempDir dir;
    Store store = settingsStore(dir);
    LoadSettings(store);
    EXPECT_EQ(store.SettingsPath, (dir / "config" / "vexa.ini").string());
    ApplyLeagueListDefaults(store, false); // no league list either
    EXPECT_EQ(values(store.settings), (std::vector<double>{1, 1, 0, 50, 35, 40, 4, 10, 1, 0, 0, 0, 1}));

    writeFile(dir / "config" / "vexa.ini", crlf({" 2 ", " 4 ", " 12 ", " 80 "}));
    Store four = settingsStore(dir);
    LoadSettings(four);
    EXPECT_EQ(values(four.settings), (std::vector<double>{2, 4, 12, 80, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    SetDefaults(four.settings);
    EXPECT_EQ(values(four.settings), (std::vector<double>{2, 4, 12, 80, 35, 40, 4, 10, 1, 0, 0, 0, 1}));

    // Values after a line that is not a number keep what they held.
    writeFile(dir / "config" / "vexa.ini", crlf({" 3 ", " 1 ", " 10 ", " 50 ", " 30.5 ", "forty"}));
    Store bad = settingsStore(dir);
    bad.settings.WomensHcpMax = 38;
    bad.settings.CardHOffset = 2;
    LoadSettings(bad);
    EXPECT_EQ(std::tuple(bad.settings.MensHcpMax, bad.settings.WomensHcpMax, bad.settings.CardHOffset,
                         bad.settings.CardScaling),
              std::tuple(30.5f, 38.0f, 0.0f, 1.0f));

    // Thirteen lines, the height offset before the width.
    Store full = settingsStore(dir);
    const std::string file = crlf({" 1 ", " 4 ", " 10 ", " 50 ", " 36.4 ", " 40.4 ", " 3 ", " 10 ", " 2 ",
                                   " 7 ", " .5 ", "-1.25 ", " 1 "});
    writeFile(dir / "config" / "vexa.ini", file);
    LoadSettings(full);
    EXPECT_EQ(values(full.settings),
              (std::vector<double>{1, 4, 10, 50, 36.4f, 40.4f, 3, 10, 2, 7, 0.5, -1.25, 1}));
    full.settingsDir = dir / "other"; // created when needed
    ASSERT_TRUE(SaveSettings(full));
    EXPECT_EQ(readFile(dir / "other" / "vexa.ini"), file);

    // Without a settings folder the working directory is used.
    full.settingsDir.clear();
    full.settings.HcpMethod = 3;
    ASSERT_TRUE(SaveSettings(full));
    Store work = settingsStore(dir);
    work.settingsDir.clear();
    LoadSettings(work);
    EXPECT_TRUE(fs::exists(dir / "work" / "vexa.ini"));
    EXPECT_EQ(work.settings.HcpMethod, 3);

    // The settings folder follows XDG_CONFIG_HOME, then HOME.
    const std::array<const char*, 2> names = {"XDG_CONFIG_HOME", "HOME"};
    std::array<std::optional<std::string>, 2> kept;
    for (std::size_t i : {0, 1})
        if (const char* value = std::getenv(names[i])) kept[i] = value;
    for (auto [xdg, home, expected] : {std::tuple{"/x/conf", "/home/u", "/x/conf/tallyrock"},
                                       {"", "/home/u", "/home/u/.config/tallyrock"},
                                       {nullptr, nullptr, ""}}) {
        for (auto [name, value] : {std::pair{names[0], xdg}, {names[1], home}})
            value ? ::setenv(name, value, 1) : ::unsetenv(name);
        EXPECT_EQ(GetSettingsDir(), fs::path(expected));
    }
    for (std::size_t i : {0, 1})
        kept[i] ? ::setenv(names[i], kept[i]->c_str(), 1) : ::unsetenv(names[i]);
}

// Every data file kind at once: read and written again under a C locale with a
// decimal comma (as the desktop program runs for most European users) it keeps
// its bytes; damaged in thousands of ways (cuts, huge and negative counts,
// garbage and binary lines, deleted and repeated lines, other line ends) it
// loads without a crash and leaves every count inside its table, and a file
// that still loads saves back to the same text.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdint>
#include <functional>
#include <regex>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

constexpr int Players = 4;

struct Kind {
    std::string fileName;
    std::vector<std::size_t> keyLines; // counts and values with a range, where damage matters most
    std::function<bool(Store&)> load;  // true when the file read without failure
    std::function<std::string(const Store&)> text;
};

const Kind Kinds[] = {
    {"Monday.LGE",
     {0, 2, 3, 10, 37, 545, 546, 553, 580}, // counts, tees and course numbers of two players
     [](Store& s) { return !LoadLeagueFile(s); },
     [](const Store& s) { return leagueFileText(s.league); }},
    {"course.dat",
     {0, 1, 30, 31},
     [](Store& s) { return !LoadCourseFile(s); },
     [](const Store& s) { return courseFileText(s.courses); }},
    {"vexa.ini",
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
     [](Store& s) {
         LoadSettings(s);
         SetDefaults(s.settings);
         return true;
     },
     [](const Store& s) { return settingsFileText(s.settings); }},
    {"vexa.dat",
     {0, 4, 5, 6, 7, 8, 9},
     [](Store& s) {
         Failure failure = LoadLeagueList(s);
         ApplyLeagueListDefaults(s, !failure);
         return !failure.has_value();
     },
     [](const Store& s) { return leagueListText(s.settings); }},
    {"Monday.tea",
     {0, 3, 4, 5, 6, 7, 14},
     [](Store& s) {
         ReloadTeams(s);
         return LoadTeamFile(s);
     },
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

// Switches the whole C locale of the process for the life of the object.
class ProcessLocale {
  public:
    explicit ProcessLocale(const char* name) : m_old(std::setlocale(LC_ALL, nullptr)) {
        m_active = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ProcessLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;
    bool active() const { return m_active; }

  private:
    std::string m_old;
    bool m_active = false;
};

} // namespace

TEST(CommaLocale, EveryFileKindAndNumberTextKeepsItsPoint) {
    TempDir dir;
    fs::create_directories(dir / "c");
    fs::create_directories(dir / "comma");
    // The files as saved under the "C" locale the tests start in.
    Store original = filledStore(dir / "c");
    ASSERT_FALSE(SaveLeagueFile(original));
    ASSERT_FALSE(SaveCourseFile(original));
    ASSERT_TRUE(SaveSettings(original));
    ASSERT_FALSE(SaveLeagueList(original));
    ASSERT_FALSE(SaveTeamFile(original));
    ASSERT_NE(readFile(dir / "c" / "Monday.LGE").find(" 1E+07 "), std::string::npos);

    ProcessLocale comma("de_DE.UTF-8");
    ASSERT_TRUE(comma.active()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    // Each file read and saved again under the comma locale: the same bytes.
    Store store = mondayIn(dir / "c");
    for (const Kind& kind : Kinds)
        ASSERT_TRUE(kind.load(store)) << kind.fileName;
    store.workDir = store.settingsDir = dir / "comma";
    ASSERT_FALSE(SaveLeagueFile(store));
    ASSERT_FALSE(SaveCourseFile(store));
    ASSERT_TRUE(SaveSettings(store));
    ASSERT_FALSE(SaveLeagueList(store));
    ASSERT_FALSE(SaveTeamFile(store));
    EXPECT_EQ(folderSnapshot(dir / "comma"), folderSnapshot(dir / "c"));
    for (int p = 1; p <= Players; ++p)
        EXPECT_TRUE(samePlayer(original.player(p), store.player(p))) << "player " << p;

    EXPECT_EQ(fileNumber(-1.25f), "-1.25 ");
    EXPECT_EQ(generalNumber(0.96f), "0.96");
    EXPECT_EQ(formatPattern(12.3f, "0.00"), "12.30");
    EXPECT_EQ(formatPattern(65.1, "00.0"), "65.1");
    EXPECT_EQ(roundHalfAway(2.25, 1), 2.3);
    EXPECT_EQ(leadingNumber(" 72.8 "), 72.8);
    EXPECT_EQ(leadingNumber("72,8"), 72);
    EXPECT_EQ(fileFieldNumber(" .5 ").value_or(0), 0.5);
    EXPECT_EQ(fileFieldNumber(" 0,5 ").value_or(-1), 0); // the comma ends the field
}

namespace {

// Calls `use` with damaged forms of a CR LF text: each of the first 60 lines
// and each key line replaced by each hostile value, deleted, repeated, or the
// file cut before it or inside it; and the whole text with other line ends.
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
    auto join = [](auto begin, auto end) {
        std::string text;
        for (auto line = begin; line != end; ++line)
            text += *line + "\r\n";
        return text;
    };
    for (std::size_t i = 0; i < 60; ++i)
        at.push_back(i);
    for (std::size_t i : at) {
        if (i >= lines.size()) continue;
        const std::string before = join(lines.begin(), lines.begin() + i);
        const std::string rest = join(lines.begin() + i + 1, lines.end());
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
::testing::AssertionResult tablesInRange(const Store& s) {
    std::vector<std::tuple<const char*, int, int>> values = {
        {"PlayerCount", s.league.PlayerCount, MaxPlayers},
        {"CourseCount", s.courses.CourseCount, MaxCourses},
        {"LeagueCount", s.settings.LeagueCount, MaxLeagues},
        {"TeamCount", s.teams.TeamCount, MaxTeams}};
    for (int p = 1; p <= std::clamp<int>(s.league.PlayerCount, 0, MaxPlayers); ++p) {
        const PlayerRecord& pl = s.player(p);
        values.insert(values.end(),
                      {{"PlayerTee", pl.PlayerTee, 3}, {"RoundCount", pl.RoundCount, MaxRounds}});
        for (const RoundRecord& r : pl.round)
            values.emplace_back("RoundCourse", r.RoundCourse, MaxCourses);
    }
    for (int t = 1; t <= std::clamp<int>(s.teams.TeamCount, 0, MaxTeams); ++t)
        values.emplace_back("TeamEntryCount", s.teams.team[static_cast<std::size_t>(t)].TeamEntryCount,
                            MaxEntries);
    for (int16_t number : s.teams.PlayerTeam)
        values.emplace_back("PlayerTeam", number, MaxTeams);
    for (const auto& [what, value, last] : values)
        if (value < 0 || value > last)
            return ::testing::AssertionFailure() << what << " " << value << " lies outside its table";
    return ::testing::AssertionSuccess();
}

// A new file each time: rewriting a file in place makes some file systems
// flush it to disk on close, which would make this test crawl.
void replaceFile(const fs::path& file, const std::string& text) {
    fs::remove(file);
    writeFile(file, text);
}

} // namespace

TEST(Robustness, DamagedFilesOfEveryKind) {
    TempDir dir;
    const Store sample = filledStore(dir.path());
    for (const Kind& kind : Kinds) {
        SCOPED_TRACE(kind.fileName);
        const std::string valid = kind.text(sample);
        Store store = mondayIn(dir.path());
        fs::path file = dir / kind.fileName;
        replaceFile(file, valid);
        ASSERT_TRUE(kind.load(store)) << "the undamaged file must load";
        ASSERT_EQ(kind.text(store), valid);
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

TEST(Robustness, FilesFarLargerThanTheirKindAreNotRead) {
    TempDir dir;
    const Store sample = filledStore(dir.path());
    for (const Kind& kind : Kinds) {
        const std::string valid = kind.text(sample);
        // What follows the last line is never read: a little of it loads as the file alone,
        // 64 MB of it makes the file one that is refused before it is read.
        for (std::uintmax_t padding : {std::uintmax_t{4096}, std::uintmax_t{64} << 20}) {
            writeFile(dir / kind.fileName, valid);
            fs::resize_file(dir / kind.fileName, valid.size() + padding);
            Store store = mondayIn(dir.path());
            bool loaded = kind.load(store) && kind.text(store) == valid;
            EXPECT_EQ(loaded, padding == 4096) << kind.fileName << " with " << padding << " bytes more";
        }
    }
}

// Damaged data files of every kind: thousands of seeded random changes to
// valid files (cuts, huge and negative counts, garbage and binary lines,
// deleted and repeated lines) must load without a crash and leave every count
// inside its table. A file that still loads must save back to the same text.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <random>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

constexpr int Rounds = 2000; // damaged files per kind

// Random damage to a CR LF text file.
class Damage {
  public:
    explicit Damage(std::uint32_t seed) : m_rng(seed) {}

    // One to three changes. Line changes favour `keyLines` (counts and values
    // with a range), where damage matters most.
    std::string apply(std::string text, const std::vector<std::size_t>& keyLines) {
        std::size_t changes = 1 + below(3);
        for (std::size_t i = 0; i < changes; ++i)
            text = applyOne(text, keyLines);
        return text;
    }

  private:
    std::string applyOne(std::string text, const std::vector<std::size_t>& keyLines) {
        static const std::array<const char*, 18> huge = {
            " 32767 ", " 32768 ", " 65536 ", " 99999 ", " 2147483648 ", " 9223372036854775808 ",
            " 1E+30 ", " 1e400 ", " 101 ",   " 150 ",   " 151 ",        " 200 ",
            " 201 ",   " 20 ",    " 21 ",    " 15 ",    " 16 ",         " 4 "};
        static const std::array<const char*, 8> negative = {"-1 ",     "-2 ",     "-20 ",    "-100 ",
                                                            "-32768 ", "-32769 ", "-1e400 ", "-.5 "};
        static const std::array<const char*, 20> garbage = {
            "",   " ",   "abc", " 12abc ", "1,2,3",  "\"quoted", "\"",          " . ", "-",   "+",
            "1e", "nan", "inf", "-inf",    " 0x1F ", "1.2.3",    "Smith, John", ",",   " 5,", "\t7"};
        if (text.empty()) return binary();
        // Lines are changed in place in the text: splitting a league file into
        // its lines each time would make up most of this test's time.
        std::vector<std::size_t> starts = lineStarts(text);
        std::size_t at = lineAt(starts.size() - 1, keyLines);
        std::size_t begin = starts[at], length = starts[at + 1] - begin; // the line with its ending
        bool ended = length >= 2 && text.compare(begin + length - 2, 2, "\r\n") == 0;
        std::size_t textLength = ended ? length - 2 : length;
        const std::array<std::string, 4> replacement = {pick(huge), pick(negative), pick(garbage), binary()};
        switch (std::size_t kind = below(11)) {
        case 0: // cut at a byte, or at a line
        case 1:
            text.resize(kind == 0 ? below(text.size()) : begin);
            break;
        case 2: // a huge, negative, garbage or binary line
        case 3:
        case 4:
        case 5:
            text.replace(begin, textLength, replacement[kind - 2]);
            break;
        case 6:
            text.erase(begin, length);
            break;
        case 7: // a repeated line, or a new huge or garbage one
        case 8:
            text.insert(begin, kind == 7 ? text.substr(begin, length) : replacement[2 * below(2)] + "\r\n");
            break;
        case 9:
            text[below(text.size())] = static_cast<char>(below(256));
            break;
        default: { // other line ends, or none at the end
            const std::string ending(1, below(2) ? '\n' : '\r');
            for (std::size_t end = text.find("\r\n"); end != std::string::npos;
                 end = text.find("\r\n", end + 1))
                text.replace(end, 2, ending);
            if (below(2)) text.pop_back();
        }
        }
        return text;
    }

    // Where each CR LF line starts, and the end of the text as the last entry.
    static std::vector<std::size_t> lineStarts(const std::string& text) {
        std::vector<std::size_t> starts{0};
        for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", end + 2))
            if (end + 2 < text.size()) starts.push_back(end + 2);
        starts.push_back(text.size());
        return starts;
    }

    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }
    template <std::size_t N> std::string pick(const std::array<const char*, N>& pool) {
        return pool[below(N)];
    }
    std::size_t lineAt(std::size_t count, const std::vector<std::size_t>& keyLines) {
        if (below(10) < 4) {
            std::size_t key = keyLines[below(keyLines.size())];
            if (key < count) return key;
        }
        return below(count);
    }
    std::string binary() {
        std::string bytes(below(40), '\0');
        for (char& c : bytes)
            c = static_cast<char>(below(256));
        return bytes;
    }

    std::mt19937 m_rng;
};

struct Kind {
    std::string fileName;
    std::string valid;                 // a valid file
    std::vector<std::size_t> keyLines; // where damage matters most
    // Loads the file into the store; true when it read without failure.
    std::function<bool(Store&)> load;
    // The file text the loaded tables save as.
    std::function<std::string(const Store&)> saved;
};

::testing::AssertionResult outside(const char* what, int value) {
    return ::testing::AssertionFailure() << what << " " << value << " lies outside its table";
}

// Every count and table index of every table lies inside its table.
::testing::AssertionResult tablesInRange(const Store& s) {
    if (s.league.PlayerCount < 0 || s.league.PlayerCount > MaxPlayers)
        return outside("PlayerCount", s.league.PlayerCount);
    for (int p = 1; p <= s.league.PlayerCount; ++p) {
        const PlayerRecord& pl = s.player(p);
        if (pl.PlayerTee < 0 || pl.PlayerTee > 3) return outside("PlayerTee", pl.PlayerTee);
        if (pl.RoundCount < 0 || pl.RoundCount > MaxRounds) return outside("RoundCount", pl.RoundCount);
        for (const RoundRecord& r : pl.round)
            if (r.RoundCourse < 0 || r.RoundCourse > MaxCourses) return outside("RoundCourse", r.RoundCourse);
    }
    if (s.courses.CourseCount < 0 || s.courses.CourseCount > MaxCourses)
        return outside("CourseCount", s.courses.CourseCount);
    if (s.settings.LeagueCount < 0 || s.settings.LeagueCount > MaxLeagues)
        return outside("LeagueCount", s.settings.LeagueCount);
    const TeamTables& t = s.teams;
    if (t.TeamCount < 0 || t.TeamCount > MaxTeams) return outside("TeamCount", t.TeamCount);
    for (std::size_t team = 1; team <= static_cast<std::size_t>(t.TeamCount); ++team)
        if (t.team[team].TeamEntryCount < 0 || t.team[team].TeamEntryCount > MaxEntries)
            return outside("TeamEntryCount", t.team[team].TeamEntryCount);
    for (int16_t number : t.PlayerTeam)
        if (number < 0 || number > MaxTeams) return outside("PlayerTeam", number);
    return ::testing::AssertionSuccess();
}

Kind leagueKind() {
    Store sample;
    fillLeague(sample, 2, 20);
    sample.player(2).PlayerName = "Smith, John \"Jack\"";
    std::vector<std::size_t> keyLines{0}; // counts, tees and course numbers of both players
    for (std::size_t p = 0; p < 2; ++p)
        for (std::size_t offset : {1, 2, 9, 36})
            keyLines.push_back(1 + 543 * p + offset);
    return {"Fuzz.LGE", leagueFileText(sample.league), keyLines,
            [](Store& s) {
                s.league.LeagueFilePath = "Fuzz.LGE";
                return !LoadLeagueFile(s).has_value();
            },
            [](const Store& s) { return leagueFileText(s.league); }};
}

Kind courseKind() {
    CourseTable sample;
    sample.CourseCount = 3;
    for (int c = 1; c <= 3; ++c)
        fillCourse(sample, c, "Course, " + std::to_string(c));
    return {"course.dat",
            courseFileText(sample),
            {0, 1, 30, 31},
            [](Store& s) { return !LoadCourseFile(s).has_value(); },
            [](const Store& s) { return courseFileText(s.courses); }};
}

Kind settingsKind() {
    Settings sample;
    SetDefaults(sample);
    sample.RoundsToUse = 10;
    sample.CardHOffset = 1.5f;
    sample.CardWDOffset = -0.25f;
    sample.CardScaling = 1;
    return {"vexa.ini",
            settingsFileText(sample),
            {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
            [](Store& s) {
                LoadSettings(s);
                SetDefaults(s.settings);
                return true;
            },
            [](const Store& s) { return settingsFileText(s.settings); }};
}

Kind leagueListKind() {
    Settings sample;
    SetDefaults(sample);
    sample.LeagueCount = 3;
    sample.LeagueList[1] = "Monday, Seniors";
    sample.LeagueList[2] = "Friday";
    sample.LeagueList[3] = "Weekend";
    sample.FontName = "Arial";
    return {"vexa.dat",
            leagueListText(sample),
            {0, 4, 5, 6, 7, 8, 9},
            [](Store& s) {
                Failure failure = LoadLeagueList(s);
                ApplyLeagueListDefaults(s, !failure);
                return !failure.has_value();
            },
            [](const Store& s) { return leagueListText(s.settings); }};
}

Kind teamKind() {
    Store sample;
    sample.league.PlayerCount = 4;
    fillTeams(sample);
    return {"Fuzz.tea",
            teamFileText(sample.teams, 4),
            {0, 3, 4, 5, 6, 7, 14},
            [](Store& s) {
                s.league.LeagueFilePath = "Fuzz.LGE";
                ReloadTeams(s);
                return LoadTeamFile(s);
            },
            [](const Store& s) { return teamFileText(s.teams, s.league.PlayerCount); }};
}

// A new file each time: rewriting a file in place makes some file systems
// flush it to disk on close, which would make this test crawl.
void replaceFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::remove(file);
    writeFile(file, text);
}

void damageAndLoad(const Kind& kind, std::uint32_t seed) {
    TempDir dir;
    Store store = storeIn(dir.path());
    store.settingsDir = dir.path();
    std::filesystem::path file = dir / kind.fileName;

    writeFile(file, kind.valid);
    store.league.PlayerCount = 4;
    ASSERT_TRUE(kind.load(store)) << "the undamaged file must load";
    ASSERT_EQ(kind.saved(store), kind.valid);

    Damage damage(seed);
    for (int i = 0; i < Rounds; ++i) {
        // The team file is read against rosters of different sizes.
        store.league.PlayerCount = static_cast<int16_t>(i % 5 == 0 ? MaxPlayers : 4);
        std::string damaged = damage.apply(kind.valid, kind.keyLines);
        replaceFile(file, damaged);
        bool loaded = kind.load(store);
        ASSERT_TRUE(tablesInRange(store)) << "damaged file " << i << " of seed " << seed;
        if (!loaded) continue;
        // What loads cleanly saves to a file that loads to the same tables.
        std::string text = kind.saved(store);
        replaceFile(file, text);
        ASSERT_TRUE(kind.load(store)) << "damaged file " << i << " of seed " << seed;
        ASSERT_EQ(kind.saved(store), text) << "damaged file " << i << " of seed " << seed;
    }
}

} // namespace

TEST(Robustness, DamagedLeagueFiles) {
    damageAndLoad(leagueKind(), 1101);
}
TEST(Robustness, DamagedCourseFiles) {
    damageAndLoad(courseKind(), 1202);
}
TEST(Robustness, DamagedSettingsFiles) {
    damageAndLoad(settingsKind(), 1303);
}
TEST(Robustness, DamagedLeagueListFiles) {
    damageAndLoad(leagueListKind(), 1404);
}
TEST(Robustness, DamagedTeamFiles) {
    damageAndLoad(teamKind(), 1505);
}

TEST(Robustness, FilesFarLargerThanTheirKindAreNotRead) {
    for (const Kind& kind : {leagueKind(), courseKind(), settingsKind(), leagueListKind(), teamKind()}) {
        TempDir dir;
        std::filesystem::path file = dir / kind.fileName;
        // What follows the last line is never read: a little of it loads as the file alone,
        // 64 MB of it makes the file one that is refused before it is read.
        for (std::uintmax_t padding : {std::uintmax_t{4096}, std::uintmax_t{64} << 20}) {
            writeFile(file, kind.valid);
            std::filesystem::resize_file(file, kind.valid.size() + padding);
            Store store = storeIn(dir.path());
            store.settingsDir = dir.path();
            store.league.PlayerCount = 4;
            bool loaded = kind.load(store) && kind.saved(store) == kind.valid;
            EXPECT_EQ(loaded, padding == 4096) << kind.fileName << " with " << padding << " bytes more";
        }
    }
}

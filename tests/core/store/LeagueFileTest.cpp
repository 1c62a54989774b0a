// The league file: layout, number form, round trips, damaged files and the
// copy kept before a damaged file is replaced; the letter case of data file names.
#include "store/LeagueFile.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/CourseFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

Store storeIn(const TempDir& dir, const std::string& leagueFile) {
    Store store = tallyrock::test::storeIn(dir.path());
    store.league.LeagueFilePath = leagueFile;
    return store;
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += lines[i] + "\r\n";
    return out;
}

void expectLoadFailureMessage(const Failure& failure) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Tallyrock");
    EXPECT_EQ(
        failure->text,
        "Unable to load league file, please check the\r\nworking directory specified by your launcher.");
    EXPECT_EQ(failure->icon, Icon::Exclamation);
}

} // namespace

TEST(LeagueFile, EmptyAndOnePlayerLayouts) {
    TempDir dir;
    Store store = storeIn(dir, "One.LGE");
    fillLeague(store, 3, 2);
    ClearLeague(store);
    EXPECT_EQ(store.player(2).round[1].RoundDiff, 0);
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "One.LGE"), " 0 \r\n");

    store.league.PlayerCount = 1;
    store.player(1).PlayerName = "Ann";
    store.player(1).PlayerTee = 2;
    ASSERT_FALSE(SaveLeagueFile(store));
    std::string expected = crlf({" 1 ", "Ann", " 2 ", " 0 "});
    for (int i = 0; i < 20 * 27; ++i)
        expected += " 0 \r\n";
    EXPECT_EQ(readFile(dir / "One.LGE"), expected);
}

TEST(LeagueFile, ValuesAreReadIntoTheirSlotsInFileOrderAndWrittenBackTheSame) {
    // Written by hand: one player, round 1 filled, rounds 2..20 empty.
    std::vector<std::string> lines = {
        " 1 ", "Ann \"Birdie\" Lee", " 3 ", " 1 ", "-1.2 ", " 7 ", " 4 ", " 99 ", " .5 ", " 12 ", " 3 "};
    for (int h = 1; h <= 20; ++h)
        lines.push_back(" " + std::to_string(h + 2) + " ");
    lines.resize(lines.size() + 19 * 27, " 0 ");
    TempDir dir;
    const std::string text = joinLines(lines, lines.size());
    writeFile(dir / "Hand.LGE", text);

    Store store = storeIn(dir, "Hand.LGE");
    ASSERT_FALSE(LoadLeagueFile(store));
    const PlayerRecord& ann = store.player(1);
    EXPECT_EQ(ann.PlayerName, "Ann \"Birdie\" Lee");
    EXPECT_EQ(ann.PlayerTee, 3);
    EXPECT_EQ(ann.RoundCount, 1);
    const RoundRecord& r = ann.round[1];
    EXPECT_EQ(r.RoundDiff, -1.2f);
    EXPECT_EQ(r.RoundMonth * 100 + r.RoundDay, 704);
    EXPECT_EQ(fullYear(r.RoundYear), 1999);
    EXPECT_EQ(fullYear(84), 2084);
    EXPECT_EQ(r.RoundIndex, 0.5f);
    EXPECT_EQ(r.RoundCourseHcp, 12.0f);
    EXPECT_EQ(r.RoundCourse, 3);
    for (std::size_t h = 1; h <= 20; ++h)
        EXPECT_EQ(r.HoleScore[h], static_cast<int16_t>(h + 2)) << "hole " << h;

    // Singles are written shortest, without a leading zero.
    store.league.LeagueFilePath = "Copy.LGE";
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "Copy.LGE"), text);
}

TEST(LeagueFile, FullRoundTripKeepsEveryValueAndCommasInNames) {
    TempDir dir;
    Store store = storeIn(dir, "Full.LGE");
    fillLeague(store, 25, 20);
    store.player(7).PlayerName = "Smith, John \"Jack\"";
    ASSERT_FALSE(SaveLeagueFile(store));
    std::string first = readFile(dir / "Full.LGE");
    EXPECT_EQ(lineCount(first), 1 + 543 * 25);

    // Line feeds alone read the same as CR LF.
    std::string lf;
    for (const auto& line : fileLines(first))
        lf += line + "\n";
    for (const std::string& text : {first, lf}) {
        writeFile(dir / "Full.LGE", text);
        Store back = storeIn(dir, "Full.LGE");
        ASSERT_FALSE(LoadLeagueFile(back));
        ASSERT_EQ(back.league.PlayerCount, 25);
        for (int p = 1; p <= 25; ++p)
            EXPECT_TRUE(samePlayer(store.player(p), back.player(p))) << "player " << p;
        ASSERT_FALSE(SaveLeagueFile(back));
        EXPECT_EQ(readFile(dir / "Full.LGE"), first);
    }
}

TEST(LeagueFile, FileCutInsideTheTenthPlayer) {
    TempDir dir;
    Store saved = storeIn(dir, "Cut.LGE");
    fillLeague(saved, 12, 20);
    // The count, nine whole players, then the tenth's name, tee, count, two
    // whole rounds and the first five values of round 3.
    writeFile(dir / "Cut.LGE",
              joinLines(fileLines(leagueFileText(saved.league)), 1 + 9 * 543 + 3 + 2 * 27 + 5));

    // The league open before holds other values in every slot.
    Store store = storeIn(dir, "Cut.LGE");
    fillLeague(store, 15, 20);
    for (int p = 1; p <= 15; ++p) {
        store.player(p).PlayerName = "Other " + std::to_string(p);
        for (auto& r : store.player(p).round) {
            r = RoundRecord{77.5f, 9, 9, 9, 55.5f, 88, 9, {}};
            r.HoleScore.fill(9);
        }
    }
    expectLoadFailureMessage(LoadLeagueFile(store));

    EXPECT_EQ(store.league.PlayerCount, 12);
    for (int p = 1; p <= 9; ++p)
        EXPECT_TRUE(samePlayer(saved.player(p), store.player(p))) << "player " << p;
    const PlayerRecord& want = saved.player(10);
    const PlayerRecord& tenth = store.player(10);
    EXPECT_EQ(tenth.PlayerName, want.PlayerName);
    EXPECT_EQ(tenth.RoundCount, 20);
    EXPECT_EQ(tenth.round[2].HoleScore, want.round[2].HoleScore);
    EXPECT_EQ(tenth.round[3].RoundIndex, want.round[3].RoundIndex);
    // What the file never reached shows nothing of the league open before.
    EXPECT_EQ(tenth.round[3].RoundCourseHcp, 0);
    EXPECT_EQ(tenth.round[3].HoleScore[1], 0);
    EXPECT_EQ(tenth.round[20].RoundDiff, 0);
    for (int p = 11; p <= 12; ++p) {
        EXPECT_EQ(store.player(p).PlayerName, "") << "player " << p;
        EXPECT_EQ(store.player(p).round[1].RoundDiff, 0);
    }
    // Beyond the file's count the slots keep what they held.
    EXPECT_EQ(store.player(13).PlayerName, "Other 13");

    Store missing = storeIn(dir, "Gone.LGE");
    fillLeague(missing, 5, 1);
    expectLoadFailureMessage(LoadLeagueFile(missing));
    EXPECT_EQ(missing.league.PlayerCount, 0);
}

TEST(LeagueFile, CountsAndValuesOutOfRangeEndTheRead) {
    TempDir dir;
    Store full = storeIn(dir, "Big.LGE");
    fillLeague(full, 100, 1);
    auto lines = fileLines(leagueFileText(full.league));
    lines[0] = " 101 ";
    lines.push_back("Player 101"); // the 101st would start here
    writeFile(dir / "Big.LGE", joinLines(lines, lines.size()));
    Store big = storeIn(dir, "Big.LGE");
    expectLoadFailureMessage(LoadLeagueFile(big));
    EXPECT_EQ(big.league.PlayerCount, 100);
    EXPECT_TRUE(samePlayer(full.player(100), big.player(100)));

    Store one = storeIn(dir, "Bad.LGE");
    fillLeague(one, 1, 1);
    const auto good = fileLines(leagueFileText(one.league));
    struct Case {
        std::size_t line;
        std::string text;
    };
    for (const Case& c : {Case{0, " 0 "}, Case{0, "-1 "}, Case{0, "many"}, Case{2, " 4 "}, Case{2, "-1 "},
                          Case{3, " 21 "}, Case{3, "-2 "}, Case{5, "July"}, Case{10, " 201 "},
                          Case{10, "-1 "}, Case{11, " 40000 "}, Case{4, ""}}) {
        auto bad = good;
        bad[c.line] = c.text;
        writeFile(dir / "Bad.LGE", joinLines(bad, bad.size()));
        Store store = storeIn(dir, "Bad.LGE");
        // " 0 " stands for the unchanged file, which must load.
        EXPECT_EQ(LoadLeagueFile(store).has_value(), c.text != " 0 ")
            << "line " << c.line << " '" << c.text << "'";
        EXPECT_GE(store.league.PlayerCount, 0);
        EXPECT_LE(store.player(1).RoundCount, MaxRounds);
        EXPECT_LE(store.player(1).PlayerTee, 3);
    }
}

TEST(LeagueFile, FirstSaveOverADamagedFileKeepsTheOriginalBesideIt) {
    TempDir dir;
    const std::string damaged = crlf({" 2 ", "Ann", " 2 ", " 0 ", " 1.5 "});
    writeFile(dir / "Club.LGE", damaged);

    Store store = storeIn(dir, "Club.LGE");
    ASSERT_TRUE(LoadLeagueFile(store));
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "Club.LGE.damaged"), damaged);
    std::string saved = readFile(dir / "Club.LGE");
    EXPECT_EQ(lineCount(saved), 1 + 2 * 543);
    EXPECT_EQ(fileLines(saved)[1], "Ann");

    // Later saves replace the file without another copy.
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_FALSE(fs::exists(dir / "Club.LGE.damaged2"));

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
    Store missing = storeIn(dir, "Missing.LGE");
    ASSERT_TRUE(LoadLeagueFile(missing));
    ASSERT_FALSE(SaveLeagueFile(missing));
    EXPECT_EQ(folderSnapshot(dir.path()).size(), 4u);
}

TEST(DataFiles, NamesMatchWithoutRegardToCaseAndKeepTheirSpelling) {
    TempDir dir;
    Store sample = storeIn(dir, "x.LGE");
    fillLeague(sample, 2, 1);
    fillTeams(sample);
    sample.courses.CourseCount = 1;
    fillCourse(sample.courses, 1, "Pine Hills");
    SetDefaults(sample.settings);
    sample.settings.LeagueCount = 1;
    sample.settings.LeagueList[1] = "Monday";
    writeFile(dir / "monday.lge", leagueFileText(sample.league));
    writeFile(dir / "MONDAY.TEA", teamFileText(sample.teams, 2));
    writeFile(dir / "Course.DAT", courseFileText(sample.courses));
    writeFile(dir / "VEXA.DAT", leagueListText(sample.settings));

    Store store = storeIn(dir, "Monday.LGE");
    ASSERT_FALSE(LoadLeagueFile(store));
    EXPECT_TRUE(samePlayer(sample.player(2), store.player(2)));
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 1);
    ASSERT_FALSE(LoadCourseFile(store));
    ASSERT_FALSE(LoadLeagueList(store));
    EXPECT_EQ(store.settings.LeagueList[1], "Monday");

    store.player(1).PlayerName = store.teams.team[1].TeamName = "Renamed";
    store.courses.CourseField[1][field::Name] = store.settings.LeagueList[1] = "Renamed";
    ASSERT_FALSE(SaveLeagueFile(store));
    ASSERT_FALSE(SaveTeamFile(store));
    ASSERT_FALSE(SaveCourseFile(store));
    ASSERT_FALSE(SaveLeagueList(store));
    // The existing files are written, under their own spelling; no second file appears.
    auto files = folderSnapshot(dir.path());
    ASSERT_EQ(files.size(), 4u);
    for (const char* name : {"monday.lge", "MONDAY.TEA", "Course.DAT", "VEXA.DAT"})
        EXPECT_EQ(fileLines(files[name])[1], "Renamed") << name;
}

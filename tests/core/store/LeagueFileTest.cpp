// The league file: layout, number form, round trips, damaged files and the
// copy kept before a damaged file is replaced.
#include "store/LeagueFile.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

Store storeIn(const TempDir& dir, const std::string& leagueFile) {
    Store store;
    store.workDir = dir.path();
    store.league.LeagueFilePath = leagueFile;
    return store;
}

// A league that was open before: every value differs from fillLeague's.
void fillOtherLeague(Store& store, int players) {
    store.league.PlayerCount = static_cast<int16_t>(players);
    for (int p = 1; p <= players; ++p) {
        PlayerRecord& pl = store.player(p);
        pl.PlayerName = "Other " + std::to_string(p);
        pl.PlayerTee = 3;
        pl.RoundCount = MaxRounds;
        for (auto& r : pl.round) {
            r = RoundRecord{77.5f, 9, 9, 9, 55.5f, 88, 9, {}};
            r.HoleScore.fill(9);
        }
    }
}

std::string joinFirstLines(const std::vector<std::string>& lines, std::size_t count) {
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

TEST(LeagueFile, ClearedLeagueSavesOneLineAndLoadsBackEmpty) {
    TempDir dir;
    Store store = storeIn(dir, "New.LGE");
    fillLeague(store, 3, 2);
    ClearLeague(store);
    EXPECT_EQ(store.player(2).PlayerName, "");
    EXPECT_EQ(store.player(2).round[1].RoundDiff, 0);
    ASSERT_FALSE(SaveLeagueFile(store));
    EXPECT_EQ(readFile(dir / "New.LGE"), " 0 \r\n");

    Store back = storeIn(dir, "New.LGE");
    back.league.PlayerCount = 7;
    EXPECT_FALSE(LoadLeagueFile(back));
    EXPECT_EQ(back.league.PlayerCount, 0);
}

TEST(LeagueFile, OnePlayerWithoutRoundsIs544Lines) {
    TempDir dir;
    Store store = storeIn(dir, "One.LGE");
    store.league.PlayerCount = 1;
    store.player(1).PlayerName = "Ann";
    store.player(1).PlayerTee = 2;
    ASSERT_FALSE(SaveLeagueFile(store));

    std::string expected = crlf({" 1 ", "Ann", " 2 ", " 0 "});
    for (int i = 0; i < 20 * 27; ++i)
        expected += " 0 \r\n";
    std::string text = readFile(dir / "One.LGE");
    EXPECT_EQ(lineCount(text), 544);
    EXPECT_EQ(text, expected);
}

TEST(LeagueFile, ValuesAreReadIntoTheirSlotsInFileOrder) {
    // Written by hand: one player, round 1 filled, rounds 2..20 empty.
    std::vector<std::string> lines = {
        " 1 ", "Ann \"Birdie\" Lee", " 3 ", " 1 ", " 12.3 ", " 7 ", " 4 ", " 99 ", " 10.5 ", " 12 ", " 3 "};
    for (int h = 1; h <= 20; ++h)
        lines.push_back(" " + std::to_string(h + 2) + " ");
    for (int i = 0; i < 19 * 27; ++i)
        lines.push_back(" 0 ");
    TempDir dir;
    writeFile(dir / "Hand.LGE", joinFirstLines(lines, lines.size()));

    Store store = storeIn(dir, "Hand.LGE");
    ASSERT_FALSE(LoadLeagueFile(store));
    const PlayerRecord& ann = store.player(1);
    EXPECT_EQ(ann.PlayerName, "Ann \"Birdie\" Lee");
    EXPECT_EQ(ann.PlayerTee, 3);
    EXPECT_EQ(ann.RoundCount, 1);
    const RoundRecord& r = ann.round[1];
    EXPECT_EQ(r.RoundDiff, 12.3f);
    EXPECT_EQ(r.RoundMonth, 7);
    EXPECT_EQ(r.RoundDay, 4);
    EXPECT_EQ(r.RoundYear, 99);
    EXPECT_EQ(r.RoundIndex, 10.5f);
    EXPECT_EQ(r.RoundCourseHcp, 12.0f);
    EXPECT_EQ(r.RoundCourse, 3);
    for (std::size_t h = 1; h <= 20; ++h)
        EXPECT_EQ(r.HoleScore[h], static_cast<int16_t>(h + 2)) << "hole " << h;
    EXPECT_EQ(fullYear(r.RoundYear), 1999);
    EXPECT_EQ(fullYear(84), 2084);
}

TEST(LeagueFile, SinglesAreWrittenShortestWithoutLeadingZero) {
    TempDir dir;
    Store store = storeIn(dir, "Num.LGE");
    store.league.PlayerCount = 1;
    PlayerRecord& p = store.player(1);
    p.PlayerName = "Bob";
    p.PlayerTee = 1;
    p.RoundCount = 2;
    p.round[1].RoundDiff = 0.5f;
    p.round[1].RoundIndex = 14.4f;
    p.round[2].RoundDiff = -1.2f;
    p.round[2].RoundCourseHcp = 18;
    ASSERT_FALSE(SaveLeagueFile(store));

    auto lines = fileLines(readFile(dir / "Num.LGE"));
    ASSERT_EQ(lines.size(), 544u);
    EXPECT_EQ(lines[4], " .5 ");   // round 1 diff
    EXPECT_EQ(lines[8], " 14.4 "); // round 1 index
    EXPECT_EQ(lines[31], "-1.2 "); // round 2 diff
    EXPECT_EQ(lines[36], " 18 ");  // round 2 course handicap

    Store back = storeIn(dir, "Num.LGE");
    ASSERT_FALSE(LoadLeagueFile(back));
    EXPECT_EQ(back.player(1).round[1].RoundDiff, 0.5f);
    EXPECT_EQ(back.player(1).round[2].RoundDiff, -1.2f);
    EXPECT_EQ(back.player(1).round[1].RoundIndex, 14.4f);
}

TEST(LeagueFile, FullRoundTripKeepsEveryValueAndCommasInNames) {
    TempDir dir;
    Store store = storeIn(dir, "Full.LGE");
    fillLeague(store, 25, 20);
    store.player(7).PlayerName = "Smith, John \"Jack\"";
    ASSERT_FALSE(SaveLeagueFile(store));
    std::string first = readFile(dir / "Full.LGE");
    EXPECT_EQ(lineCount(first), 1 + 543 * 25);

    Store back = storeIn(dir, "Full.LGE");
    ASSERT_FALSE(LoadLeagueFile(back));
    ASSERT_EQ(back.league.PlayerCount, 25);
    for (int p = 1; p <= 25; ++p)
        EXPECT_TRUE(samePlayer(store.player(p), back.player(p))) << "player " << p;
    EXPECT_EQ(back.player(7).PlayerName, "Smith, John \"Jack\"");

    ASSERT_FALSE(SaveLeagueFile(back));
    EXPECT_EQ(readFile(dir / "Full.LGE"), first);
}

TEST(LeagueFile, LinesEndingInLineFeedAloneReadTheSame) {
    TempDir dir;
    Store store = storeIn(dir, "Lf.LGE");
    fillLeague(store, 2, 3);
    std::string text = leagueFileText(store.league);
    std::string lf;
    for (const auto& line : fileLines(text))
        lf += line + "\n";
    writeFile(dir / "Lf.LGE", lf);

    Store back = storeIn(dir, "Lf.LGE");
    ASSERT_FALSE(LoadLeagueFile(back));
    EXPECT_TRUE(samePlayer(store.player(2), back.player(2)));
}

TEST(LeagueFile, FileCutInsideTheTenthPlayer) {
    TempDir dir;
    Store saved = storeIn(dir, "Cut.LGE");
    fillLeague(saved, 12, 20);
    auto lines = fileLines(leagueFileText(saved.league));
    // The count, nine whole players, then the tenth's name, tee, count, two
    // whole rounds and the first five values of round 3.
    writeFile(dir / "Cut.LGE", joinFirstLines(lines, 1 + 9 * 543 + 3 + 2 * 27 + 5));

    Store store = storeIn(dir, "Cut.LGE");
    fillOtherLeague(store, 15);
    expectLoadFailureMessage(LoadLeagueFile(store));

    EXPECT_EQ(store.league.PlayerCount, 12);
    for (int p = 1; p <= 9; ++p)
        EXPECT_TRUE(samePlayer(saved.player(p), store.player(p))) << "player " << p;

    const PlayerRecord& want = saved.player(10);
    const PlayerRecord& tenth = store.player(10);
    EXPECT_EQ(tenth.PlayerName, want.PlayerName);
    EXPECT_EQ(tenth.PlayerTee, want.PlayerTee);
    EXPECT_EQ(tenth.RoundCount, 20);
    EXPECT_EQ(tenth.round[1].HoleScore, want.round[1].HoleScore);
    EXPECT_EQ(tenth.round[2].RoundCourse, want.round[2].RoundCourse);
    EXPECT_EQ(tenth.round[2].HoleScore, want.round[2].HoleScore);
    const RoundRecord& third = tenth.round[3];
    EXPECT_EQ(third.RoundDiff, want.round[3].RoundDiff);
    EXPECT_EQ(third.RoundIndex, want.round[3].RoundIndex);
    // What the file never reached shows nothing of the league open before.
    EXPECT_EQ(third.RoundCourseHcp, 0);
    EXPECT_EQ(third.HoleScore[1], 0);
    EXPECT_EQ(tenth.round[20].RoundDiff, 0);
    for (int p = 11; p <= 12; ++p) {
        EXPECT_EQ(store.player(p).PlayerName, "") << "player " << p;
        EXPECT_EQ(store.player(p).RoundCount, 0);
        EXPECT_EQ(store.player(p).round[1].RoundDiff, 0);
    }
    // Beyond the file's count the slots keep what they held.
    EXPECT_EQ(store.player(13).PlayerName, "Other 13");
}

TEST(LeagueFile, MissingFileShowsTheMessageAndNoPlayers) {
    TempDir dir;
    Store store = storeIn(dir, "Gone.LGE");
    fillOtherLeague(store, 5);
    expectLoadFailureMessage(LoadLeagueFile(store));
    EXPECT_EQ(store.league.PlayerCount, 0);
}

TEST(LeagueFile, CountAboveAHundredReadsAHundredPlayersThenFails) {
    TempDir dir;
    Store full = storeIn(dir, "Big.LGE");
    fillLeague(full, 100, 1);
    auto lines = fileLines(leagueFileText(full.league));
    lines[0] = " 101 ";
    lines.push_back("Player 101"); // the 101st would start here
    writeFile(dir / "Big.LGE", joinFirstLines(lines, lines.size()));

    Store store = storeIn(dir, "Big.LGE");
    expectLoadFailureMessage(LoadLeagueFile(store));
    EXPECT_EQ(store.league.PlayerCount, 100);
    EXPECT_TRUE(samePlayer(full.player(100), store.player(100)));
}

TEST(LeagueFile, ValuesOutOfRangeOrNotNumbersEndTheRead) {
    TempDir dir;
    Store one = storeIn(dir, "Bad.LGE");
    fillLeague(one, 1, 1);
    const auto good = fileLines(leagueFileText(one.league));
    writeFile(dir / "Bad.LGE", joinFirstLines(good, good.size()));
    Store check = storeIn(dir, "Bad.LGE");
    ASSERT_FALSE(LoadLeagueFile(check)) << "the unchanged file must load";

    struct Case {
        std::size_t line;
        std::string text;
    };
    for (const Case& c :
         {Case{0, "-1 "}, Case{0, "many"}, Case{2, " 4 "}, Case{2, "-1 "}, Case{3, " 21 "}, Case{3, "-2 "},
          Case{5, "July"}, Case{10, " 201 "}, Case{10, "-1 "}, Case{11, " 40000 "}, Case{4, ""}}) {
        auto lines = good;
        lines[c.line] = c.text;
        writeFile(dir / "Bad.LGE", joinFirstLines(lines, lines.size()));
        Store store = storeIn(dir, "Bad.LGE");
        EXPECT_TRUE(LoadLeagueFile(store).has_value()) << "line " << c.line << " '" << c.text << "'";
        EXPECT_GE(store.league.PlayerCount, 0);
        EXPECT_LE(store.player(1).RoundCount, MaxRounds);
        EXPECT_LE(store.player(1).PlayerTee, 3);
    }
}

TEST(LeagueFile, FileNameMatchesWithoutRegardToCase) {
    TempDir dir;
    Store saved = storeIn(dir, "monday.lge");
    fillLeague(saved, 2, 1);
    ASSERT_FALSE(SaveLeagueFile(saved));

    Store store = storeIn(dir, "Monday.LGE");
    ASSERT_FALSE(LoadLeagueFile(store));
    EXPECT_TRUE(samePlayer(saved.player(2), store.player(2)));
    store.player(1).PlayerName = "Renamed";
    ASSERT_FALSE(SaveLeagueFile(store));
    // The existing file is written, under its own spelling; no second file appears.
    EXPECT_EQ(folderSnapshot(dir.path()).size(), 1u);
    EXPECT_EQ(fileLines(readFile(dir / "monday.lge"))[1], "Renamed");
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
}

TEST(LeagueFile, NoCopyAfterAGoodLoadOrForAMissingFile) {
    TempDir dir;
    Store store = storeIn(dir, "Good.LGE");
    fillLeague(store, 1, 1);
    ASSERT_FALSE(SaveLeagueFile(store));
    ASSERT_FALSE(LoadLeagueFile(store));
    ASSERT_FALSE(SaveLeagueFile(store));

    Store missing = storeIn(dir, "Missing.LGE");
    ASSERT_TRUE(LoadLeagueFile(missing));
    ASSERT_FALSE(SaveLeagueFile(missing));
    EXPECT_EQ(readFile(dir / "Missing.LGE"), " 0 \r\n");

    auto files = folderSnapshot(dir.path());
    EXPECT_EQ(files.size(), 2u);
    EXPECT_TRUE(files.count("Good.LGE") && files.count("Missing.LGE"));
}

// The CSV exports (quoting, the round trip through the import, where they may be
// written) and the results of a date, as CSV, text and printed pages.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/RoundImport.h"
#include "services/TextPrinter.h"
#include "store/CsvWriter.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/UndoLog.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

TEST(CsvWriter, QuotesOnlyWhatNeedsIt) {
    const std::pair<std::string, std::string> cases[] = {{"Mary O'Hara", "Mary O'Hara"},
                                                         {"Smith, Bob", "\"Smith, Bob\""},
                                                         {"Bob \"Ace\" Jones", "\"Bob \"\"Ace\"\" Jones\""},
                                                         {"two\r\nlines", "\"two\r\nlines\""},
                                                         {"", ""},
                                                         {"Núñez", "Núñez"}};
    for (const auto& [field, written] : cases)
        EXPECT_EQ(csvField(field), written);
    EXPECT_EQ(csvRecord({"12.5", "-0.4"}), "12.5,-0.4\r\n");
}

// Three players with awkward names, stroke control on, in a league whose
// rounds come in by the week from a hand-typed spreadsheet.
Store seasonLeague() {
    Store store = sampleStore();
    store.settings.StrokeOption = 2;
    addSamplePlayer(store, "Smith, Bob", 2);
    addSamplePlayer(store, "Mary O'Hara", 1);
    addSamplePlayer(store, "Bob \"Ace\" Jones", 3);
    return store;
}

// Twelve weeks of the three players: hole by hole with a blow-up hole now and
// then, totals only in week 5, the front nine only in week 7, Mary from the
// blue tee in odd weeks.
std::string typedSeason() {
    std::string csv =
        "date,player,course,tee,out,in,h1,h2,h3,h4,h5,h6,h7,h8,h9,h10,h11,h12,h13,h14,h15,h16,h17,h18\r\n";
    const char* names[] = {"\"Smith, Bob\"", "Mary O'Hara", "\"Bob \"\"Ace\"\" Jones\""};
    for (int week = 1; week <= 12; ++week) {
        for (int p = 0; p < 3; ++p) {
            std::string tee = p == 1 && week % 2 == 1 ? "3" : "";
            csv += "05/" + plainNumber(week + 1) + "/24," + names[p] + ",Pine Hills," + tee;
            if (week == 5) {
                csv += "," + plainNumber(42 + p) + "," + plainNumber(42 + p) + std::string(18, ',');
            } else {
                csv += ",,";
                for (int h = 1; h <= 18; ++h) {
                    int score = samplePars[static_cast<std::size_t>(h - 1)] + (p * 5 + week + h) % 3;
                    if ((week + p + h) % 17 == 0) score += 5;
                    csv += "," + (week == 7 && h > 9 ? std::string() : plainNumber(score));
                }
            }
            csv += "\r\n";
        }
    }
    return csv;
}

TEST(RoundsExport, ImportedIntoTheSameLeagueGivesTheSameLeagueFile) {
    Store original = seasonLeague();
    ImportResult typed = importRounds(original, typedSeason());
    ASSERT_TRUE(typed.errors.empty()) << typed.errors.front();
    ASSERT_EQ(typed.recorded, 36);

    const std::string exported = csvText(roundsCsvRows(original));
    Store copy = seasonLeague();
    ImportResult again = importRounds(copy, exported);
    ASSERT_TRUE(again.errors.empty()) << again.errors.front();
    EXPECT_EQ(leagueFileText(copy.league), leagueFileText(original.league));

    // Player by player, oldest first; names quoted as RFC 4180 says.
    std::vector<std::string> lines = fileLines(exported);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[0],
              "date,player,course,tee,out,in,h1,h2,h3,h4,h5,h6,h7,h8,h9,h10,h11,h12,h13,h14,h15,h16,"
              "h17,h18,differential,index,course_handicap");
    EXPECT_EQ(lines[1].substr(0, 36), "2024-05-02,\"Smith, Bob\",Pine Hills,2");
    EXPECT_EQ(lines[13].substr(0, 35), "2024-05-02,Mary O'Hara,Pine Hills,3");
    EXPECT_EQ(lines[14].substr(0, 35), "2024-05-03,Mary O'Hara,Pine Hills,1");
    EXPECT_EQ(lines[36].substr(0, 43), "2024-05-13,\"Bob \"\"Ace\"\" Jones\",Pine Hills,3");
}

TEST(ExportTarget, StaysInTheDataFolderOffTheDataFilesAndReplacesWholeOrNotAtAll) {
    TempDir dir, elsewhere;
    const fs::path folder = fs::canonical(dir.path());
    fs::create_directory(folder / "sub");
    fs::create_directory(folder / "old.csv");
    writeFile(elsewhere / "week.csv", "");
    writeFile(folder / "Monday.LGE", "");
    fs::create_symlink(elsewhere / "week.csv", folder / "out.csv");
    fs::create_symlink(folder / "Monday.LGE", folder / "league.csv");
    const std::pair<std::string, std::string> written[] = {{"week.csv", "week.csv"},
                                                           {"week", "week.csv"},
                                                           {"Week.CSV", "Week.CSV"},
                                                           {"sub/week.csv", "sub/week.csv"},
                                                           {(folder / "full.csv").string(), "full.csv"}};
    for (const auto& [name, file] : written)
        EXPECT_EQ(exportTarget(dir.path(), name).file, folder / file) << name;
    const std::string dataFile = " is one of Tallyrock's data files. An export never replaces a data file.";
    const std::string outside = " is outside the data folder. An export is written inside it.";
    std::vector<std::pair<std::string, std::string>> refused = {
        {"old.csv", "\"old.csv\" names a folder, not a file."}, {"  ", "The export needs a file name."}};
    for (const char* name : {"monday.lge", "Monday.tea", "Course.DAT", "vexa.dat", "vexa.ini",
                             ".tallyrock.journal", ".tallyrock.lock", "Monday.LGE.replaced", "league.csv"})
        refused.emplace_back(name, "\"" + std::string(name) + "\"" + dataFile);
    for (const char* name : {"../week.csv", "/tmp/week.csv", "out.csv"})
        refused.emplace_back(name, "\"" + std::string(name) + "\"" + outside);
    for (const auto& [name, refusal] : refused)
        EXPECT_EQ(exportTarget(dir.path(), name).refusal.value_or(Message{}).text, refusal) << name;

    // An existing file is replaced whole or not at all.
    Store store = storeIn(dir.path());
    const fs::path file = dir / "week.csv";
    writeFile(file, "old\r\n");
    ASSERT_FALSE(writeCsvExport(store, file, {{"player"}, {"Smith, Bob"}}));
    EXPECT_EQ(readFile(file), "player\r\n\"Smith, Bob\"\r\n");
    EXPECT_TRUE(undoList(store).empty()) << "an export is no change to undo";

    store.writer = std::make_shared<FailingWriter>();
    Failure failure = writeCsvExport(store, file, {{"player"}});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "Unable to write the export to " + file.string() + ": No space left on device");
    EXPECT_EQ(readFile(file), "player\r\n\"Smith, Bob\"\r\n");
}

const Date Today{7, 4, 2006};

// A league night of 07/03/06 on a course of slope 113 (the course handicap is
// the index rounded): five nine-hole rounds and one of eighteen.
struct NightResultsTest : ::testing::Test {
    NightResultsTest() {
        setCourse(store, 1, "Pine Hills", "PH");
        store.league.LeagueFilePath = "Monday.LGE";
        store.settings.FontName = "Courier New";
        // name, index before (none: first round), out, in, index after
        const std::tuple<const char*, float, int, int, float> nights[] = {
            {"Smith, Ann", 12.3f, 45, 0, 12.1f}, {"Bob", 15.0f, 0, 46, 15.4f}, {"Cyd", 12.9f, 43, 0, 12.9f},
            {"Dee", 8.0f, 41, 0, 7.6f},          {"Eve", -1, 40, 0, 20.1f},    {"Fay", 10.2f, 38, 42, 10.0f}};
        for (const auto& [name, before, out, in, after] : nights) {
            int p = addSamplePlayer(store, name);
            if (before >= 0) addRound(store, p, {6, 26, 6, 1, 40, 41, before, 0, {}});
            addRound(store, p, {7, 3, 6, 1, out, in, after, 0, {}});
            addRound(store, p, {7, 10, 6, 1, 44, 0, after, 0, {}});
        }
    }
    Store store;
};

TEST_F(NightResultsTest, BestNetFirstWithNineHolesAgainstHalfTheHandicapAndTeamStandings) {
    EXPECT_TRUE(nightResults(store, 7, 3, 6).teams.empty());
    store.teams.TeamsInUse = 1;
    store.teams.TeamCount = 3;
    const std::pair<const char*, float> teams[] = {{"Eagles", 12.5f}, {"Hawks", 20.0f}, {"Owls", 12.5f}};
    for (int t = 1; t <= 3; ++t) {
        TeamRecord& team = store.teams.team[static_cast<std::size_t>(t)];
        team.TeamName = teams[t - 1].first;
        team.TeamEntryCount = 1;
        team.entry[1].TeamEntryPoints = teams[t - 1].second;
    }
    NightSheet sheet = nightResults(store, 7, 3, 6);
    // Course handicaps 13 and 15 halve to 6.5 and 7.5, which go to the even 6 and 8.
    // Cyd and Dee tie for the low net (both marked); Eve, with no index before, has
    // no net, comes last and holds the low gross.
    const CsvRows expected{
        {"player", "course", "tee", "gross", "course_handicap", "net", "index_before", "index_after"},
        {"Dee", "Pine Hills", "2", "41", "8", "37", "8.0", "7.6"},
        {"Cyd", "Pine Hills", "2", "43", "13", "37", "12.9", "12.9"},
        {"Bob", "Pine Hills", "2", "46", "15", "38", "15.0", "15.4"},
        {"Smith, Ann", "Pine Hills", "2", "45", "12", "39", "12.3", "12.1"},
        {"Fay", "Pine Hills", "2", "80", "10", "70", "10.2", "10.0"},
        {"Eve", "Pine Hills", "2", "40", "", "", "", "20.1"},
    };
    EXPECT_EQ(nightCsvRows(sheet), expected);
    // Teams level on points are level in rank.
    const std::vector<std::string> lines{
        "      Monday                                                                 Tallyrock   07-04-2006",
        " ",
        "      Results of 07/03/06",
        " ",
        "      Player              Course            Tee    Holes Gross   C Hcp   Net   Before  After Change",
        "      " + std::string(93, '_'),
        "      Dee                 Pine Hills        Mens       9    41       8    37 *    8.0    7.6   -0.4",
        "      Cyd                 Pine Hills        Mens       9    43      13    37 *   12.9   12.9    0.0",
        "      Bob                 Pine Hills        Mens       9    46      15    38     15.0   15.4   +0.4",
        "      Smith, Ann          Pine Hills        Mens       9    45      12    39     12.3   12.1   -0.2",
        "      Fay                 Pine Hills        Mens      18    80      10    70     10.2   10.0   -0.2",
        "      Eve                 Pine Hills        Mens       9    40 *                        20.1",
        " ",
        "      * the low gross and the low net (each of them when tied).",
        "      Before, After: the handicap index before the round and after it.",
        "      A nine-hole round's net is worked against half the course handicap.",
        " ",
        "      Team standings (points to date)",
        " ",
        "        1  Hawks                                       20.0",
        "        2  Eagles                                      12.5",
        "        2  Owls                                        12.5",
    };
    ASSERT_EQ(nightSheetLines(store, sheet, Today), lines);

    store.teams.team[3].entry[1].TeamEntryPoints = 20.0f; // Owls level with Hawks at the top
    NightSheet top = nightResults(store, 7, 3, 6);
    EXPECT_EQ((std::array{top.teams[0].rank, top.teams[1].rank, top.teams[2].rank}), (std::array{1, 1, 3}));
}

TEST_F(NightResultsTest, DatesTypedDatesWithoutRoundsAndLongNights) {
    EXPECT_EQ(nightResultsOf(store, "2006-07-03").sheet.rounds.size(), 6u);
    EXPECT_EQ(nightResultsOf(store, "7/3/2006").sheet.rounds.size(), 6u);
    EXPECT_EQ(nightResultsOf(store, "07/04/06").refusal->text,
              "No round of this league was played on 07/04/06.");
    EXPECT_EQ(nightResultsOf(store, "07/32/06").refusal->text,
              "\"07/32/06\" is not a date MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084.");
    EXPECT_EQ(latestRoundDateText(store), "07/10/06");

    // A long night repeats the heading on each page.
    for (int p = 1; p <= 70; ++p)
        addRound(store, addSamplePlayer(store, "Player " + std::to_string(p)),
                 {7, 3, 6, 1, 40, 0, 9.0f, 0, {}});
    NightSheet sheet = nightResults(store, 7, 3, 6);
    const std::vector<std::string> lines = nightSheetLines(store, sheet, Today);
    TextPrinter printer;
    printNightResults(printer, store, sheet, Today);
    std::vector<std::string> pages = splitText(printer.text(), '\f');
    ASSERT_EQ(pages.size(), 2u);
    std::string first = " \n", second = " \n" + lines[4] + "\n" + lines[5] + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i < 59 ? first : second) += lines[i] + "\n";
    EXPECT_EQ(pages[0], first);
    EXPECT_EQ(pages[1], second);
}

} // namespace
} // namespace tallyrock::test

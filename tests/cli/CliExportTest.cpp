// The results of a date and the CSV exports through the command-line tool: the
// same sheet and rows as the core gives for the league on disk, and the refusals.
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "roster/PlayerOps.h"
#include "services/TextPrinter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"
#include "views/Worksheet.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

class CliExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(makeFridayAtPineCreek(dir.path()));
        Store store = storeIn(dir.path(), "Friday.LGE");
        int ann = addSamplePlayer(store, "Smith, Ann");
        int bob = addSamplePlayer(store, "Bob \"Ace\" Baker", 1);
        addRounds(store, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 14}, {7, 3, 6, 1, 45, 43, 11.8f, 13}});
        addRounds(store, bob, {{6, 1, 6, 1, 40, 0, 5.0f, 5}, {7, 3, 6, 1, 40, 41, 5.2f, 5}});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--today", "07-04-2024"});
        return runCli(dir.path(), args);
    }
    // The league as the tool reads it.
    Store onDisk() {
        Store store = storeIn(dir.path(), "Friday.LGE");
        EXPECT_FALSE(LoadLeagueFile(store));
        EXPECT_FALSE(LoadCourseFile(store));
        return store;
    }
    TempDir dir;
};

TEST_F(CliExportTest, PrintNightGivesTheCoreSheet) {
    CliResult r = run({"print", "Friday", "night", "07/03/06", "--text", "night.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    Store store = onDisk();
    TextPrinter expected;
    printNightResults(expected, store, nightResults(store, 7, 3, 6), Date{7, 4, 2024});
    EXPECT_EQ(readFile(dir / "night.txt"), expected.text());
    EXPECT_NE(expected.text().find("Smith, Ann          Pine Creek Club   Mens"), std::string::npos);

    CliResult none = run({"print", "Friday", "night", "07/04/06", "--text", "none.txt"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No round of this league was played on 07/04/06.\n");
    EXPECT_EQ(run({"print", "Friday", "night", "--text", "none.txt"}).status, 1);
}

TEST_F(CliExportTest, EachKindWritesTheCoreRows) {
    Store store = onDisk();
    const std::pair<std::vector<std::string>, CsvRows> cases[] = {
        {{"rounds", "rounds.csv"}, roundsCsvRows(store)},
        {{"players", "players"}, playersCsvRows(store)},
        {{"indexes", "indexes.csv"}, indexesCsvRows(store)},
        {{"night", "2006-07-03", "night.csv"}, nightCsvRows(nightResults(store, 7, 3, 6))},
        {{"worksheet", "Smith, Ann", "ann.csv"},
         worksheetCsvRows(buildWorksheet(store, findPlayer(store.league, "Smith, Ann"), Date{7, 4, 2024}))},
    };
    for (const auto& [words, rows] : cases) {
        std::vector<std::string> args{"export", "Friday"};
        args.insert(args.end(), words.begin(), words.end());
        CliResult r = run(args);
        ASSERT_EQ(r.status, 0) << words[0] << ": " << r.err;
        std::string file = words.back().find('.') == std::string::npos ? words.back() + ".csv" : words.back();
        EXPECT_EQ(readFile(dir / file), csvText(rows)) << words[0];
    }
    EXPECT_NE(readFile(dir / "players.csv").find("\"Bob \"\"Ace\"\" Baker\",1,2,2006-07-03,5.2,5\r\n"),
              std::string::npos);
}

TEST_F(CliExportTest, RefusalsChangeNothing) {
    const std::string league = readFile(dir / "Friday.LGE");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"rounds", "Friday.LGE"},
         "\"Friday.LGE\" is one of Tallyrock's data files. An export never replaces a data file.\n"},
        {{"rounds", "../out.csv"},
         "\"../out.csv\" is outside the data folder. An export is written inside it.\n"},
        {{"scores", "out.csv"}, "There is no export 'scores'.\n"},
        {{"worksheet", "Nobody", "out.csv"}, "There is no player 'Nobody' in this league.\n"},
        {{"night", "out.csv"}, "Usage: export LEAGUE night DATE FILE.csv\n"},
        {{"night", "07/04/06", "out.csv"}, "No round of this league was played on 07/04/06.\n"},
    };
    for (const auto& [words, message] : cases) {
        std::vector<std::string> args{"export", "Friday"};
        args.insert(args.end(), words.begin(), words.end());
        CliResult r = run(args);
        EXPECT_EQ(r.status, 1) << words[0];
        EXPECT_EQ(r.err, message);
    }
    EXPECT_EQ(readFile(dir / "Friday.LGE"), league);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "out.csv"));
}

} // namespace
} // namespace tallyrock::test

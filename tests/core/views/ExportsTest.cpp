// The CSV exports: quoting, the rounds export read back by the import into the
// same league file, and where an export may be written.
#include "views/CsvExport.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/RoundImport.h"
#include "store/CsvReader.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/UndoLog.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"Mary O'Hara", "Mary O'Hara"},
        {"Smith, Bob", "\"Smith, Bob\""},
        {"Bob \"Ace\" Jones", "\"Bob \"\"Ace\"\" Jones\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"", ""},
        {"Núñez", "Núñez"},
    };
    std::vector<std::string> fields;
    for (const auto& [field, written] : cases) {
        EXPECT_EQ(csvField(field), written);
        fields.push_back(field);
    }
    CsvParse parsed = parseCsv(csvText({fields, {"12.5", "-0.4"}}));
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[0].fields, fields);
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
    std::string csv = "date,player,course,tee,out,in";
    for (int h = 1; h <= 18; ++h)
        csv += ",h" + plainNumber(h);
    csv += "\r\n";
    const char* names[] = {"\"Smith, Bob\"", "Mary O'Hara", "\"Bob \"\"Ace\"\" Jones\""};
    for (int week = 1; week <= 12; ++week) {
        for (int p = 0; p < 3; ++p) {
            std::string tee = p == 1 && week % 2 == 1 ? "3" : "";
            csv += "05/" + plainNumber(week + 1) + "/24," + names[p] + ",Pine Hills," + tee;
            if (week == 5) {
                csv +=
                    "," + plainNumber(40 + p + week % 3) + "," + plainNumber(42 + p) + std::string(18, ',');
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

TEST(ExportTarget, StaysInTheDataFolderAndOffTheDataFiles) {
    TempDir dir, elsewhere;
    const fs::path folder = fs::canonical(dir.path());
    fs::create_directory(folder / "sub");
    fs::create_directory(folder / "old.csv");
    writeFile(elsewhere / "week.csv", "");
    writeFile(folder / "Monday.LGE", "");
    fs::create_symlink(elsewhere / "week.csv", folder / "out.csv");
    fs::create_symlink(folder / "Monday.LGE", folder / "league.csv");
    struct Case {
        std::string name;
        std::string file; // empty: refused
        std::string refusal;
    };
    const std::string dataFile = " is one of Tallyrock's data files. An export never replaces a data file.";
    const std::string outside = " is outside the data folder. An export is written inside it.";
    const Case cases[] = {
        {"week.csv", "week.csv", ""},
        {"week", "week.csv", ""},
        {"Week.CSV", "Week.CSV", ""},
        {"sub/week.csv", "sub/week.csv", ""},
        {(folder / "full.csv").string(), "full.csv", ""},
        {"monday.lge", "", "\"monday.lge\"" + dataFile},
        {"Monday.tea", "", "\"Monday.tea\"" + dataFile},
        {"Course.DAT", "", "\"Course.DAT\"" + dataFile},
        {"vexa.dat", "", "\"vexa.dat\"" + dataFile},
        {"vexa.ini", "", "\"vexa.ini\"" + dataFile},
        {".tallyrock.journal", "", "\".tallyrock.journal\"" + dataFile},
        {".tallyrock.lock", "", "\".tallyrock.lock\"" + dataFile},
        {"Monday.LGE.replaced", "", "\"Monday.LGE.replaced\"" + dataFile},
        {"league.csv", "", "\"league.csv\"" + dataFile},
        {"../week.csv", "", "\"../week.csv\"" + outside},
        {"/tmp/week.csv", "", "\"/tmp/week.csv\"" + outside},
        {"out.csv", "", "\"out.csv\"" + outside},
        {"old.csv", "", "\"old.csv\" names a folder, not a file."},
        {"  ", "", "The export needs a file name."},
    };
    for (const Case& c : cases) {
        ExportTarget target = exportTarget(dir.path(), c.name);
        if (c.file.empty()) {
            ASSERT_TRUE(target.refusal.has_value()) << c.name;
            EXPECT_EQ(target.refusal->text, c.refusal) << c.name;
        } else {
            ASSERT_TRUE(target.file.has_value()) << c.name << ": " << target.refusal->text;
            EXPECT_EQ(*target.file, folder / c.file) << c.name;
        }
    }
}

TEST(ExportWrite, ReplacesAnExistingFileWholeOrNotAtAll) {
    TempDir dir;
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

} // namespace
} // namespace tallyrock::test

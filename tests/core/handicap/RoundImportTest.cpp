// Rounds given as text: the checks of each round and the all-or-nothing
// import.
#include "handicap/RoundImport.h"
#include "core/Samples.h"
#include "handicap/CourseHandicapCalculator.h"
#include "store/LeagueFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Fields = std::vector<std::string>;

TEST(RoundDate, TwoOrFourDigitYearsFrom1985To2084) {
    int16_t m = 0, d = 0, y = 0;
    ASSERT_TRUE(parseRoundDate("6/5/1999", m, d, y));
    EXPECT_EQ(m * 10000 + d * 100 + y, 60599);
    ASSERT_TRUE(parseRoundDate("1999-06-05", m, d, y));
    EXPECT_EQ(m * 10000 + d * 100 + y, 60599);
    for (const char* good : {"12/31/1985", "01/01/2084", "02/29/2024", "01/01/85", "12/31/84", "2/9/00",
                             "2084-01-01", "2024-02-29"})
        EXPECT_TRUE(parseRoundDate(good, m, d, y)) << good;
    for (const char* bad : {"01/01/1984", "01/01/2085", "02/29/2023", "04/31/24", "13/01/24", "06/00/24",
                            "6-5-24", "06/05/124", "06/05/2024/1", "06/05", "", "006/05/24", "24-06-05",
                            "1984-12-31", "2023-02-29", "2024-06-05-1", "2024/06-05"})
        EXPECT_FALSE(parseRoundDate(bad, m, d, y)) << bad;
}

class RoundChecks : public ::testing::Test {
  protected:
    RoundChecks() : store(sampleStore()) {
        addSamplePlayer(store, "Lee, Ann", 2);
        addSamplePlayer(store, "Bo", 1);
        fields.date = "06/05/2024";
        fields.player = "Lee, Ann";
        fields.course = "PINE HILLS";
        fields.out = "45";
        fields.in = "44";
    }
    std::string reason() {
        RoundInput input;
        return checkNewRound(store, fields, input);
    }
    void setHoles(const std::array<int, 18>& holes) {
        for (std::size_t h = 1; h <= 18; ++h)
            fields.holes[h] = std::to_string(holes[h - 1]);
    }
    Store store;
    RoundFields fields;
};

TEST_F(RoundChecks, GoodRoundsOfTotalsOrOfHoles) {
    RoundInput input;
    ASSERT_EQ(checkNewRound(store, fields, input), "");
    EXPECT_EQ(input.player, 1);
    EXPECT_EQ(input.tee, 2); // the player's default
    EXPECT_EQ(input.year, 24);
    EXPECT_FALSE(input.fromHoles);
    EXPECT_EQ(input.scores, totalScores(45, 44));

    setHoles({5, 5, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    fields.out = "49"; // a total beside the holes must add up
    fields.in = "";
    fields.tee = " 3 ";
    ASSERT_EQ(checkNewRound(store, fields, input), "");
    EXPECT_TRUE(input.fromHoles);
    EXPECT_EQ(input.tee, 3);
    EXPECT_EQ(input.scores[6], 9);
    EXPECT_EQ(input.scores[InSlot], 45);
}

TEST_F(RoundChecks, BadValuesHaveTheirReasons) {
    RoundFields good = fields;
    fields.player = "lee, ann"; // names match exactly
    EXPECT_EQ(reason(), "no player named \"lee, ann\"");
    fields = good;
    fields.holes[7] = "4.5";
    EXPECT_EQ(reason(), "hole 7 \"4.5\" is not a whole number from 0 to 99");
    fields = good;
    setHoles({5, 5, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    fields.out = "49";
    EXPECT_EQ(reason(), "in 44 does not match holes 10-18, which add up to 45");
    fields = good;
    fields.out = "0";
    fields.in = "";
    EXPECT_EQ(reason(), "no score: out and in are both 0");
    fields = good;
    store.courses.CourseField[1][static_cast<std::size_t>(field::slope(2))] = "";
    EXPECT_EQ(reason(), "the course Pine Hills has no slope for the Mens Tee");
    fields.tee = "1";
    EXPECT_EQ(reason(), "");
    store.player(1).PlayerTee = 0;
    fields.tee = "";
    EXPECT_EQ(reason(), "the player's default tee 0 is not 1, 2 or 3");
}

TEST_F(RoundChecks, EditedRoundKeepsDateAndCourseOfItsSlot) {
    setDifferentials(store, 1, {10, 12});
    store.player(1).round[2].RoundYear = 99;
    RoundInput input;
    fields.date = "not used";
    ASSERT_EQ(checkEditedRound(store, fields, 2, input), "");
    EXPECT_EQ(input.year, 99);
    EXPECT_EQ(checkEditedRound(store, fields, 3, input), "player \"Lee, Ann\" has no round in slot 3");
    store.player(1).round[2].RoundCourse = 0;
    EXPECT_EQ(checkEditedRound(store, fields, 2, input),
              "course number 0 has no course rating and no slope for the Mens Tee");
}

class Import : public RoundChecks {};

TEST_F(Import, RowsAreRecordedInFileOrder) {
    ImportResult result = importRounds(store, "Player, Course ,DATE,out,in,tee\r\n"
                                              "\"Lee, Ann\",Pine Hills,06/05/24,45,44,\r\n"
                                              ",,,,,\r\n"
                                              "Bo,pine hills,6/6/2024,50,0,3\r\n"
                                              "\"Lee, Ann\",Pine Hills,06/12/24,40,41,\r\n");
    EXPECT_EQ(result.errors, Fields{});
    EXPECT_EQ(result.recorded, 3);
    ASSERT_EQ(store.player(1).RoundCount, 2);
    EXPECT_EQ(store.player(1).round[1].RoundDiff, 16.1f); // 89 from the white tee
    EXPECT_EQ(store.player(1).round[2].RoundDay, 12);
    // A doubled nine from the blue tee: (100 - 73.5) x 113 / 131.
    EXPECT_EQ(store.player(2).round[1].RoundDiff, 22.9f);
}

TEST_F(Import, HoleColumnsAreAddedUpAfterStrokeControl) {
    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 7;
    std::string header = "date,player,course", row = "06/05/24,Bo,Pine Hills";
    for (int h = 1; h <= 18; ++h) {
        header += ",h" + std::to_string(h);
        row += h == 3 ? ",11" : h > 9 ? "," : ",4";
    }
    ASSERT_EQ(importRounds(store, header + "\n" + row + "\n").errors, Fields{});
    EXPECT_EQ(store.player(2).round[1].HoleScore[3], 7);
    EXPECT_EQ(store.player(2).round[1].HoleScore[OutSlot], 39);
}

TEST_F(Import, HeaderProblems) {
    auto firstError = [this](const std::string& text) {
        ImportResult r = importRounds(store, text);
        return r.errors.empty() ? std::string() : r.errors.front();
    };
    EXPECT_EQ(firstError(""), "line 1: the header row naming the columns is missing");
    EXPECT_EQ(firstError("date,player,out\n"), "line 1: the column \"course\" is missing");
    EXPECT_EQ(firstError("date,player,course,h19\n"), "line 1: unknown column \"h19\"");
    EXPECT_EQ(firstError("h99999999999,date,player,course\n"), "line 1: unknown column \"h99999999999\"");
    EXPECT_EQ(firstError("date,player,course,Out,OUT\n"), "line 1: column \"OUT\" appears twice");
    EXPECT_EQ(firstError("\n\ndate,player,course,notes\n"), "line 3: unknown column \"notes\"");
    EXPECT_EQ(firstError("date,player,course\n06/05/24,Bo\n"),
              "line 2: 2 fields where the header names 3 columns");
    EXPECT_EQ(firstError("date,player,course\n\"06/05/24,Bo\n"), "line 2: a quoted field is not closed");
}

TEST_F(Import, OneBadRowAmongFourHundredRecordsNothing) {
    std::string csv = "date,player,course,out,in\r\n";
    for (int i = 2; i <= 401; ++i)
        csv += (i == 250 ? "06/31/24" : "06/05/24") + std::string(i % 2 ? ",Bo," : ",\"Lee, Ann\",") +
               "Pine Hills,45," + std::to_string(40 + i % 9) + "\r\n";
    const std::string before = leagueFileText(store.league);
    ImportResult result = importRounds(store, csv);
    EXPECT_EQ(result.recorded, 0);
    EXPECT_EQ(
        result.errors,
        Fields{"line 250: date \"06/31/24\" is not MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084"});
    EXPECT_EQ(leagueFileText(store.league), before);

    // Every bad row is named.
    result = importRounds(
        store, "date,player,course,out,in\n06/05/24,Al,Pine Hills,45,44\n06/05/24,Bo,Pine Hills,0,0\n");
    EXPECT_EQ(result.errors,
              (Fields{"line 2: no player named \"Al\"", "line 3: no score: out and in are both 0"}));
}

TEST_F(Import, ARoundThatStrokeControlEmptiesUndoesTheWholeFile) {
    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 0; // a settings file no window would write
    const std::string before = leagueFileText(store.league);
    ImportResult result = importRounds(store, "date,player,course,out,in,h1\n"
                                              "06/05/24,Bo,Pine Hills,45,44,\n"
                                              "06/05/24,\"Lee, Ann\",Pine Hills,,,5\n");
    EXPECT_EQ(result.recorded, 0);
    EXPECT_EQ(result.errors, Fields{"line 3: no score after stroke control"});
    EXPECT_EQ(leagueFileText(store.league), before);
}

TEST(CourseHandicapCalculator, MissingOrOverlargeValuesBeep) {
    EXPECT_EQ(calculateCourseHandicap("12", "abc").text, "Course Handicap = 0");
    EXPECT_EQ(calculateCourseHandicap("1e300", "1e300").text, "Index or slope too large");
    EXPECT_TRUE(calculateCourseHandicap("1e300", "1e300").beep);
    EXPECT_FALSE(calculateCourseHandicap("12", "113").beep);
    EXPECT_TRUE(calculateCourseHandicap("", "130").beep);
    EXPECT_TRUE(calculateCourseHandicap("12.3", "").beep);
}

} // namespace

// Recording, editing and deleting rounds: slots, stored values and the order
// of the calculation; rounds given as text: the checks of each round and the
// all-or-nothing import.
#include "handicap/RoundRecorder.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/CourseHandicapCalculator.h"
#include "handicap/RoundImport.h"
#include "store/LeagueFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Fields = std::vector<std::string>;

// 49 out, 45 in: a differential of 20.6 from the white tee of Pine Hills.
const HoleScores sampleRound = holeScores({5, 5, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});

class RecorderTest : public ::testing::Test {
  protected:
    RecorderTest() : store(sampleStore()), recorder(store) {
        store.workDir = dir.path();
        store.league.LeagueFilePath = "Test.LGE";
        ann = addSamplePlayer(store, "Ann", 2);
        store.CurrentPlayer = static_cast<int16_t>(ann);
        store.CurrentCourse = 1;
        store.EntryMonth = 6;
        store.EntryDay = 5;
        store.EntryYear = 24;
    }

    // Rounds of totals only (40 out, 42 in) with these differentials (default 1, 2, ...),
    // index 50 + r and course handicap 60 + r as markers.
    void storeRounds(int count, const std::vector<float>& diffs = {}) {
        PlayerRecord& pl = store.player(ann);
        pl.RoundCount = static_cast<int16_t>(count);
        for (int r = 1; r <= count; ++r) {
            RoundRecord& rd = pl.round[static_cast<std::size_t>(r)];
            rd.RoundDiff = diffs.empty() ? static_cast<float>(r) : diffs[static_cast<std::size_t>(r - 1)];
            rd.RoundIndex = static_cast<float>(50 + r);
            rd.RoundCourseHcp = static_cast<float>(60 + r);
            rd.RoundMonth = static_cast<int16_t>(r % 12 + 1);
            rd.RoundCourse = 1;
            rd.HoleScore = totalScores(40, 42);
            rd.HoleScore[1] = static_cast<int16_t>(r);
        }
    }
    const RoundRecord& slot(int r) const { return store.player(ann).round[static_cast<std::size_t>(r)]; }

    TempDir dir;
    Store store;
    RoundRecorder recorder;
    int ann = 0;
};

TEST_F(RecorderTest, NewRoundIsStoredWithTotalsAsGiven) {
    HoleScores scores = sampleRound;
    scores[OutSlot] = 45; // not re-added from the holes
    scores[InSlot] = 44;
    ASSERT_EQ(recorder.record(scores, 2).outcome, RecordOutcome::Recorded);
    ASSERT_EQ(store.player(ann).RoundCount, 1);
    EXPECT_EQ(slot(1).RoundMonth * 10000 + slot(1).RoundDay * 100 + slot(1).RoundYear, 60524);
    EXPECT_EQ(slot(1).HoleScore, scores);
    EXPECT_EQ(slot(1).RoundDiff, 16.1f);      // (89 - 71.2) x 113 / 125 = 16.09
    EXPECT_EQ(slot(1).RoundIndex, 15.4f);     // 16.1 x 0.96 = 15.456, cut
    EXPECT_EQ(slot(1).RoundCourseHcp, 17.0f); // 15.4 x 125 / 113 = 17.04
}

TEST_F(RecorderTest, NoScoreOrNoSlopeStoresNothing) {
    storeRounds(20);
    RecordResult noScore = recorder.record(totalScores(0, 0), 2);
    EXPECT_EQ(noScore.outcome, RecordOutcome::NoScore);
    EXPECT_FALSE(noScore.message);

    store.courses.CourseField[1][static_cast<std::size_t>(field::slope(2))] = " 0";
    RecordResult result = recorder.record(sampleRound, 2);
    EXPECT_EQ(result.outcome, RecordOutcome::Refused);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->title, "Tallyrock");
    EXPECT_EQ(result.message->text, "This round cannot be recorded:\r\n"
                                    "the course Pine Hills has no slope for the Mens Tee.\r\n"
                                    "No handicap differential can be computed without it.");
    EXPECT_EQ(store.player(ann).RoundCount, 20);
    EXPECT_EQ(slot(1).RoundDiff, 1.0f); // the oldest was not dropped
    EXPECT_EQ(slot(20).RoundDiff, 20.0f);
    EXPECT_EQ(recorder.record(sampleRound, 3).outcome, RecordOutcome::Recorded); // another tee records
}

TEST_F(RecorderTest, TwentyFirstRoundDropsTheOldest) {
    storeRounds(20);
    RoundRecord second = slot(2), last = slot(20);
    ASSERT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ(store.player(ann).RoundCount, 20);
    EXPECT_EQ(std::tuple(slot(1).RoundDiff, slot(1).RoundMonth, slot(1).HoleScore),
              std::tuple(second.RoundDiff, second.RoundMonth, second.HoleScore));
    EXPECT_EQ(slot(19).RoundCourseHcp, last.RoundCourseHcp);
    EXPECT_EQ(slot(20).HoleScore, sampleRound);
    // The lowest ten of 2..20 and 20.6: 65 / 10 x 0.96 = 6.24. With the dropped
    // round still counted it would be 5.2.
    EXPECT_EQ(slot(20).RoundIndex, 6.2f);
}

TEST_F(RecorderTest, EditingSlotFiveOfTwelveUsesOnlySlotsOneToFive) {
    storeRounds(12, {10, 12, 14, 16, 18, 8, 6, 4, 2, 1, 3, 5});
    store.EditSlot = 5;
    ASSERT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ(store.player(ann).RoundCount, 12);
    EXPECT_EQ(slot(5).RoundDiff, 20.6f);
    // 10, 12, 14, 16, 20.6: the lowest one counts; 10 x 0.96 is 9.5999994 as a Single.
    EXPECT_EQ(slot(5).RoundIndex, 9.5f);
    EXPECT_EQ(slot(5).RoundCourseHcp, 11.0f);
    for (int r : {4, 6, 12})
        EXPECT_EQ(slot(r).RoundIndex, static_cast<float>(50 + r)) << r;
    EXPECT_EQ(recorder.panel()[recorder.panel().size() - 4], "total rounds = 5");

    store.EditSlot = 13; // outside the stored rounds
    EXPECT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Refused);
    EXPECT_EQ(slot(13).RoundDiff, 0.0f);
}

TEST_F(RecorderTest, DeletingTheOnlyRoundSavesWithoutRecalculating) {
    storeRounds(1);
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(store.player(ann).RoundCount, 0);
    EXPECT_EQ(store.CurrentPlayer, 0);
    EXPECT_TRUE(recorder.panel().empty());
    EXPECT_EQ(slot(1).RoundIndex, 51.0f);
    std::string saved = readFile(dir / "Test.LGE");
    EXPECT_EQ(lineCount(saved), 544);
    EXPECT_EQ(saved.substr(0, 20), " 1 \r\nAnn\r\n 2 \r\n 0 \r\n");
}

TEST_F(RecorderTest, DeletingUnderCasualRecalculatesTheNewNewestSlot) {
    store.settings.HcpMethod = 3;
    storeRounds(10, {1, 2, 3, 4, 15, 14, 13, 12, 11, 99});
    store.EditSlot = 4;
    EXPECT_FALSE(recorder.deleteRound(2));
    ASSERT_EQ(store.player(ann).RoundCount, 9);
    EXPECT_EQ(slot(4).RoundDiff, 15.0f); // former slot 5
    // Former slot 10, 82 to par 72: 10.0. The six newest are 10, 11, 12, 13, 14, 15;
    // the best four average 11.5, x 0.95 = 10.925.
    EXPECT_EQ(slot(9).RoundDiff, 10.0f);
    EXPECT_EQ(slot(9).RoundIndex, 10.9f);
    EXPECT_EQ(slot(9).RoundCourseHcp, 11.0f);
    EXPECT_EQ(slot(6).RoundIndex, 57.0f); // where the lowered count points: the moved round's values
}

TEST_F(RecorderTest, DeletingToParRecalculatesAgainstParNotTheTeeRating) {
    store.settings.HcpMethod = 2;
    storeRounds(2);
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(slot(1).RoundDiff, 10.0f); // 82 against 72 and 113; the white tee would give 9.8
    EXPECT_EQ(slot(1).RoundCourseHcp, 10.0f);
}

TEST_F(RecorderTest, DeletingKeepsTheNewestWhenItsCourseHasNoSlope) {
    addSampleCourse(store, "Flat Acres", {{{70, 120}, {71, 0}, {72, 125}}});
    storeRounds(3);
    store.player(ann).round[3].RoundCourse = 2;
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(store.player(ann).RoundCount, 2);
    EXPECT_EQ(slot(2).RoundDiff, 3.0f);
    EXPECT_EQ(slot(2).RoundIndex, 53.0f);
    EXPECT_TRUE(std::filesystem::exists(dir / "Test.LGE"));
}

TEST_F(RecorderTest, DeleteReportsAFailedSave) {
    storeRounds(2);
    store.writer = std::make_shared<FailingWriter>();
    store.EditSlot = 2;
    Failure failure = recorder.deleteRound(2);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, leagueSaveFailure().text);
}

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
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the header row naming the columns is missing"},
        {"date,player,out\n", "line 1: the column \"course\" is missing"},
        {"date,player,course,h19\n", "line 1: unknown column \"h19\""},
        {"h99999999999,date,player,course\n", "line 1: unknown column \"h99999999999\""},
        {"date,player,course,Out,OUT\n", "line 1: column \"OUT\" appears twice"},
        {"\n\ndate,player,course,notes\n", "line 3: unknown column \"notes\""},
        {"date,player,course\n06/05/24,Bo\n", "line 2: 2 fields where the header names 3 columns"},
        {"date,player,course\n\"06/05/24,Bo\n", "line 2: a quoted field is not closed"}};
    for (const auto& [text, error] : cases)
        EXPECT_EQ(importRounds(store, text).errors, Fields{error}) << text;
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
    CalculatorResult tooLarge = calculateCourseHandicap("1e300", "1e300");
    EXPECT_EQ(std::pair(tooLarge.text, tooLarge.beep),
              std::pair(std::string("Index or slope too large"), true));
    EXPECT_FALSE(calculateCourseHandicap("12", "113").beep);
    EXPECT_TRUE(calculateCourseHandicap("", "130").beep && calculateCourseHandicap("12.3", "").beep);
}

} // namespace

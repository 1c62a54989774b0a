// Recording, editing and deleting rounds: slots, stored values and the order
// of the calculation.
#include "handicap/RoundRecorder.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "store/LeagueFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

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
    EXPECT_EQ(slot(1).RoundDiff, second.RoundDiff);
    EXPECT_EQ(slot(1).RoundMonth, second.RoundMonth);
    EXPECT_EQ(slot(1).HoleScore, second.HoleScore);
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

TEST_F(RecorderTest, MarkedPlayersAreEnteredInOrder) {
    for (const char* name : {"Bo", "Cy", "Di"})
        addSamplePlayer(store, name, 2);
    store.player(2).PlayerMark = 1;
    store.player(4).PlayerMark = 1;
    recorder.FindNextMarkedPlayer();
    EXPECT_EQ(store.CurrentPlayer, 2);
    EXPECT_TRUE(recorder.AdvanceToNextPlayer());
    EXPECT_EQ(store.CurrentPlayer, 4);
    EXPECT_EQ(store.player(2).PlayerMark, 0);
    EXPECT_FALSE(recorder.AdvanceToNextPlayer());
    EXPECT_EQ(store.CurrentPlayer, 0);
    store.CourseFormMode = CourseWindowMode::Add;
    EXPECT_FALSE(recorder.FinishEntry());
    EXPECT_EQ(store.CourseFormMode, CourseWindowMode::None);
    EXPECT_TRUE(std::filesystem::exists(dir / "Test.LGE"));
}

} // namespace

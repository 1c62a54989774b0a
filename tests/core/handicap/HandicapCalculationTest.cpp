// The calculation step by step: differentials, the index and its panel,
// limits, stroke control and the course handicap, on the worked examples.
#include "handicap/HandicapCalculation.h"
#include "core/handicap/HandicapSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;

// The differential of a round with these totals, rating and slope.
float differential(Store& store, int out, int in, float rating, float slope) {
    int p = store.league.PlayerCount ? 1 : addSamplePlayer(store, "Ann", 2);
    store.player(p).round[1].HoleScore[OutSlot] = static_cast<int16_t>(out);
    store.player(p).round[1].HoleScore[InSlot] = static_cast<int16_t>(in);
    CalcValues v;
    v.RoundSlot = 1;
    v.RoundRating = rating;
    v.RoundSlope = slope;
    ComputeRoundDifferential(v, store, p);
    return v.RoundDifferential;
}

struct IndexRun {
    CalcValues values;
    Lines panel;
    float index = 0;
};

// The index of a player whose rounds have these differentials, after the newest.
IndexRun indexAfter(Store& store, const std::vector<float>& diffs, int tee = 2) {
    int p = addSamplePlayer(store, "Ann", tee);
    setDifferentials(store, p, diffs);
    IndexRun run;
    run.values.RoundSlot = static_cast<int16_t>(diffs.size());
    ComputeHandicapIndex(run.values, store, p, tee, run.panel);
    restoreRoundSlot(run.values, store.settings);
    run.index = store.player(p).round[diffs.size()].RoundIndex;
    return run;
}

TEST(Differential, NineHoleRoundByEachOption) {
    Store store = sampleStore();
    store.settings.NineHoleOption = 1; // doubled: (90 - 71.2) x 113 / 125 = 16.99...
    EXPECT_EQ(differential(store, 45, 0, 71.2f, 125), 17.0f);
    EXPECT_EQ(differential(store, 0, 45, 71.2f, 125), 17.0f);
    store.settings.NineHoleOption = 2; // half the rating: (45 - 35.6) x 113 / 125 = 8.49...
    EXPECT_EQ(differential(store, 45, 0, 71.2f, 125), 8.5f);
    store.settings.NineHoleOption = 3; // rating as entered: (45 - 71.2) x 113 / 125 = -23.68...
    EXPECT_EQ(differential(store, 45, 0, 71.2f, 125), -23.7f);
    // An eighteen-hole round is the same under every option.
    for (int option = 1; option <= 3; ++option) {
        store.settings.NineHoleOption = static_cast<int16_t>(option);
        EXPECT_EQ(differential(store, 49, 45, 71.2f, 125), 20.6f) << option;
    }
}

TEST(Differential, RoundsHalfUpToOneDecimal) {
    Store store = sampleStore();
    EXPECT_EQ(differential(store, 36, 36, 59.75f, 113), 12.3f); // exactly 12.25
    EXPECT_EQ(differential(store, 35, 35, 72.35f, 113), -2.3f);
    EXPECT_EQ(differential(store, 35, 35, 72.25f, 113), -2.2f); // exactly -2.25: up, not away from zero
    EXPECT_EQ(differential(store, 40, 45, 72, 113), 13.0f);
    // d is a Single just off the half; the half added in single precision would round the other way.
    EXPECT_EQ(differential(store, 30, 30, 65.0f, 100), -5.7f);
    EXPECT_EQ(differential(store, 45, 50, 60.0f, 100), 39.5f);
}

TEST(HandicapIndex, SingleDifferentialTimesFactorRoundsEachStepToSingle) {
    Store store = sampleStore();
    IndexRun run = indexAfter(store, {15.0f});
    // 15 x 0.96 is 14.3999996 as a Single, 144.0 after x 10: 14.4, not 14.3.
    EXPECT_EQ(run.index, 14.4f);
    EXPECT_EQ(run.panel, (Lines{"Ann", "differentials", "15", "total rounds = 1", "# of rounds used = 1",
                                "Avg. = 15.00", "Hcp index = 14.4"}));
    EXPECT_EQ(run.values.RoundsUsed, 1);
    EXPECT_EQ(run.values.RoundsHeld, 0);
    EXPECT_EQ(run.values.RoundSlot, 1);
}

TEST(HandicapIndex, CasualConsidersTheSixNewestAndAveragesTheBestFour) {
    Store store = sampleStore();
    store.settings.HcpMethod = 3;
    // The two oldest rounds (5.0 and 3.0) are lower than all others but no longer count.
    IndexRun run = indexAfter(store, {5.0f, 3.0f, 12.3f, 8.1f, 20.0f, 9.9f, 15.5f, 7.2f});
    EXPECT_EQ(run.panel,
              (Lines{"Ann", "differentials", "7.2", "8.1", "9.9", "12.3", "15.5", "20", "HCP factor 0.95",
                     "Rounds Considered = 6", "# of rounds used = 4", "Avg. = 9.38", "Hcp index = 8.9"}));
    EXPECT_EQ(run.index, 8.9f); // stored in slot 8, the slot the calculation started from
    EXPECT_EQ(run.values.RoundsHeld, 8);
    EXPECT_EQ(run.values.RoundSlot, 8); // restored after being lowered to 6
    EXPECT_EQ(run.values.CasualFactor, 0.95f);
}

TEST(HandicapIndex, CasualScheduleForFewRounds) {
    struct Case {
        std::vector<float> diffs;
        int used;
        float factor;
    };
    for (const Case& c : {Case{{10}, 1, 0.8f}, Case{{10, 20}, 2, 0.8f}, Case{{10, 20, 30}, 2, 0.85f},
                          Case{{10, 20, 30, 40}, 2, 0.9f}, Case{{10, 20, 30, 40, 50}, 3, 0.9f},
                          Case{{10, 20, 30, 40, 50, 60}, 4, 0.95f}}) {
        Store store = sampleStore();
        store.settings.HcpMethod = 3;
        IndexRun run = indexAfter(store, c.diffs);
        EXPECT_EQ(run.values.RoundsUsed, c.used) << c.diffs.size();
        EXPECT_EQ(run.values.CasualFactor, c.factor) << c.diffs.size();
        EXPECT_EQ(run.panel[run.panel.size() - 4], "Rounds Considered = " + std::to_string(c.diffs.size()));
    }
}

TEST(HandicapIndex, LastTenOfFourteenAreAllAveraged) {
    Store store = sampleStore();
    store.settings.RoundsOption = 4;
    store.settings.RoundsToUse = 10;
    // The four oldest are the lowest; only the ten newest count, all of them.
    IndexRun run = indexAfter(store, {1, 2, 3, 4, 10.5f, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    EXPECT_EQ(run.panel,
              (Lines{"Ann", "differentials", "10.5", "11", "12", "13", "14", "15", "16", "17", "18", "19",
                     "total rounds = 14", "# of rounds used = 10", "Avg. = 14.55", "Hcp index = 13.9"}));
    EXPECT_EQ(run.index, 13.9f);
    EXPECT_EQ(run.values.RoundSlot, 14);
}

TEST(HandicapIndex, AllRoundsUntilNineThenTheSchedule) {
    Store store = sampleStore();
    store.settings.RoundsOption = 2;
    std::vector<float> diffs{3.1f, 7.4f, 12.0f, 9.9f, 15.2f, 4.4f, 20.1f, 8.8f};
    IndexRun eight = indexAfter(store, diffs);
    EXPECT_EQ(eight.values.RoundsUsed, 8);
    EXPECT_EQ(eight.panel[eight.panel.size() - 2], "Avg. = 10.11");
    EXPECT_EQ(eight.index, 9.7f);

    diffs.push_back(6.0f);
    IndexRun nine = indexAfter(store, diffs);
    EXPECT_EQ(nine.values.RoundsUsed, 3); // 3.1, 4.4, 6.0
    EXPECT_EQ(nine.index, 4.3f);
}

TEST(HandicapIndex, BestPercentageTruncatesAndUsesAtLeastOneRound) {
    Store store = sampleStore();
    store.settings.RoundsOption = 3;
    store.settings.PercentRounds = 50;
    std::vector<float> seven{3.1f, 7.4f, 12.0f, 9.9f, 15.2f, 4.4f, 20.1f};
    IndexRun half = indexAfter(store, seven);
    EXPECT_EQ(half.values.RoundsUsed, 3); // 50 % of 7
    EXPECT_EQ(half.index, 4.7f);

    store.settings.PercentRounds = 10; // 10 % of 7 would be none
    IndexRun few = indexAfter(store, seven);
    EXPECT_EQ(few.values.RoundsUsed, 1);
    EXPECT_EQ(few.panel[few.panel.size() - 3], "# of rounds used = 1");
    EXPECT_EQ(few.index, 2.9f); // 3.1 x 0.96 = 2.976
}

TEST(HandicapIndex, FactorLineOnlyWhenNotTheDefault) {
    Store store = sampleStore();
    store.settings.IndexFactor = 0.9f;
    IndexRun run = indexAfter(store, {10});
    EXPECT_EQ(run.panel[3], "HCP factor 0.90");
    EXPECT_EQ(run.index, 9.0f);
    store.settings.HcpMethod = 2;
    EXPECT_EQ(indexAfter(store, {10}).panel[3], "HCP factor 0.90");
}

TEST(HandicapIndex, PlusHandicapIsCutTowardZero) {
    Store store = sampleStore();
    store.settings.IndexFactor = 1.0f;
    IndexRun run = indexAfter(store, {-1.25f});
    EXPECT_EQ(run.index, -1.2f);
    EXPECT_EQ(run.panel, (Lines{"Ann", "differentials", "-1.25", "HCP factor 1.00", "total rounds = 1",
                                "# of rounds used = 1", "Avg. = -1.25", "Hcp index = -1.2"}));
    // A cut that leaves negative zero shows as 0.
    EXPECT_EQ(indexAfter(store, {-0.05f}).panel.back(), "Hcp index = 0");
    // 12.37 is cut, not rounded.
    EXPECT_EQ(indexAfter(store, {12.37f}).index, 12.3f);
}

TEST(HandicapIndex, LimitsGoByTheTee) {
    Store store = sampleStore();
    store.settings.IndexFactor = 1.0f;
    store.settings.HcpLimitOption = 2;
    EXPECT_EQ(indexAfter(store, {38.7f}, 2).index, 36.4f);
    EXPECT_EQ(indexAfter(store, {38.7f}, 3).index, 38.7f);
    EXPECT_EQ(indexAfter(store, {38.7f}, 1).index, 38.7f);
    EXPECT_EQ(indexAfter(store, {41.0f}, 1).index, 40.4f);
    EXPECT_EQ(indexAfter(store, {38.7f}, 2).panel.back(), "Hcp index = 36.4");

    store.settings.HcpLimitOption = 3;
    store.settings.MensHcpMax = 30;
    store.settings.WomensHcpMax = 33.5f;
    EXPECT_EQ(indexAfter(store, {38.7f}, 2).index, 30.0f);
    EXPECT_EQ(indexAfter(store, {38.7f}, 1).index, 33.5f);
    EXPECT_EQ(indexAfter(store, {38.7f}, 3).index, 38.7f);

    store.settings.HcpLimitOption = 1;
    EXPECT_EQ(indexAfter(store, {50.0f}, 2).index, 50.0f);
}

TEST(HandicapIndex, SettingsNoWindowWouldAcceptStayInsideTheTables) {
    std::vector<float> twelve{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    Store store = sampleStore();
    store.settings.RoundsOption = 4;
    for (int n : {0, -3, 25}) { // counts as 10, as the rules window corrects it
        store.settings.RoundsToUse = static_cast<int16_t>(n);
        IndexRun run = indexAfter(store, twelve);
        EXPECT_EQ(run.values.RoundsUsed, 10) << n;
        EXPECT_EQ(run.panel[2], "3") << n; // the ten newest
    }
    store.settings.RoundsOption = 3;
    store.settings.PercentRounds = 500;
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 12);
    store.settings.PercentRounds = -40;
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 1);

    store.settings.RoundsOption = 9; // the schedule alone
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 4);
    store.settings.HcpMethod = 7; // the last method, casual
    EXPECT_EQ(indexAfter(store, twelve).panel[8], "HCP factor 0.95");
    store.settings.HcpMethod = -2; // the first, standard
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 4);

    // A slot outside the table is not calculated.
    int p = addSamplePlayer(store, "Bo", 2);
    Lines panel{"kept"};
    CalcValues v;
    for (int slot : {0, 21, -1}) {
        v.RoundSlot = static_cast<int16_t>(slot);
        ComputeHandicapIndex(v, store, p, 2, panel);
        ComputeRoundDifferential(v, store, p);
        storeCourseHandicap(v, store, p);
    }
    EXPECT_EQ(panel, Lines{"kept"});
}

TEST(RoundRatingAndSlope, TeeValuesOrParAndStandardSlope) {
    Store store = sampleStore();
    CalcValues v;
    setRoundRatingAndSlope(v, store, 1, 3);
    EXPECT_EQ(v.RoundRating, 73.5f);
    EXPECT_EQ(v.RoundSlope, 131.0f);
    setRoundRatingAndSlope(v, store, 1, 1);
    EXPECT_EQ(v.RoundRating, 70.1f);
    EXPECT_EQ(v.RoundSlope, 118.0f);
    for (int method : {2, 3}) {
        store.settings.HcpMethod = static_cast<int16_t>(method);
        setRoundRatingAndSlope(v, store, 1, 3);
        EXPECT_EQ(v.RoundRating, 72.0f);
        EXPECT_EQ(v.RoundSlope, 113.0f);
    }
    store.settings.HcpMethod = 1;
    for (auto [course, tee] : {std::pair{1, 0}, {1, 4}, {0, 2}, {201, 2}}) {
        setRoundRatingAndSlope(v, store, course, tee);
        EXPECT_EQ(v.RoundRating, 0.0f);
        EXPECT_EQ(v.RoundSlope, 0.0f);
    }
}

TEST(RoundRatingAndSlope, CourseWithoutSlopeOrRatingCannotGiveADifferential) {
    Store store = sampleStore();
    auto& fields = store.courses.CourseField[1];
    fields[static_cast<std::size_t>(field::slope(2))] = " 0";
    fields[static_cast<std::size_t>(field::rating(3))] = "";
    CalcValues v;
    setRoundRatingAndSlope(v, store, 1, 2);
    EXPECT_EQ(unusableCourseReason(v, store, 1, 2), "the course Pine Hills has no slope for the Mens Tee");
    setRoundRatingAndSlope(v, store, 1, 3);
    EXPECT_EQ(unusableCourseReason(v, store, 1, 3),
              "the course Pine Hills has no course rating for the Pro Tee");
    setRoundRatingAndSlope(v, store, 1, 1);
    EXPECT_EQ(unusableCourseReason(v, store, 1, 1), "");
    setRoundRatingAndSlope(v, store, 0, 2);
    EXPECT_EQ(unusableCourseReason(v, store, 0, 2),
              "course number 0 has no course rating and no slope for the Mens Tee");
    // To par, the tee's values are not used.
    store.settings.HcpMethod = 2;
    setRoundRatingAndSlope(v, store, 1, 2);
    EXPECT_EQ(unusableCourseReason(v, store, 1, 2), "");
}

// Stroke control of one hole (hole 1, par 4) after a round with this course handicap.
int cappedFirstHole(Store& store, float previousHcp, int score, int editSlot = 0) {
    int p = store.league.PlayerCount ? 1 : addSamplePlayer(store, "Ann", 2);
    store.player(p).RoundCount = 3;
    store.player(p).round[3].RoundCourseHcp = previousHcp;
    store.CurrentPlayer = static_cast<int16_t>(p);
    store.CurrentCourse = 1;
    store.EditSlot = static_cast<int16_t>(editSlot);
    HoleScores holes{};
    holes[1] = static_cast<int16_t>(score);
    return EQadjust(store, holes)[1];
}

TEST(StrokeControl, StandardScheduleByPreviousCourseHandicap) {
    Store store = sampleStore();
    store.settings.StrokeOption = 2;
    EXPECT_EQ(cappedFirstHole(store, 12, 9), 7);
    EXPECT_EQ(cappedFirstHole(store, 8, 9), 6); // double bogey
    struct Case {
        float hcp;
        int max;
    };
    for (Case c : {Case{-3, 6}, Case{9, 6}, Case{10, 7}, Case{19, 7}, Case{20, 8}, Case{29, 8}, Case{30, 9},
                   Case{39, 9}, Case{40, 10}, Case{54, 10}}) {
        EXPECT_EQ(cappedFirstHole(store, c.hcp, 15), c.max) << c.hcp;
        EXPECT_EQ(cappedFirstHole(store, c.hcp, c.max), c.max) << c.hcp; // at the maximum: unchanged
    }
    EXPECT_EQ(cappedFirstHole(store, 12, 0), 0);
}

TEST(StrokeControl, ComparisonRoundAndOtherOptions) {
    Store store = sampleStore();
    store.settings.StrokeOption = 2;
    int p = addSamplePlayer(store, "Ann", 2);
    store.player(p).round[1].RoundCourseHcp = 25;
    EXPECT_EQ(cappedFirstHole(store, 12, 15, 2), 8);  // editing slot 2 compares slot 1
    EXPECT_EQ(cappedFirstHole(store, 12, 15, 1), 10); // editing slot 1: no earlier round
    store.player(p).RoundCount = 0;
    store.CurrentPlayer = static_cast<int16_t>(p);
    store.EditSlot = 0;
    HoleScores holes{};
    holes.fill(12);
    EXPECT_EQ(EQadjust(store, holes)[18], 10); // first round of a player

    store.settings.StrokeOption = 3;
    store.settings.StrokesAbovePar = 3;
    HoleScores capped = EQadjust(store, holes);
    for (int h = 1; h <= 18; ++h)
        EXPECT_EQ(capped[static_cast<std::size_t>(h)], samplePars[static_cast<std::size_t>(h - 1)] + 3);
    EXPECT_EQ(capped[OutSlot], 12); // totals are left to the caller

    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 8;
    capped = EQadjust(store, holes);
    for (int h = 1; h <= 18; ++h)
        EXPECT_EQ(capped[static_cast<std::size_t>(h)], 8);
}

TEST(CourseHandicap, IndexTimesSlopeOver113HalfUp) {
    Store store = sampleStore();
    int p = addSamplePlayer(store, "Ann", 2);
    CalcValues v;
    v.RoundSlot = 1;
    struct Case {
        float index;
        float slope;
        float expected;
    };
    for (Case c : {Case{14.4f, 125, 16}, Case{19.7f, 125, 22}, Case{12.5f, 113, 13}, Case{-2.5f, 113, -2},
                   Case{-1.2f, 125, -1}, Case{0, 131, 0}}) {
        store.player(p).round[1].RoundIndex = c.index;
        v.RoundSlope = c.slope;
        storeCourseHandicap(v, store, p);
        EXPECT_EQ(store.player(p).round[1].RoundCourseHcp, c.expected) << c.index << " " << c.slope;
    }
}

} // namespace

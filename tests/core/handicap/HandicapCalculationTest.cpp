// The calculation step by step on the worked examples: differentials, the
// index and its panel, limits, stroke control and the course handicap.
#include "handicap/HandicapCalculation.h"
#include "core/Samples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;

// The differential of a round with these totals, rating and slope.
float differential(Store& store, int out, int in, float rating, float slope) {
    int p = store.league.PlayerCount ? 1 : addSamplePlayer(store, "Ann", 2);
    store.player(p).round[1].HoleScore = totalScores(out, in);
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
    run.index = store.player(p).round[diffs.size()].RoundIndex;
    return run;
}

TEST(Differential, NineHoleRoundsAndHalfUpRounding) {
    Store store = sampleStore();
    struct Case {
        int nine, out, in;
        float rating, slope, expected;
    };
    // Nine holes doubled ((90 - 71.2) x 113 / 125 = 16.99), also while no option was ever chosen (0),
    // against half the rating (8.49), or as they are;
    // exact halves (12.25, -2.25) go up; a Single just off the half is rounded in double precision
    // (adding the half as a Single would round it the other way).
    for (Case c : {Case{1, 45, 0, 71.2f, 125, 17.0f}, Case{1, 0, 45, 71.2f, 125, 17.0f},
                   Case{0, 45, 0, 71.2f, 125, 17.0f}, Case{0, 45, 44, 71.2f, 125, 16.1f},
                   Case{2, 45, 0, 71.2f, 125, 8.5f}, Case{3, 45, 0, 71.2f, 125, -23.7f},
                   Case{3, 49, 45, 71.2f, 125, 20.6f}, Case{1, 36, 36, 59.75f, 113, 12.3f},
                   Case{1, 35, 35, 72.25f, 113, -2.2f}, Case{1, 35, 35, 72.35f, 113, -2.3f},
                   Case{1, 30, 30, 65.0f, 100, -5.7f}, Case{1, 45, 50, 60.0f, 100, 39.5f}}) {
        store.settings.NineHoleOption = static_cast<int16_t>(c.nine);
        EXPECT_EQ(differential(store, c.out, c.in, c.rating, c.slope), c.expected) << c.out << "/" << c.in;
    }
}

TEST(HandicapIndex, SingleDifferentialTimesFactorRoundsEachStepToSingle) {
    Store store = sampleStore();
    IndexRun run = indexAfter(store, {15.0f});
    // 15 x 0.96 is 14.3999996 as a Single, 144.0 after x 10: 14.4, not 14.3.
    EXPECT_EQ(run.index, 14.4f);
    EXPECT_EQ(run.panel, (Lines{"Ann", "differentials", "15", "total rounds = 1", "# of rounds used = 1",
                                "Avg. = 15.00", "Hcp index = 14.4"}));
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
    EXPECT_EQ(run.values.RoundSlot, 8);
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
}

TEST(HandicapIndex, AllRoundsUntilNineThenTheSchedule) {
    Store store = sampleStore();
    store.settings.RoundsOption = 2;
    // The Single average 15.674999 is 15.675 as written, so the panel shows 15.68.
    IndexRun four = indexAfter(store, {8, 17.3f, 17.5f, 19.9f});
    EXPECT_EQ(four.panel[four.panel.size() - 2], "Avg. = 15.68");
    EXPECT_EQ(four.index, 15.0f);
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

TEST(HandicapIndex, BestPercentageOfTheRoundsRoundedDown) {
    Store store = sampleStore();
    store.settings.RoundsOption = 3;
    store.settings.PercentRounds = 40;
    // 40 % of 6 is 2.4, so 2: (10 + 12) / 2 = 11, x 0.96 = 10.56, cut to 10.5.
    IndexRun six = indexAfter(store, {18, 10, 16, 12, 14, 20});
    EXPECT_EQ(six.panel,
              (Lines{"Ann", "differentials", "10", "12", "14", "16", "18", "20", "total rounds = 6",
                     "# of rounds used = 2", "Avg. = 11.00", "Hcp index = 10.5"}));
    // 40 % of 2 is none: still the lowest one.
    EXPECT_EQ(indexAfter(store, {18, 10}).values.RoundsUsed, 1);
}

TEST(HandicapIndex, PlusHandicapIsCutTowardZero) {
    Store store = sampleStore();
    store.settings.IndexFactor = 1.0f;
    IndexRun run = indexAfter(store, {-1.25f});
    EXPECT_EQ(run.index, -1.2f);
    EXPECT_EQ(run.panel, (Lines{"Ann", "differentials", "-1.25", "HCP factor 1.00", "total rounds = 1",
                                "# of rounds used = 1", "Avg. = -1.25", "Hcp index = -1.2"}));
    EXPECT_EQ(indexAfter(store, {-0.05f}).panel.back(), "Hcp index = 0"); // not "-0"
}

TEST(HandicapIndex, LimitsGoByTheTee) {
    Store store = sampleStore();
    store.settings.IndexFactor = 1.0f;
    struct Case {
        int option, tee;
        float diff, expected;
    };
    store.settings.MensHcpMax = 30;
    store.settings.WomensHcpMax = 33.5f;
    for (Case c : {Case{2, 2, 38.7f, 36.4f}, Case{2, 3, 38.7f, 38.7f}, Case{2, 1, 38.7f, 38.7f},
                   Case{2, 1, 41.0f, 40.4f}, Case{3, 2, 38.7f, 30.0f}, Case{3, 1, 38.7f, 33.5f},
                   Case{3, 3, 38.7f, 38.7f}, Case{1, 2, 50.0f, 50.0f}}) {
        store.settings.HcpLimitOption = static_cast<int16_t>(c.option);
        EXPECT_EQ(indexAfter(store, {c.diff}, c.tee).index, c.expected) << c.option << " tee " << c.tee;
    }
}

TEST(HandicapIndex, SettingsNoWindowWouldAcceptStayInsideTheTables) {
    std::vector<float> twelve{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    Store store = sampleStore();
    store.settings.RoundsOption = 4;
    for (int16_t unusable : {25, 0}) { // counts as 10, as the rules window shows and corrects it
        store.settings.RoundsToUse = unusable;
        IndexRun run = indexAfter(store, twelve);
        EXPECT_EQ(run.panel[2], "3");
        EXPECT_EQ(run.values.RoundsUsed, 10);
    }
    store.settings.RoundsOption = 3;
    store.settings.PercentRounds = 500;
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 12);
    store.settings.RoundsOption = 9; // the schedule alone
    EXPECT_EQ(indexAfter(store, twelve).values.RoundsUsed, 4);
    store.settings.HcpMethod = 3; // casual
    EXPECT_EQ(indexAfter(store, twelve).panel[8], "HCP factor 0.95");
}

// The names stand for the numbers the settings files hold; an option never
// chosen or out of range counts as the window shows it.
TEST(RuleOptions, NamesKeepTheStoredNumbers) {
    Settings s;
    for (auto [stored, method] : {std::pair{0, HandicapMethod::Standard},
                                  {1, HandicapMethod::Standard},
                                  {2, HandicapMethod::ToPar},
                                  {3, HandicapMethod::Casual},
                                  {4, HandicapMethod::Whs},
                                  {7, HandicapMethod::Whs},
                                  {-2, HandicapMethod::Standard}}) {
        s.HcpMethod = static_cast<int16_t>(stored);
        EXPECT_EQ(effectiveMethod(s), method) << stored;
    }
    for (auto [stored, nine] : {std::pair{0, NineHoleScoring::DoubleScore},
                                {2, NineHoleScoring::HalveRating},
                                {3, NineHoleScoring::RatingsAsEntered},
                                {4, NineHoleScoring::DoubleScore}}) {
        s.NineHoleOption = static_cast<int16_t>(stored);
        EXPECT_EQ(nineHoleScoring(s), nine) << stored;
    }
    s.RoundsOption = 4;
    s.HcpLimitOption = 3;
    s.StrokeOption = 2;
    EXPECT_EQ(roundsSelection(s), RoundsSelection::LastN);
    EXPECT_EQ(handicapLimit(s), HandicapLimit::Custom);
    EXPECT_EQ(strokeControl(s), StrokeControl::StandardSchedule);
    EXPECT_EQ(teeName(LadiesTee) + "," + teeName(MensTee) + "," + teeName(ProTee),
              "Ladies Tee,Mens Tee,Pro Tee");
    EXPECT_FALSE(isTee(0));
    EXPECT_FALSE(isTee(4));
}

TEST(RoundRatingAndSlope, CourseWithoutSlopeOrRatingCannotGiveADifferential) {
    Store store = sampleStore();
    auto& fields = store.courses.CourseField[1];
    fields[static_cast<std::size_t>(field::slope(2))] = " 0";
    fields[static_cast<std::size_t>(field::rating(3))] = "";
    auto reason = [&](int course, int tee) {
        CalcValues v;
        setRoundRatingAndSlope(v, store, course, tee);
        return unusableCourseReason(v, store, course, tee);
    };
    EXPECT_EQ(reason(1, 2), "the course Pine Hills has no slope for the Mens Tee");
    EXPECT_EQ(reason(1, 3), "the course Pine Hills has no course rating for the Pro Tee");
    EXPECT_EQ(reason(1, 1), "");
    store.settings.HcpMethod = 2; // to par: the course's par and 113 instead of the tee's values
    EXPECT_EQ(reason(1, 2), "");
    CalcValues toPar;
    setRoundRatingAndSlope(toPar, store, 1, 3);
    EXPECT_EQ(std::pair(toPar.RoundRating, toPar.RoundSlope), std::pair(72.0f, 113.0f));
}

// Stroke control of hole 1 (par 4) after a round with this course handicap.
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
    for (auto [hcp, max] : {std::pair{-3.0f, 6},
                            {9.0f, 6},
                            {10.0f, 7},
                            {19.0f, 7},
                            {20.0f, 8},
                            {29.0f, 8},
                            {30.0f, 9},
                            {39.0f, 9},
                            {40.0f, 10},
                            {54.0f, 10}})
        EXPECT_EQ(cappedFirstHole(store, hcp, 15), max) << hcp;
    EXPECT_EQ(cappedFirstHole(store, 12, 15, 1), 10); // editing slot 1: no earlier round
}

TEST(StrokeControl, EachOptionsMaximumOnAParFour) {
    Store store = sampleStore();
    store.settings.StrokesAbovePar = 3;
    store.settings.MaxStrokesPerHole = 9;
    for (auto [option, max] : {std::pair{3, 7}, {4, 9}}) {
        store.settings.StrokeOption = static_cast<int16_t>(option);
        EXPECT_EQ(cappedFirstHole(store, 12, 15), max) << option;
    }
}

TEST(CourseHandicap, IndexTimesSlopeOver113HalfUp) {
    Store store = sampleStore();
    int p = addSamplePlayer(store, "Ann", 2);
    CalcValues v;
    v.RoundSlot = 1;
    for (auto [index, slope, expected] : {std::tuple{14.4f, 125.0f, 16.0f},
                                          {12.5f, 113.0f, 13.0f},
                                          {-2.5f, 113.0f, -2.0f},
                                          {-1.2f, 125.0f, -1.0f}}) {
        store.player(p).round[1].RoundIndex = index;
        v.RoundSlope = slope;
        storeCourseHandicap(v, store, p);
        EXPECT_EQ(store.player(p).round[1].RoundCourseHcp, expected) << index << " " << slope;
    }
}

} // namespace

// The calculation on worked examples; the World Handicap System's on published cases and over rounds.
#include "handicap/HandicapCalculation.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "handicap/RoundRecorder.h"
#include "handicap/WhsRules.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "views/NightResults.h"
#include "views/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;

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
    // Nine holes doubled ((90 - 71.2) x 113 / 125 = 16.99), also with no option ever chosen (0), against
    // half the rating (8.49), or as they are; exact halves (12.25, -2.25) go up; a Single just off the half
    // is rounded in double precision (adding the half as a Single would round it the other way).
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

// The panels worked by hand: differentials lowest first, counts, average, index cut to a tenth.
TEST(HandicapIndex, PanelsOfTheMethodsAndRoundOptions) {
    // Method and rounds option 1: as a fresh start has them.
    auto expectPanel = [](int method, int roundsOption, const std::vector<float>& diffs, const Lines& panel,
                          float index) {
        Store store = sampleStore();
        store.settings.HcpMethod = static_cast<int16_t>(method);
        store.settings.RoundsOption = static_cast<int16_t>(roundsOption);
        store.settings.RoundsToUse = 10;
        store.settings.PercentRounds = 40;
        IndexRun run = indexAfter(store, diffs);
        EXPECT_EQ(Lines(run.panel.begin() + 2, run.panel.end()), panel) << diffs.size() << " rounds";
        EXPECT_EQ(run.index, index) << diffs.size() << " rounds";
        EXPECT_EQ(run.values.RoundSlot, static_cast<int16_t>(diffs.size()));
    };
    // 15 x 0.96 is 14.3999996 as a Single, 144.0 after x 10: 14.4, not 14.3.
    expectPanel(1, 1, {15.0f},
                {"15", "total rounds = 1", "# of rounds used = 1", "Avg. = 15.00", "Hcp index = 14.4"},
                14.4f);
    // Casual: the two oldest rounds (5.0 and 3.0) are lower than all others but no longer count.
    expectPanel(3, 1, {5.0f, 3.0f, 12.3f, 8.1f, 20.0f, 9.9f, 15.5f, 7.2f},
                {"7.2", "8.1", "9.9", "12.3", "15.5", "20", "HCP factor 0.95", "Rounds Considered = 6",
                 "# of rounds used = 4", "Avg. = 9.38", "Hcp index = 8.9"},
                8.9f);
    // The last 10 of 14: the four oldest are the lowest; only the ten newest count, all of them.
    expectPanel(1, 4, {1, 2, 3, 4, 10.5f, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                {"10.5", "11", "12", "13", "14", "15", "16", "17", "18", "19", "total rounds = 14",
                 "# of rounds used = 10", "Avg. = 14.55", "Hcp index = 13.9"},
                13.9f);
    // The best 40 % of 6 is 2.4, so 2: (10 + 12) / 2 = 11, x 0.96 = 10.56, cut to 10.5.
    expectPanel(1, 3, {18, 10, 16, 12, 14, 20},
                {"10", "12", "14", "16", "18", "20", "total rounds = 6", "# of rounds used = 2",
                 "Avg. = 11.00", "Hcp index = 10.5"},
                10.5f);
    // 40 % of 2 is none: still the lowest one.
    Store store = sampleStore();
    store.settings.RoundsOption = 3;
    store.settings.PercentRounds = 40;
    EXPECT_EQ(indexAfter(store, {18, 10}).values.RoundsUsed, 1);
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

TEST(HandicapIndex, LimitsGoByTheTeeAndAPlusHandicapIsCutTowardZero) {
    Store store = sampleStore();
    store.settings.IndexFactor = 1.0f;
    store.settings.MensHcpMax = 30;
    store.settings.WomensHcpMax = 33.5f;
    struct Case {
        int option, tee;
        float diff, expected;
    };
    for (Case c : {Case{2, 2, 38.7f, 36.4f}, Case{2, 3, 38.7f, 38.7f}, Case{2, 1, 38.7f, 38.7f},
                   Case{2, 1, 41.0f, 40.4f}, Case{3, 2, 38.7f, 30.0f}, Case{3, 1, 38.7f, 33.5f},
                   Case{3, 3, 38.7f, 38.7f}, Case{1, 2, 50.0f, 50.0f}}) {
        store.settings.HcpLimitOption = static_cast<int16_t>(c.option);
        EXPECT_EQ(indexAfter(store, {c.diff}, c.tee).index, c.expected) << c.option << " tee " << c.tee;
    }
    IndexRun run = indexAfter(store, {-1.25f});
    EXPECT_EQ(run.index, -1.2f);
    EXPECT_EQ(run.panel, (Lines{"Ann", "differentials", "-1.25", "HCP factor 1.00", "total rounds = 1",
                                "# of rounds used = 1", "Avg. = -1.25", "Hcp index = -1.2"}));
    EXPECT_EQ(indexAfter(store, {-0.05f}).panel.back(), "Hcp index = 0"); // not "-0"
}

// Options stored outside what the window offers count as the window shows them.
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

TEST(StrokeControl, EachOptionsMaximumOnAParFour) {
    Store store = sampleStore();
    store.settings.StrokeOption = 2; // the standard schedule by the previous course handicap
    EXPECT_EQ(cappedFirstHole(store, 12, 9), 7);
    EXPECT_EQ(cappedFirstHole(store, 8, 9), 6); // double bogey
    const std::pair<float, int> schedule[] = {{-3.0f, 6}, {9.0f, 6},  {10.0f, 7}, {19.0f, 7},  {20.0f, 8},
                                              {29.0f, 8}, {30.0f, 9}, {39.0f, 9}, {40.0f, 10}, {54.0f, 10}};
    for (auto [hcp, max] : schedule)
        EXPECT_EQ(cappedFirstHole(store, hcp, 15), max) << hcp;
    EXPECT_EQ(cappedFirstHole(store, 12, 15, 1), 10); // editing slot 1: no earlier round
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
    const std::tuple<float, float, float> cases[] = {
        {14.4f, 125.0f, 16.0f}, {12.5f, 113.0f, 13.0f}, {-2.5f, 113.0f, -2.0f}, {-1.2f, 125.0f, -1.0f}};
    for (auto [index, slope, expected] : cases) {
        store.player(p).round[1].RoundIndex = index;
        v.RoundSlope = slope;
        storeCourseHandicap(v, store, p);
        EXPECT_EQ(store.player(p).round[1].RoundCourseHcp, expected) << index << " " << slope;
    }
}

// ------------------------------------------------ World Handicap System

using namespace tallyrock::whs;

TEST(WhsRules, RoundingIsHalfUpOnExactTenths) {
    struct Case {
        long long num, den, rounded;
    };
    // -1.54, -1.55, -1.56 in tenths of tenths; 10.15 and 0.05 stay exact.
    const Case cases[] = {{-154, 10, -15}, {-155, 10, -15}, {-156, 10, -16}, {1015, 10, 102},
                          {5, 10, 1},      {-5, 10, 0},     {7, 2, 4},       {-7, 2, -3}};
    for (Case c : cases)
        EXPECT_EQ(divHalfUp(c.num, c.den), c.rounded) << c.num << "/" << c.den;
    EXPECT_EQ(tenthsText(-15) + " " + tenthsText(-5) + " " + hundredthsText(3525), "-1.5 -0.5 35.25");
    for (float stored : {10.2f, -1.5f, 54.0f, 0.1f}) // Singles read back from the files
        EXPECT_EQ(toTenths(stored) / 10.0f, stored);
}

TEST(WhsRules, Differentials) {
    struct Case {
        int gross, ratingHundredths, slope, pcc;
        double unrounded; // whole strokes
        int tenths;
    };
    for (Case c : {Case{94, 7300, 125, 0, 18.984, 190}, // published: 19.0
                   {94, 7300, 125, 2, 17.176, 172},
                   {72, 7350, 131, -1, -0.431, -4},
                   {85, 7120, 113, 0, 13.8, 138}}) {
        Fraction d = scoreDifferential(c.gross, c.ratingHundredths, c.slope, c.pcc);
        EXPECT_NEAR(d.value() / 10, c.unrounded, 0.0005) << c.gross << " " << c.pcc;
        EXPECT_EQ(d.rounded(), c.tenths) << c.gross << " " << c.pcc;
    }
    // Nine holes: 113 / 121 x (45 - 35.3 - 0.5) = 8.59, expected 0.52 x 8.7 + 1.2 = 5.724: 14.3.
    Fraction expected = expectedNineDifferential(87, 52, 12);
    EXPECT_DOUBLE_EQ(expected.value() / 10, 5.724);
    EXPECT_EQ(nineHoleDifferential(45, 3530, 121, 1, expected).rounded(), 143);
    EXPECT_EQ(nineHoleDifferential(45, 3530, 121, 1, expectedNineDifferential(87, 40, 0)).rounded(), 121);
}

TEST(WhsRules, CourseAndPlayingHandicaps) {
    Fraction ch = courseHandicap(277, 129, 7110, 72);
    EXPECT_NEAR(ch.value(), 30.72, 0.005);
    EXPECT_EQ(ch.rounded(), 31);
    EXPECT_EQ(playingHandicap(ch, 85), 26); // 30.72 x 85 % = 26.11, rounded once
    EXPECT_EQ(playingHandicap(ch, 100), 31);
    EXPECT_EQ(halfIndexTenths(87), 44);
    EXPECT_EQ(nineHoleCourseHandicap(87, 121, 3530, 36).rounded(), 4); // 4.4 x 121 / 113 - 0.7 = 4.01
    EXPECT_EQ(courseHandicap(-24, 113, 7200, 72).rounded(), -2);       // plus 2.4
    EXPECT_EQ(courseHandicap(5, 113, 7200, 72).rounded(), 1);          // 0.5 rounds up
    EXPECT_EQ(courseHandicap(-5, 113, 7200, 72).rounded(), 0);         // -0.5 rounds up too
}

TEST(WhsRules, StrokesAndNetDoubleBogey) {
    StrokeIndexes si{}; // hole 1 index 1, hole 10 index 2 ... hole 18 index 18
    for (int h = 1; h <= 9; ++h) {
        si[static_cast<std::size_t>(h)] = 2 * h - 1;
        si[static_cast<std::size_t>(h + 9)] = 2 * h;
    }
    struct Case {
        int courseHcp, hole, strokes;
    };
    // On plus 2, hole 17 (index 16) gives nothing back, hole 9 (index 17) one stroke.
    const Case cases[] = {{24, 10, 2}, {24, 12, 2}, {24, 13, 1},  {15, 6, 1},  {15, 18, 0}, {18, 18, 1},
                          {36, 18, 2}, {40, 10, 3}, {-2, 18, -1}, {-2, 17, 0}, {-2, 9, -1}, {0, 1, 0}};
    for (Case c : cases)
        EXPECT_EQ(strokesReceived(c.courseHcp, si)[static_cast<std::size_t>(c.hole)], c.strokes)
            << "CH " << c.courseHcp << " hole " << c.hole;

    // The published cases, by stroke index: gross 9 on a par 4 with CH 24 at index 2 counts 8.
    struct Max {
        int par, courseHcp, strokeIndex, maximum;
    };
    for (Max m : {Max{4, 24, 2, 8}, {4, 15, 11, 7}, {4, 15, 17, 6}, {4, -2, 18, 5}, {5, 0, 1, 7}}) {
        int hole = m.strokeIndex % 2 ? (m.strokeIndex + 1) / 2 : m.strokeIndex / 2 + 9;
        EXPECT_EQ(holeMaximum(m.par, strokesReceived(m.courseHcp, si)[static_cast<std::size_t>(hole)], true),
                  m.maximum)
            << "CH " << m.courseHcp << " index " << m.strokeIndex;
    }
    EXPECT_EQ(holeMaximum(4, 0, false), 9); // no index yet: par + 5

    // Nine holes: the back nine's holes ranked by their indexes 2, 4 ... 18.
    HoleValues nine = nineHoleStrokes(4, si, false);
    EXPECT_EQ(nine[10] + nine[11] + nine[12] + nine[13], 4);
    EXPECT_EQ(nine[14] + nine[1], 0);
    EXPECT_EQ(nineHoleStrokes(-1, si, true)[9], -1); // the easiest hole of the nine gives it back

    EXPECT_TRUE(validStrokeIndexes(si));
    si[3] = si[4];
    EXPECT_FALSE(validStrokeIndexes(si));
}

TEST(WhsRules, IndexFromTheMostRecentDifferentials) {
    struct Case {
        std::vector<int> differentials;
        int index;
    };
    for (const Case& c : {Case{{150, 123, 200}, 103},               // lowest 12.3 - 2.0
                          Case{{150, 123, 200, 160}, 113},          // - 1.0
                          Case{{150, 123, 200, 160, 170}, 123},     // lowest 1
                          Case{{101, 104, 200, 160, 170, 190}, 93}, // (10.1 + 10.4) / 2 = 10.25: 10.3 - 1.0
                          Case{{101, 104, 200, 160, 170, 190, 99}, 100}}) // (9.9 + 10.1) / 2
        EXPECT_EQ(indexFromDifferentials(c.differentials)->indexTenths, c.index) << c.differentials.size();
    EXPECT_FALSE(indexFromDifferentials({100, 120}));

    std::vector<int> twenty;
    for (int i = 0; i < 20; ++i)
        twenty.push_back(300 - 10 * i); // 30.0 down to 11.0; the lowest 8: 11.0 .. 18.0
    auto index = indexFromDifferentials(twenty);
    EXPECT_EQ(index->row.used, 8);
    EXPECT_EQ(index->indexTenths, 145);
    twenty.insert(twenty.begin(), 0); // only the most recent 20 count
    EXPECT_EQ(indexFromDifferentials(twenty)->indexTenths, 145);

    for (auto [count, used] : {std::pair{8, 2}, {11, 3}, {14, 4}, {16, 5}, {18, 6}, {19, 7}})
        EXPECT_EQ(indexTable(count)->used, used) << count;
}

TEST(WhsRules, Caps) {
    struct Case {
        int index, low, capped;
        bool soft, hard;
    };
    for (Case c : {Case{116, 65, 106, true, false}, // published: 6.5 + 3.0 + 2.1 / 2 = 10.55: 10.6
                   {95, 65, 95, false, false},
                   {96, 65, 96, true, false}, // 3.1 above: 9.5 + 0.05 = 9.55: 9.6
                   {140, 65, 115, true, true},
                   {40, 65, 40, false, false}}) {
        auto capped = applyCaps(c.index, c.low);
        EXPECT_EQ(std::tuple(capped.indexTenths, capped.softCap, capped.hardCap),
                  std::tuple(c.capped, c.soft, c.hard))
            << c.index;
    }
    EXPECT_EQ(dayNumber(2024, 6, 5) - dayNumber(2023, 6, 6), 365);
}

// ------------------------------------------------ over a player's rounds

struct Played {
    int month, day, year;
    HoleScores scores;
    int tee = MensTee;
};

class WhsTest : public ::testing::Test {
  protected:
    WhsTest() { reset(); }

    // Pine Hills and Flat Links (72.0 / 113 on every tee: differential = gross - 72), stroke indexes on all.
    void reset() {
        store = sampleStore();
        store.settings.HcpMethod = stored(HandicapMethod::Whs);
        addSampleCourse(store, "Flat Links", {{{72, 113}, {72, 113}, {72, 113}}});
        std::array<int16_t, 19> si{}; // hole 1 index 1, hole 10 index 2, hole 2 index 3 ... hole 18 index 18
        for (int h = 1; h <= 9; ++h)
            std::tie(si[static_cast<std::size_t>(h)], si[static_cast<std::size_t>(h + 9)]) =
                std::pair<int16_t, int16_t>(2 * h - 1, 2 * h);
        for (int c = 1; c <= 2; ++c)
            for (int t = 1; t <= 3; ++t)
                store.whs.tees[{c, t}].StrokeIndex = si;
        store.workDir = dir.path();
        store.league.LeagueFilePath = "Test.LGE";
        ann = addSamplePlayer(store, "Ann", MensTee);
    }

    RecordResult record(const Played& round, int course, int editSlot = 0) {
        store.CurrentPlayer = static_cast<int16_t>(ann);
        store.CurrentCourse = static_cast<int16_t>(course);
        store.EditSlot = static_cast<int16_t>(editSlot);
        store.EntryMonth = static_cast<int16_t>(round.month);
        store.EntryDay = static_cast<int16_t>(round.day);
        store.EntryYear = static_cast<int16_t>(round.year);
        RoundRecorder recorder(store);
        RecordResult result = recorder.record(round.scores, round.tee);
        panel = recorder.panel();
        return result;
    }
    // A league of four players, each with every p-th of the rounds, from several tees.
    void recordLeague(const std::vector<Played>& rounds) {
        for (int p = 2; p <= 4; ++p)
            addSamplePlayer(store, "Player " + plainNumber(p), p - 1);
        for (int p = 1; p <= 4; ++p) {
            ann = p;
            for (std::size_t r = 0; r < rounds.size(); r += static_cast<std::size_t>(p))
                ASSERT_EQ(record(rounds[r], 1).outcome, RecordOutcome::Recorded);
        }
    }
    void recordAll(const std::vector<Played>& rounds, int course) {
        for (const Played& r : rounds)
            ASSERT_EQ(record(r, course).outcome, RecordOutcome::Recorded);
    }
    // Totals only on Flat Links: a differential of gross - 72 on the date.
    static Played flat(int gross, int week) {
        return {1 + week / 4 % 12, 1 + week % 4 * 7, 24 + week / 48,
                totalScores(gross - gross / 2, gross / 2)};
    }
    const RoundRecord& slot(int r) const { return store.player(ann).round[static_cast<std::size_t>(r)]; }

    TempDir dir;
    Store store;
    int ann = 0;
    std::vector<std::string> panel;
};

TEST_F(WhsTest, NoIndexBeforeFiftyFourHolesAndParPlusFiveUntilThen) {
    // Eighteen holes, then nines: 18, 27, 36, 45, 54 holes.
    HoleScores first = holeScores({11, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4});
    ASSERT_EQ(record({6, 1, 24, first}, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ(slot(1).HoleScore[1], 9) << "no index yet: par + 5";
    EXPECT_EQ(slot(1).HoleScore[OutSlot], 41);
    EXPECT_EQ(slot(1).RoundDiff, 5.0f);
    for (int r = 2; r <= 5; ++r) {
        ASSERT_EQ(record({6, r, 24, totalScores(r % 2 ? 40 : 0, r % 2 ? 0 : 40)}, 2).outcome,
                  RecordOutcome::Recorded);
        EXPECT_EQ(hasHandicap(slot(r).RoundIndex), r == 5) << r;
        EXPECT_FALSE(hasHandicap(slot(r).RoundCourseHcp));
    }
    // 40 on a nine rated 36.0 / 113: 4.0, plus the expected 0.52 x 54.0 + 1.2 = 29.28 (no index yet).
    EXPECT_EQ(slot(2).RoundDiff, 33.3f);
    EXPECT_EQ(slot(5).RoundIndex, 5.0f); // 5 differentials: the lowest
    EXPECT_EQ(handicapText(slot(4).RoundIndex, "#0.0"), "NH");
}

TEST_F(WhsTest, NetDoubleBogeyIsWrittenBackIntoTheRound) {
    recordAll({flat(86, 0), flat(86, 1), flat(86, 2)}, 2); // index 14.0 - 2.0 = 12.0
    ASSERT_EQ(slot(3).RoundIndex, 12.0f);
    // CH 12 on Flat Links: one stroke on indexes 1..12; hole 1 (par 4, index 1) at most 7,
    // hole 9 (par 4, index 17) at most 6, hole 4 (par 5, index 7) at most 8.
    HoleScores typed = holeScores({9, 4, 3, 9, 4, 4, 3, 5, 9, 4, 4, 3, 5, 4, 4, 3, 5, 4});
    ASSERT_EQ(record({7, 1, 24, typed}, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ((std::array{slot(4).HoleScore[1], slot(4).HoleScore[4], slot(4).HoleScore[9]}),
              (std::array<int16_t, 3>{7, 8, 6}));
    EXPECT_EQ(slot(4).HoleScore[OutSlot], 44);
    EXPECT_EQ(slot(4).RoundCourseHcp, 12.0f) << "the course handicap the round was played off";
    // 44 + 36 = 80: 8.0, the lowest of four, less 1.0.
    std::string text;
    for (const std::string& line : panel)
        text += line + "\n";
    EXPECT_NE(text.find("Hole 1: 9 counted as 7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Lowest 1: 8.0, -1.0 for 4 differentials = 7.0"), std::string::npos) << text;
}

TEST_F(WhsTest, ExceptionalScoreReductions) {
    struct Case {
        std::vector<int> grosses;  // on Flat Links, one a week
        std::vector<int> esr;      // tenths each round triggered
        std::vector<int> adjusted; // tenths, as of the newest round
        float index;
    };
    // Three rounds of 20.0 give 18.0; then 11.0 is exactly 7.0 below, 8.0 exactly 10.0 below;
    // 11.0 then 1.0 (8.0 below 9.0) are two in a row, each reduction on every earlier differential.
    for (const Case& c : {Case{{92, 92, 92, 83}, {0, 0, 0, -10}, {190, 190, 190, 100}, 9.0f},
                          Case{{92, 92, 92, 84}, {0, 0, 0, 0}, {200, 200, 200, 120}, 11.0f},
                          Case{{92, 92, 92, 80}, {0, 0, 0, -20}, {180, 180, 180, 60}, 5.0f},
                          Case{{92, 92, 92, 83, 73}, {0, 0, 0, -10, -10}, {180, 180, 180, 90, 0}, 0.0f}}) {
        reset();
        for (std::size_t w = 0; w < c.grosses.size(); ++w)
            ASSERT_EQ(record(flat(c.grosses[w], static_cast<int>(w)), 2).outcome, RecordOutcome::Recorded);
        WhsPlayerWork work = playerWhs(store, ann);
        std::vector<int> esr, adjusted;
        for (const WhsRoundWork& w : work.rounds) {
            esr.push_back(w.esr);
            adjusted.push_back(w.adjustedDifferential);
        }
        EXPECT_EQ(esr, c.esr) << c.grosses.back();
        EXPECT_EQ(adjusted, c.adjusted) << c.grosses.back();
        EXPECT_EQ(store.player(ann).round[c.grosses.size()].RoundIndex, c.index) << c.grosses.back();
        EXPECT_EQ(slot(static_cast<int>(c.grosses.size())).RoundDiff,
                  static_cast<float>(c.grosses.back() - 72))
            << "the stored differential stays unreduced";
    }
}

TEST_F(WhsTest, LowIndexCapsAndTheirYear) {
    // Three rounds of 9.0 (index 7.0), then 17 of 12.0 or 20.0: the 20th is capped by the low index.
    struct Case {
        int later;
        int startMonth; // of the year before, for the first three rounds (0: January of the same year)
        float index;
        std::optional<int> low;
        bool soft, hard;
    };
    // The 20th is on 06/01/24: July of the year before is inside its 365 days, January is not.
    for (const Case& c : {Case{84, 0, 10.5f, 70, true, false}, // 10.875: 10.9, 3.9 above: 7.0 + 3.0 + 0.5
                          Case{92, 0, 12.0f, 70, true, true},  // 15.9: soft 13.0, hard 12.0
                          Case{84, 7, 10.5f, 70, true, false}, Case{84, 1, 10.9f, 80, false, false}}) {
        reset();
        for (int r = 1; r <= 20; ++r) {
            Played p = flat(r <= 3 ? 81 : c.later, r);
            if (r <= 3 && c.startMonth) std::tie(p.month, p.year) = std::pair(c.startMonth, 23);
            ASSERT_EQ(record(p, 2).outcome, RecordOutcome::Recorded);
        }
        // Worked again as the 20 rounds held, none dropped before them.
        std::vector<WhsRoundInput> rounds = heldWhsRounds(store, ann);
        for (WhsRoundInput& in : rounds)
            in.rewrite = true;
        WhsPlayerWork work = workWhs(store, rounds, MensTee, false);
        EXPECT_EQ(work.rounds.back().indexAfter, whs::toTenths(c.index)) << c.later;
        EXPECT_EQ(work.lowIndex, c.low) << c.later;
        EXPECT_EQ(std::pair(work.softCap, work.hardCap), std::pair(c.soft, c.hard)) << c.later;
    }
}

// Twelve rounds on Pine Hills, hole by hole, some from the blue tee, one hole over the maximum.
std::vector<Played> twelveRounds() {
    std::vector<Played> rounds;
    for (int r = 0; r < 12; ++r) {
        std::array<int, 18> holes{5, 5, 4, 6, 5, 5, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5};
        holes[static_cast<std::size_t>(r)] += r % 3;
        if (r == 7) holes[0] = 12;
        rounds.push_back({5 + r / 4, 1 + r % 4 * 7, 24, holeScores(holes), r % 4 == 1 ? ProTee : MensTee});
    }
    return rounds;
}

TEST_F(WhsTest, EditingOrDeletingWorksTheLaterRoundsAgainAsRecordingThemAgainDoes) {
    std::vector<Played> rounds = twelveRounds();
    recordAll(rounds, 1);
    ASSERT_LT(slot(8).HoleScore[1], 12) << "capped by net double bogey";
    std::vector<Played> edited = rounds;
    edited[4].scores = holeScores({4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4});
    ASSERT_EQ(record(edited[4], 1, 5).outcome, RecordOutcome::Recorded);
    const std::string afterEdit = leagueFileText(store.league);
    EXPECT_NE(panel.back().find("7 later rounds"), std::string::npos);

    reset();
    recordAll(edited, 1);
    EXPECT_EQ(leagueFileText(store.league), afterEdit);

    store.CurrentPlayer = static_cast<int16_t>(ann);
    store.EditSlot = 3;
    ASSERT_FALSE(RoundRecorder(store).deleteRound(MensTee));
    const std::string afterDelete = leagueFileText(store.league);
    reset();
    edited.erase(edited.begin() + 2);
    recordAll(edited, 1);
    EXPECT_EQ(leagueFileText(store.league), afterDelete);
}

// The worksheet as of each round's date: the index stored with the newest round up to the date, the
// rounds the index table uses marked, and every step of every round on its lines.
TEST_F(WhsTest, TheWorksheetShowsTheEnginesWork) {
    recordLeague(twelveRounds());
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= store.player(p).RoundCount; ++k) {
            ann = p;
            SCOPED_TRACE("player " + plainNumber(p) + ", as of round " + plainNumber(k));
            const RoundRecord& newest = slot(k);
            Worksheet sheet =
                buildWorksheet(store, p, Date{newest.RoundMonth, newest.RoundDay, 2000 + newest.RoundYear});
            ASSERT_TRUE(sheet.whs.has_value());
            ASSERT_EQ(sheet.rounds.size(), static_cast<std::size_t>(k));
            EXPECT_EQ(sheet.index.value_or(NoHandicap), newest.RoundIndex);

            std::optional<whs::IndexTableRow> row = whs::indexTable(k);
            const int used = sheet.index && row ? row->used : 0;
            std::vector<int> marked, unmarked;
            for (std::size_t i = 0; i < sheet.rounds.size(); ++i) {
                (sheet.rounds[i].used ? marked : unmarked)
                    .push_back(sheet.whs->rounds[i].adjustedDifferential);
                EXPECT_EQ(whs::toTenths(sheet.rounds[i].differential), sheet.whs->rounds[i].differential);
            }
            EXPECT_EQ(marked.size(), static_cast<std::size_t>(used));
            if (!marked.empty() && !unmarked.empty()) {
                EXPECT_LE(std::ranges::max(marked), std::ranges::min(unmarked))
                    << "the lowest are the ones used";
            }

            std::string text;
            for (const std::string& line : worksheetLines(sheet))
                text += line + " ";
            auto squeezed = [](std::string t) {
                std::erase(t, ' ');
                return t;
            };
            for (const WhsRoundWork& w : sheet.whs->rounds)
                for (const std::string& line : w.lines)
                    EXPECT_NE(squeezed(text).find(squeezed(line)), std::string::npos) << line;
            EXPECT_NE(text.find(WhsIndexNote), std::string::npos);

            // Each tee's course handicap adds the rating less par, as the engine's does.
            ASSERT_EQ(sheet.courseHandicaps.size(), sheet.index ? 3u : 0u);
            for (const WorksheetCourseHandicap& c : sheet.courseHandicaps) {
                whs::Fraction ch = whs::courseHandicap(
                    whs::toTenths(*sheet.index), static_cast<int>(c.slope),
                    whs::toHundredths(store.courses.numeric(1, field::rating(c.tee))), 72);
                EXPECT_EQ(c.courseHandicap, static_cast<float>(ch.rounded())) << "tee " << c.tee;
            }
        }
}

// A night's results: the course handicap played off, the playing handicap at the allowance and the net
// from it; NH where there is no index yet, and nothing made up where there is no handicap.
TEST_F(WhsTest, TheNightSheetWorksTheNetFromThePlayingHandicap) {
    store.settings.WhsAllowance = 85;
    std::vector<Played> rounds = twelveRounds();
    recordAll(std::vector<Played>(rounds.begin(), rounds.begin() + 5), 1);
    const WhsPlayerWork work = playerWhs(store, ann);
    const Date today{6, 1, 2024};

    NightSheet first = nightResults(store, 5, 1, 24); // the first round's night
    ASSERT_EQ(first.rounds.size(), 1u);
    EXPECT_FALSE(first.rounds[0].courseHcp || first.rounds[0].playingHcp || first.rounds[0].net);
    const std::vector<std::string> lines = nightSheetLines(store, first, today);
    EXPECT_EQ(lines[6].substr(lines[6].size() - 2), "NH");
    EXPECT_EQ(lines[4].size(), nightSheetLines(store, NightSheet{}, today)[4].size())
        << "the line keeps its width";
    const CsvRows csv = nightCsvRows(first);
    EXPECT_EQ(csv[1], (std::vector<std::string>{"Ann", "Pine Hills", plainNumber(rounds[0].tee),
                                                plainNumber(first.rounds[0].gross), "", "", "", "", ""}));

    NightSheet fifth = nightResults(store, 6, 1, 24);
    ASSERT_EQ(fifth.rounds.size(), 1u);
    const NightRound& r5 = fifth.rounds[0];
    const WhsRoundWork& w5 = work.rounds[4];
    ASSERT_TRUE(w5.courseHandicap && w5.courseHandicapExact);
    EXPECT_EQ(r5.courseHcp, w5.courseHandicap);
    EXPECT_EQ(r5.courseHcp, static_cast<int>(slot(5).RoundCourseHcp));
    EXPECT_EQ(r5.playingHcp, whs::playingHandicap(*w5.courseHandicapExact, 85));
    EXPECT_EQ(r5.net, r5.gross - *r5.playingHcp);
    EXPECT_EQ(r5.indexBefore, slot(4).RoundIndex);
    EXPECT_EQ(nightCsvRows(fifth)[1].back(), plainNumber(*r5.playingHcp));
}

TEST_F(WhsTest, APlayingConditionSetLaterKeepsTheTeesTheRoundsWerePlayedFrom) {
    std::vector<Played> rounds = twelveRounds();
    recordAll(rounds, 1);
    for (const Played& r : rounds)
        store.whs.pcc[{1, fullYear(r.year) * 10000 + r.month * 100 + r.day}] = 2;
    for (const WhsRoundInput& in : heldWhsRounds(store, ann))
        EXPECT_EQ(in.tee, rounds[static_cast<std::size_t>(in.slot - 1)].tee) << in.slot;
}

TEST_F(WhsTest, ACourseWithoutStrokeIndexesForTheTeeIsRefused) {
    store.whs.tees.erase({1, ProTee});
    RecordResult result = record({6, 1, 24, totalScores(45, 45), ProTee}, 1);
    EXPECT_EQ(result.outcome, RecordOutcome::Refused);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->text, "This round cannot be recorded:\r\n"
                                    "the course Pine Hills has no stroke indexes for the Pro Tee.\r\n"
                                    "The World Handicap System needs them for the hole maximums.");
    EXPECT_EQ(store.player(ann).RoundCount, 0);
}

} // namespace

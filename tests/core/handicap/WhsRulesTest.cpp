// The World Handicap System's arithmetic: published and derived cases.
#include "handicap/WhsRules.h"

#include <gtest/gtest.h>

using namespace tallyrock::whs;

namespace {

TEST(WhsRules, RoundingIsHalfUpOnExactTenths) {
    struct Case {
        long long num, den, rounded;
    };
    // -1.54, -1.55, -1.56 in tenths of tenths; 10.15 and 0.05 stay exact.
    for (Case c : {Case{-154, 10, -15},
                   {-155, 10, -15},
                   {-156, 10, -16},
                   {1015, 10, 102},
                   {5, 10, 1},
                   {-5, 10, 0},
                   {7, 2, 4},
                   {-7, 2, -3}})
        EXPECT_EQ(divHalfUp(c.num, c.den), c.rounded) << c.num << "/" << c.den;
    EXPECT_EQ(tenthsText(-15), "-1.5");
    EXPECT_EQ(tenthsText(-5), "-0.5");
    EXPECT_EQ(hundredthsText(3525), "35.25");
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

StrokeIndexes oddFrontEvenBack() {
    StrokeIndexes si{};
    for (int h = 1; h <= 9; ++h) {
        si[static_cast<std::size_t>(h)] = 2 * h - 1;
        si[static_cast<std::size_t>(h + 9)] = 2 * h;
    }
    return si;
}

TEST(WhsRules, StrokesAndNetDoubleBogey) {
    StrokeIndexes si = oddFrontEvenBack(); // hole 1 index 1, hole 10 index 2 ... hole 18 index 18
    struct Case {
        int courseHcp, hole, strokes;
    };
    for (Case c : {Case{24, 10, 2},
                   {24, 12, 2},
                   {24, 13, 1},
                   {15, 6, 1},
                   {15, 18, 0},
                   {18, 18, 1},
                   {36, 18, 2},
                   {40, 10, 3},
                   {-2, 18, -1},
                   {-2, 17, 0} /* index 16 */,
                   {-2, 9, -1} /* index 17 */,
                   {0, 1, 0}})
        EXPECT_EQ(strokesReceived(c.courseHcp, si)[static_cast<std::size_t>(c.hole)], c.strokes)
            << "CH " << c.courseHcp << " hole " << c.hole;

    // The published cases, by stroke index: gross 9 on a par 4 with CH 24 at index 2 counts 8.
    struct Max {
        int par, courseHcp, strokeIndex, maximum;
    };
    for (Max m : {Max{4, 24, 2, 8}, {4, 15, 11, 7}, {4, 15, 17, 6}, {4, -2, 18, 5}, {5, 0, 1, 7}}) {
        StrokeIndexes one = si;
        int hole = m.strokeIndex % 2 ? (m.strokeIndex + 1) / 2 : m.strokeIndex / 2 + 9;
        EXPECT_EQ(holeMaximum(m.par, strokesReceived(m.courseHcp, one)[static_cast<std::size_t>(hole)], true),
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

TEST(WhsRules, ExceptionalScores) {
    struct Case {
        int differential, indexBefore, reduction;
    };
    for (Case c : {Case{80, 150, -10}, {81, 150, 0}, {50, 150, -20}, {51, 150, -10}, {-30, 70, -20}})
        EXPECT_EQ(exceptionalScoreReduction(c.differential, c.indexBefore), c.reduction) << c.differential;
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

    struct Rows {
        int count, used, adjustment;
    };
    for (Rows r : {Rows{8, 2, 0}, {11, 3, 0}, {14, 4, 0}, {16, 5, 0}, {18, 6, 0}, {19, 7, 0}})
        EXPECT_EQ(indexTable(r.count)->used, r.used) << r.count;
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
                   {40, 65, 40, false, false}})
        EXPECT_EQ((std::tuple{applyCaps(c.index, c.low).indexTenths, applyCaps(c.index, c.low).softCap,
                              applyCaps(c.index, c.low).hardCap}),
                  (std::tuple{c.capped, c.soft, c.hard}))
            << c.index;
    EXPECT_EQ(dayNumber(2024, 6, 5) - dayNumber(2023, 6, 6), 365);
}

} // namespace

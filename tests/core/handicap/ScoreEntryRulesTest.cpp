// Score entry's box rules: what a hole box settles on and when the focus moves,
// the totals, the par boxes and the scores recorded from the boxes.
#include "handicap/ScoreEntryRules.h"
#include "core/Samples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

struct Typed {
    std::string text;
    int hole;
    bool newRound;
    std::string shown;
    bool moveOn;
};

HoleBoxes boxes(std::initializer_list<std::pair<int, std::string>> filled) {
    HoleBoxes b;
    for (const auto& [hole, text] : filled)
        b[static_cast<std::size_t>(hole)] = text;
    return b;
}

} // namespace

TEST(HoleBox, DigitsSettleAndMoveOnAsTyped) {
    const std::vector<Typed> cases = {
        {"4", 3, true, " 4", true},     // a single digit completes the hole
        {"9", 3, true, "9", true},      // a 9 is left as typed
        {"1", 3, true, " 1", false},    // "1" waits for a second digit
        {" 10", 3, true, "10", true},   // then "0" makes 10 and moves on
        {" 12", 9, true, "12", true},   // the front nine's last hole moves to hole 10
        {"0", 3, true, " 0", false},    // 0 does not complete a hole
        {"5", 18, true, " 5", false},   // nothing after hole 18
        {"5", 3, false, " 5", false},   // a corrected round never moves on
        {" 5", 3, true, " 5", true},    // already settled
        {"123", 3, false, "23", false}, // a third digit: the last two stay
    };
    for (const Typed& t : cases) {
        HoleBoxChange change = holeBoxChange(t.text, t.hole, t.newRound);
        EXPECT_EQ(change.text, t.shown) << t.text << " in hole " << t.hole;
        EXPECT_EQ(change.moveOn, t.moveOn) << t.text << " in hole " << t.hole;
    }
}

TEST(HoleBox, LeadingZeroSettlesAndOnlyDigitsPass) {
    // "05" would get a blank (" 05") that is cut back to "05" again and again.
    EXPECT_EQ(holeBoxChange("05", 4, true).text, "05");
    EXPECT_TRUE(holeBoxChange("05", 4, true).moveOn);
    EXPECT_EQ(holeBoxChange("102", 4, false).text, "02");
    for (char32_t c : {U'0', U'9', char32_t{8}})
        EXPECT_TRUE(scoreKeyPasses(c)) << static_cast<int>(c);
    for (char32_t c : {U' ', U'a', U'-', U'.', char32_t{13}, U'\u0665'})
        EXPECT_FALSE(scoreKeyPasses(c)) << static_cast<int>(c);
}

TEST(ScoreEntryTotals, NinesAddTheirBoxesAndEmptyBoxesCountNothing) {
    HoleBoxes b = boxes({{1, " 4"}, {2, "10"}, {3, ""}, {9, " 5"}, {10, " 3"}, {18, "12"}});
    EXPECT_EQ(nineTotalText(b, true), "  19");
    EXPECT_EQ(nineTotalText(b, false), "  15");
    EXPECT_EQ(nineTotalText(HoleBoxes{}, true), "  0");
    EXPECT_EQ(totalScoreText("  19", "   15"), "34");
    EXPECT_EQ(totalScoreText("", "  0"), "0");
}

TEST(ScoreEntryDisplay, ParsAndStoredRound) {
    Store store = sampleStore();
    ParDisplay pars = parDisplay(store.courses, 1);
    EXPECT_EQ(pars.holes[3], " 3");
    EXPECT_EQ(pars.in, "36");
    EXPECT_EQ(pars.total, " 72");
    // A hole without a par shows a blank and adds nothing.
    store.courses.CourseField[1][field::holePar(4)] = "";
    EXPECT_EQ(parDisplay(store.courses, 1).holes[4], " ");
    EXPECT_EQ(parDisplay(store.courses, 1).out, "31");

    int p = addSamplePlayer(store, "Ann", 2);
    RoundRecord& round = store.player(p).round[2];
    round.HoleScore = holeScores({5, 10, 4, 6, 5, 9, 4, 6, 0, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    StoredRoundBoxes stored = storedRoundBoxes(store, p, 2);
    EXPECT_EQ(stored.holes[2], "10");
    EXPECT_EQ(stored.holes[9], "0");
    EXPECT_EQ(stored.out, "   49");
    EXPECT_EQ(stored.in, "   45");
}

TEST(ScoreEntryScores, BoxesAreRoundedAndTotalsTakenAsShown) {
    HoleBoxes b = boxes({{1, " 4"}, {2, "10"}, {5, "7.5"}, {18, " 3"}});
    HoleScores scores = boxScores(b, "  50", "   3");
    EXPECT_EQ(scores[2], 10);
    EXPECT_EQ(scores[3], 0);
    EXPECT_EQ(scores[5], 8);
    EXPECT_EQ(scores[OutSlot], 50); // typed totals are kept, not added up again
    EXPECT_EQ(scores[InSlot], 3);
    EXPECT_EQ(boxScores(HoleBoxes{}, "99999", "")[OutSlot], INT16_MAX);
}

// A forgotten hole is asked about; a whole nine left empty is a nine-hole round.
TEST(ScoreEntryScores, AHoleLeftEmptyInAPlayedNineIsAsked) {
    const struct {
        std::vector<int> empty; // holes left empty, the others hold " 4"
        int asked;
    } cases[] = {
        {{}, 0},
        {{7}, 7},
        {{7, 3}, 3},
        {{16}, 16},
        {{10, 11, 12, 13, 14, 15, 16, 17, 18}, 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}, 12},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, 0}, // only the totals typed
    };
    for (const auto& c : cases) {
        HoleBoxes holes;
        holes.fill(" 4");
        for (int h : c.empty)
            holes[static_cast<std::size_t>(h)] = h % 2 ? "" : "0"; // an empty box, or a 0 (a stored round)
        EXPECT_EQ(firstMissingHole(holes), c.asked) << c.asked;
    }
    EXPECT_EQ(missingHoleQuestion(7).text, "Hole 7 has no score. Record the round anyway?");
}

TEST(ScoreEntryScores, StrokeControlRewritesOnlyTheCappedHoles) {
    HoleScores typed = holeScores({5, 10, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    HoleScores capped = typed;
    capped[2] = 7;
    HoleBoxes texts = strokeControlTexts(typed, capped);
    EXPECT_EQ(texts[2], "7");
    for (std::size_t h : {1u, 6u, 18u})
        EXPECT_EQ(texts[h], "") << h;
}

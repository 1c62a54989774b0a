// The World Handicap System over a player's rounds: recording, editing and
// deleting rounds, the exceptional score reductions, the caps, and the work
// the worksheet shows.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "handicap/RoundRecorder.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "views/NightResults.h"
#include "views/Worksheet.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

struct Played {
    int month, day, year;
    HoleScores scores;
    int tee = MensTee;
};

class WhsTest : public ::testing::Test {
  protected:
    WhsTest() { reset(); }

    // Pine Hills (course 1) and Flat Links (course 2: every tee 72.0 / 113, so a
    // differential is the gross minus 72), stroke indexes on every tee.
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
    // 40 on a nine rated 36.0 / 113: 4.0, plus the expected 0.52 x 54.0 + 1.2 = 29.28 while there is no
    // index.
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
    EXPECT_NE(std::find(panel.begin(), panel.end(), "Hole 1: 9 counted as 7"), panel.end());
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
        std::vector<WhsRoundInput> rounds;
        for (int r = 1; r <= 20; ++r) {
            Played p = flat(r <= 3 ? 81 : c.later, r);
            if (r <= 3 && c.startMonth) std::tie(p.month, p.year) = std::pair(c.startMonth, 23);
            WhsRoundInput in;
            in.slot = r;
            std::tie(in.month, in.day, in.year) = std::tuple{
                static_cast<int16_t>(p.month), static_cast<int16_t>(p.day), static_cast<int16_t>(p.year)};
            in.course = 2;
            in.tee = MensTee;
            in.holes = p.scores;
            in.rewrite = true;
            rounds.push_back(in);
        }
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

// The worksheet as of the third round: 20.0, 8.0 and 14.0 give the lowest
// (8.0) less 2.0, and only that round is marked used.
TEST_F(WhsTest, TheWorksheetMarksTheRoundsTheIndexUses) {
    recordAll({flat(92, 0), flat(80, 1), flat(86, 2)}, 2);
    Worksheet sheet = buildWorksheet(store, ann, Date{1, 15, 2024});
    ASSERT_TRUE(sheet.whs.has_value());
    ASSERT_EQ(sheet.rounds.size(), 3u);
    ASSERT_TRUE(sheet.index.has_value());
    EXPECT_EQ(*sheet.index, 6.0f);
    EXPECT_EQ((std::array{sheet.rounds[0].used, sheet.rounds[1].used, sheet.rounds[2].used}),
              (std::array{false, true, false}));
    std::string text;
    for (const std::string& line : worksheetLines(sheet))
        text += line + "\n";
    EXPECT_NE(text.find("Lowest 1: 8.0, -2.0 for 3 differentials = 6.0"), std::string::npos) << text;
    EXPECT_NE(text.find(WhsIndexNote), std::string::npos);
}

// The worksheet under the method, as of the last date and as of a date between
// rounds: the index stored with the newest round up to the date, the rounds the
// index table uses marked, and every step of every round on its lines.
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
            EXPECT_EQ(sheet.index.has_value(), hasHandicap(newest.RoundIndex));
            if (sheet.index) {
                EXPECT_EQ(*sheet.index, newest.RoundIndex);
            }

            std::optional<whs::IndexTableRow> row = whs::indexTable(k);
            const int used = sheet.index && row ? row->used : 0;
            int marked = 0, worst = -100000, best = 100000;
            for (std::size_t i = 0; i < sheet.rounds.size(); ++i) {
                const int d = sheet.whs->rounds[i].adjustedDifferential;
                if (sheet.rounds[i].used) {
                    ++marked;
                    worst = std::max(worst, d);
                } else {
                    best = std::min(best, d);
                }
                EXPECT_EQ(whs::toTenths(sheet.rounds[i].differential), sheet.whs->rounds[i].differential);
            }
            EXPECT_EQ(marked, used);
            if (used > 0 && used < k) {
                EXPECT_LE(worst, best) << "the lowest are the ones used";
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

// A night's results: the course handicap the round was played off, the
// playing handicap at the league's allowance and the net from it; NH where
// there is no index yet, and nothing made up where there is no handicap.
TEST_F(WhsTest, TheNightSheetWorksTheNetFromThePlayingHandicap) {
    store.settings.WhsAllowance = 85;
    std::vector<Played> rounds = twelveRounds();
    recordAll(std::vector<Played>(rounds.begin(), rounds.begin() + 5), 1);
    const WhsPlayerWork work = playerWhs(store, ann);
    auto night = [&](int r) {
        const Played& p = rounds[static_cast<std::size_t>(r - 1)];
        return nightResults(store, static_cast<int16_t>(p.month), static_cast<int16_t>(p.day),
                            static_cast<int16_t>(p.year));
    };
    const Date today{6, 1, 2024};

    NightSheet first = night(1);
    ASSERT_EQ(first.rounds.size(), 1u);
    EXPECT_FALSE(first.rounds[0].courseHcp || first.rounds[0].playingHcp || first.rounds[0].net);
    const std::vector<std::string> lines = nightSheetLines(store, first, today);
    EXPECT_EQ(lines[6].substr(lines[6].size() - 2), "NH");
    EXPECT_EQ(lines[4].size(), nightSheetLines(store, NightSheet{}, today)[4].size())
        << "the line keeps its width";
    const CsvRows csv = nightCsvRows(first);
    EXPECT_EQ(csv[1], (std::vector<std::string>{"Ann", "Pine Hills", plainNumber(rounds[0].tee),
                                                plainNumber(first.rounds[0].gross), "", "", "", "", ""}));

    NightSheet fifth = night(5);
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

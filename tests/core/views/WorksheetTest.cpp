// The handicap worksheet: the stored index for a full league under every option,
// the worked examples line by line, and the index as of earlier and later dates.
#include "views/Worksheet.h"
#include "core/Samples.h"
#include "handicap/RoundRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <tuple>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;
using Diffs = std::vector<float>;
using Slots = std::vector<int>;

// Round r of a season: weekly from 04/02/24 (r = 1), as the league file dates it.
Date weekOf(int r) {
    using namespace std::chrono;
    const year_month_day d{sys_days{2024y / April / 2} + days{7 * (r - 1)}};
    return {static_cast<int>(unsigned{d.month()}), static_cast<int>(unsigned{d.day()}), int{d.year()}};
}

void setRules(Store& store, int16_t method, int16_t option, int16_t toUse = 10, int16_t percent = 40) {
    store.settings.HcpMethod = method;
    store.settings.RoundsOption = option;
    store.settings.RoundsToUse = toUse;
    store.settings.PercentRounds = percent;
}

// Records a round from `tee` as score entry does, stroke control included.
void record(Store& store, RoundRecorder& recorder, int p, int r, int course, int tee,
            const HoleScores& typed) {
    Date d = weekOf(r);
    store.CurrentPlayer = static_cast<int16_t>(p);
    store.CurrentCourse = static_cast<int16_t>(course);
    store.EditSlot = 0;
    store.EntryMonth = static_cast<int16_t>(d.month);
    store.EntryDay = static_cast<int16_t>(d.day);
    store.EntryYear = static_cast<int16_t>(d.year % 100);
    bool byHole =
        std::any_of(typed.begin() + 1, typed.begin() + 19, [](int16_t score) { return score != 0; });
    ASSERT_EQ(recorder.recordTyped(typed, byHole, tee).outcome, RecordOutcome::Recorded);
}

// 100 players of 20 rounds each, from a pattern: every third player now and
// then plays another tee, every tenth is far above the limits, every seventh
// round is a nine-hole round, and the rounds alternate between two courses.
Store fullLeague(int16_t method, int16_t option, int16_t toUse) {
    Store store = sampleStore();
    addSampleCourse(store, "Oak Bend", {{{68.4, 112}, {69.9, 121}, {72.8, 135}}});
    setRules(store, method, option, toUse);
    store.settings.StrokeOption = 2;
    store.settings.HcpLimitOption = 2;
    RoundRecorder recorder(store);
    for (int p = 1; p <= MaxPlayers; ++p)
        addSamplePlayer(store, "Player " + std::to_string(p), p % 3 + 1);
    for (int r = 1; r <= MaxRounds; ++r)
        for (int p = 1; p <= MaxPlayers; ++p) {
            std::array<int, 18> holes{};
            for (int h = 0; h < 18; ++h) {
                int over = p % 10 == 0 ? 5 : (p * 7 + r * 3 + h * 5) % (p % 4 + 3);
                holes[static_cast<std::size_t>(h)] =
                    samplePars[static_cast<std::size_t>(h)] + over - (h % 9 == r % 9);
                if (r % 7 == 3 && h >= 9) holes[static_cast<std::size_t>(h)] = 0;
            }
            int tee = p % 3 == 0 && r % 4 == 0 ? (p + r) % 3 + 1 : p % 3 + 1;
            record(store, recorder, p, r, 1 + (p + r) % 2, tee, holeScores(holes));
        }
    return store;
}

TEST(Worksheet, IndexIsTheStoredOneForEveryPlayerOfAFullLeague) {
    for (int16_t method = 1; method <= 3; ++method)
        for (auto [option, toUse] : {std::pair<int16_t, int16_t>{1, 10}, {2, 10}, {3, 10}, {4, 5}}) {
            SCOPED_TRACE("method " + std::to_string(method) + " option " + std::to_string(option));
            const Store store = fullLeague(method, option, toUse);
            int limited = 0;
            for (int p = 1; p <= MaxPlayers; ++p)
                for (int slot = 1; slot <= MaxRounds; ++slot) {
                    Worksheet sheet = buildWorksheet(store, p, weekOf(slot));
                    const RoundRecord& held = store.player(p).round[static_cast<std::size_t>(slot)];
                    ASSERT_EQ(sheet.newestSlot, slot);
                    ASSERT_FALSE(sheet.roundsMissing);
                    ASSERT_EQ(sheet.computedIndex, held.RoundIndex) << "player " << p << " slot " << slot;
                    ASSERT_EQ(sheet.index, held.RoundIndex);
                    limited +=
                        sheet.steps.size() > 6 && sheet.steps[6].find(" is above ") != std::string::npos;
                }
            EXPECT_GT(limited, 0) << "the limits were never reached";
        }
}

// A player whose rounds have these differentials, the index worked out after
// each as recording does; dated weekly.
int playerWith(Store& store, const Diffs& diffs, int tee = MensTee) {
    int p = addSamplePlayer(store, "Ann", tee);
    setDifferentials(store, p, diffs);
    for (int r = 1; r <= static_cast<int>(diffs.size()); ++r) {
        Date d = weekOf(r);
        RoundRecord& round = store.player(p).round[static_cast<std::size_t>(r)];
        round.RoundMonth = static_cast<int16_t>(d.month);
        round.RoundDay = static_cast<int16_t>(d.day);
        round.RoundYear = 24;
        CalcValues v;
        v.RoundSlot = static_cast<int16_t>(r);
        std::vector<std::string> panel;
        ComputeHandicapIndex(v, store, p, tee, panel);
    }
    return p;
}

// The worked examples line by line; for the rule and the limit in words, only
// the rule and the seventh line, the limit's.
TEST(Worksheet, WorkedExamplesAndTheRuleAndLimitInWords) {
    struct Example {
        int16_t method, option, percent, limit;
        Diffs diffs;
        std::string rule;
        Lines steps; // all of them, or only the limit line
        Slots considered = {}, used = {};
    };
    const Example examples[] = {
        // One differential of 15.0: 15 x 0.96 is 14.3999996 as a Single, 144.0 after x 10.
        {1, 1, 40, 1, Diffs{15.0f}, "best 1 of 1 round by the standard schedule",
         Lines{"Differentials considered, lowest first: 15.0", "Rounds used: the lowest 1 of 1", "Sum: 15.0",
               "Average: 15.0 / 1 = 15.00", "Multiplier: 15.00 x 0.96 = 14.4",
               "Cut to a tenth, not rounded: 14.4", "Limit: none (the rules set no limit)",
               "Handicap index: 14.4"},
         Slots{1}, Slots{1}},
        // Casual, 8 rounds: the six newest, the best four of them, times 0.95.
        {3, 1, 40, 1, Diffs{5.0f, 3.0f, 12.3f, 8.1f, 20.0f, 9.9f, 15.5f, 7.2f},
         "casual: 4 of the 6 most recent, multiplier 0.95",
         Lines{"Differentials considered, lowest first: 7.2 8.1 9.9 12.3 15.5 20.0",
               "Rounds used: the lowest 4 of 6", "Sum: 7.2 + 8.1 + 9.9 + 12.3 = 37.5",
               "Average: 37.5 / 4 = 9.375 (Avg. = 9.38)", "Multiplier: 9.375 x 0.95 = 8.90625",
               "Cut to a tenth, not rounded: 8.9", "Limit: none (the rules set no limit)",
               "Handicap index: 8.9"},
         Slots{3, 4, 5, 6, 7, 8}, Slots{3, 4, 6, 8}},
        // Each player's last 10, 14 rounds: the ten newest, all of them averaged; the
        // product is the Single 13.9679995, written with seven digits as the panel writes it.
        {1, 4, 40, 1, Diffs{1, 2, 3, 4, 10.5f, 11, 12, 13, 14, 15, 16, 17, 18, 19}, "the 10 most recent",
         Lines{"Differentials considered, lowest first: 10.5 11.0 12.0 13.0 14.0 15.0 16.0 17.0 18.0 19.0",
               "Rounds used: the lowest 10 of 10",
               "Sum: 10.5 + 11.0 + 12.0 + 13.0 + 14.0 + 15.0 + 16.0 + 17.0 + 18.0 + 19.0 = 145.5",
               "Average: 145.5 / 10 = 14.55", "Multiplier: 14.55 x 0.96 = 13.968",
               "Cut to a tenth, not rounded: 13.9", "Limit: none (the rules set no limit)",
               "Handicap index: 13.9"},
         Slots{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, Slots{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {2, 1, 40, 2, Diffs{38, 40, 41, 45, 50, 39, 42},
         "to par: best 2 of 7 rounds by the standard schedule",
         Lines{"Limit: 36.9 is above 36.4, the standard limit from the Mens Tee: 36.4"}},
        {1, 2, 40, 2, Diffs{12, 14, 9}, "all 3 rounds until 9 are held",
         Lines{"Limit: 36.4 from the Mens Tee (the standard limit), not reached"}},
        {1, 3, 15, 1, Diffs{12, 14, 9, 10}, "best 1 of 4 rounds, 15 percent, at least one",
         Lines{"Limit: none (the rules set no limit)"}},
        {1, 4, 40, 1, Diffs{12, 14, 9}, "all 3 rounds (the rules take the 10 most recent)",
         Lines{"Limit: none (the rules set no limit)"}},
        {3, 1, 40, 2, Diffs{12}, "casual: the only round, multiplier 0.80",
         Lines{"Limit: 36.4 from the Mens Tee (the standard limit), not reached"}},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.rule);
        Store store = sampleStore();
        setRules(store, e.method, e.option, 10, e.percent);
        store.settings.HcpLimitOption = e.limit;
        Worksheet sheet = buildWorksheet(store, playerWith(store, e.diffs), {12, 31, 2024});
        EXPECT_EQ(sheet.rule, e.rule);
        if (e.steps.size() == 1) {
            ASSERT_GE(sheet.steps.size(), 7u);
            EXPECT_EQ(sheet.steps[6], e.steps[0]);
            continue;
        }
        EXPECT_EQ(sheet.steps, e.steps);
        Slots considered, used;
        for (const WorksheetRound& r : sheet.rounds) {
            considered.push_back(r.slot);
            if (r.used) used.push_back(r.slot);
        }
        EXPECT_EQ(considered, e.considered);
        EXPECT_EQ(used, e.used);
        EXPECT_EQ(sheet.history.size(), e.diffs.size());
    }
}

TEST(Worksheet, AsOfBeforeBetweenAndBeyondTheRoundsHeld) {
    Store store = sampleStore();
    RoundRecorder recorder(store);
    int p = addSamplePlayer(store, "Ann", MensTee);
    // 25 rounds: the five oldest, the lowest, were dropped when the 21st to 25th came.
    for (int r = 1; r <= 25; ++r)
        record(store, recorder, p, r, 1, MensTee, totalScores(r <= 5 ? 36 : 44 + r % 4, r <= 5 ? 36 : 45));
    const PlayerRecord& ann = store.player(p);
    ASSERT_EQ(ann.RoundCount, 20);

    Worksheet before = buildWorksheet(store, p, weekOf(5));
    EXPECT_EQ(before.newestSlot, 0);
    EXPECT_FALSE(before.roundsMissing);
    EXPECT_TRUE(before.history.empty());
    EXPECT_FALSE(before.index);
    EXPECT_EQ(before.steps, (Lines{"No round of Ann on or before 04/30/2024 is held.",
                                   "Older rounds are no longer held (the league keeps the last 20)."}));

    // method, as of, newest slot, the date of the round whose stored index a sheet with missing rounds shows
    const Date between = {weekOf(8).month, weekOf(8).day + 3, 2024};
    const std::tuple<int16_t, Date, int, std::string> cases[] = {{1, between, 3, "05/21/24"},
                                                                 {1, weekOf(25), 20, ""},
                                                                 {1, weekOf(15), 10, "07/09/24"},
                                                                 {3, weekOf(15), 10, ""},
                                                                 {3, between, 3, "05/21/24"}};
    for (const auto& [method, asOf, slot, storedOn] : cases) {
        SCOPED_TRACE(std::to_string(asOf.month) + "/" + std::to_string(asOf.day));
        store.settings.HcpMethod = method;
        Worksheet sheet = buildWorksheet(store, p, asOf);
        EXPECT_EQ(sheet.newestSlot, slot);
        EXPECT_EQ(sheet.roundsMissing, !storedOn.empty());
        EXPECT_EQ(sheet.history.size(), static_cast<std::size_t>(slot));
        if (method == 1) {
            EXPECT_EQ(sheet.index, ann.round[static_cast<std::size_t>(slot)].RoundIndex);
        }
        if (!storedOn.empty()) {
            EXPECT_EQ(sheet.rounds.size(), static_cast<std::size_t>(slot));
            EXPECT_EQ(
                sheet.steps.front(),
                "Rounds this index was worked out from are no longer held (the league keeps the last 20).");
            ASSERT_EQ(sheet.steps.size(), 2u);
            EXPECT_EQ(sheet.steps[1].rfind("Index stored with the round of " + storedOn + ": ", 0), 0u)
                << sheet.steps[1];
        }
    }
}

TEST(Worksheet, TextLinesAndSpreadsheetRows) {
    Store store = sampleStore();
    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 7;
    RoundRecorder recorder(store);
    int p = addSamplePlayer(store, "Ann Able", MensTee);
    record(store, recorder, p, 1, 1, ProTee,
           holeScores({4, 9, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 8}));
    Worksheet sheet = buildWorksheet(store, p, weekOf(2));
    // Holes 2 and 18 typed 9 and 8, kept as 7; from the Pro tee (78 - 73.5) x 113 / 131 = 3.88.
    Lines lines = worksheetLines(sheet);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Handicap Worksheet: Ann Able, as of 04/09/2024");
    EXPECT_EQ(lines[4],
              "Used Date     Course Tee    Out  In Gross Rating Slope  Diff Index  Holes at maximum");
    EXPECT_EQ(lines[5], "  *  04/02/24 Pi     Pro     39  39    78   73.5   131   3.9   3.7  2 18");
    EXPECT_EQ(lines[7],
              "Holes at maximum: the holes at the stroke-control maximum; the scores typed are not kept.");
    EXPECT_EQ(lines.back(), "  Pi  Pine Hills: Ladies Tee 4, Mens Tee 4, Pro Tee 4");
    EXPECT_EQ(worksheetCsvRows(sheet),
              (std::vector<Lines>{
                  {"date", "course", "tee", "out", "in", "gross", "differential", "used", "index_after"},
                  {"2024-04-02", "Pi", "3", "39", "39", "78", "3.9", "yes", "3.7"}}));
}

} // namespace

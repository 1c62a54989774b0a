// Every method x rounds option x limit option x stroke option x nine-hole
// option: a season of 22 rounds (the last two push out the oldest), one round
// edited and one deleted, each compared with a model written here from the
// rules, step by step in single precision.
#include "core/TestFiles.h"
#include "core/handicap/HandicapSamples.h"
#include "handicap/RoundRecorder.h"
#include "store/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;

struct ModelRound {
    float diff = 0, index = 0, hcp = 0;
    HoleScores holes{};
};

// The rules as the handicap pages state them.
struct Model {
    Settings r;
    std::vector<ModelRound> rounds;
    Lines panel;

    HoleScores strokeControlled(HoleScores s, bool fromHoles, float prevHcp) const {
        for (std::size_t h = 1; h <= 18; ++h) {
            int par = samplePars[h - 1], most = 99;
            if (r.StrokeOption == 2) // whole-number course handicaps: double bogey up to 9, then 7..10
                most = prevHcp <= 9    ? par + 2
                       : prevHcp <= 19 ? 7
                       : prevHcp <= 29 ? 8
                       : prevHcp <= 39 ? 9
                                       : 10;
            if (r.StrokeOption == 3) most = par + r.StrokesAbovePar;
            if (r.StrokeOption == 4) most = r.MaxStrokesPerHole;
            s[h] = static_cast<int16_t>(std::min<int>(s[h], most));
        }
        if (fromHoles) {
            s[OutSlot] = s[InSlot] = 0;
            for (std::size_t h = 1; h <= 18; ++h)
                s[h <= 9 ? OutSlot : InSlot] = static_cast<int16_t>(s[h <= 9 ? OutSlot : InSlot] + s[h]);
        }
        return s;
    }

    // A round calculated into slot `slot` (0-based) from `tee`, limited by that tee.
    void calculate(std::size_t slot, int tee) {
        static constexpr float ratings[4] = {0, 70.1f, 71.2f, 73.5f}, slopes[4] = {0, 118, 125, 131};
        float rating = r.HcpMethod == 1 ? ratings[tee] : 72, slope = r.HcpMethod == 1 ? slopes[tee] : 113;
        ModelRound& m = rounds[slot];
        bool nineHoles = m.holes[OutSlot] == 0 || m.holes[InSlot] == 0;
        float gross = static_cast<float>(m.holes[OutSlot] + m.holes[InSlot]);
        if (r.NineHoleOption == 1 && nineHoles) gross *= 2;
        if (r.NineHoleOption == 2 && nineHoles) rating *= 0.5f;
        float d = (gross - rating) * 113;
        d = d / slope;
        m.diff = static_cast<float>(std::floor(static_cast<double>(d) * 10 + 0.5) / 10);

        static constexpr int schedule[21] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
        static constexpr int casualUsed[7] = {0, 1, 2, 2, 2, 3, 4};
        static constexpr float casualFactor[7] = {0, 0.8f, 0.8f, 0.85f, 0.9f, 0.9f, 0.95f};
        int held = static_cast<int>(slot + 1);
        int considered = r.HcpMethod == 3      ? std::min(held, 6)
                         : r.RoundsOption == 4 ? std::min<int>(held, r.RoundsToUse)
                                               : held;
        std::vector<float> ds;
        for (std::size_t i = slot + 1 - static_cast<std::size_t>(considered); i <= slot; ++i)
            ds.push_back(rounds[i].diff);
        std::sort(ds.begin(), ds.end());
        int used = schedule[considered];
        float factor = r.HcpMethod == 3 ? casualFactor[considered] : r.IndexFactor;
        if (r.HcpMethod == 3)
            used = casualUsed[considered];
        else if ((r.RoundsOption == 2 && considered < 9) || r.RoundsOption == 4)
            used = considered;
        else if (r.RoundsOption == 3)
            used = std::max(1, static_cast<int>(r.PercentRounds / 100.0 * considered));

        panel = {"Ann", "differentials"};
        for (float x : ds)
            panel.push_back(generalNumber(x));
        if (r.HcpMethod == 3 || factor != 0.96f)
            panel.push_back("HCP factor " + formatPattern(factor, "0.00"));
        panel.push_back(r.HcpMethod == 3 ? "Rounds Considered = " + std::to_string(considered)
                                         : "total rounds = " + std::to_string(held));
        panel.push_back("# of rounds used = " + std::to_string(used));
        float sum = 0;
        for (int i = 0; i < used; ++i)
            sum = sum + ds[static_cast<std::size_t>(i)];
        float avg = sum / static_cast<float>(used);
        panel.push_back("Avg. = " + formatPattern(avg, "0.00"));
        float tenths = avg * factor;
        tenths = tenths * 10;
        float index = std::trunc(tenths) / 10; // toward zero either way
        if (tee != 3 && r.HcpLimitOption > 1)
            index = std::min(index, r.HcpLimitOption == 2 ? (tee == 2 ? 36.4f : 40.4f)
                                                          : (tee == 2 ? r.MensHcpMax : r.WomensHcpMax));
        panel.push_back("Hcp index = " + generalNumber(index));
        m.index = index;
        float q = index * slope;
        q = q / 113;
        m.hcp = static_cast<float>(std::floor(static_cast<double>(q) + 0.5));
    }
};

// Round k as typed: mostly hole by hole (a 12 on one hole), some totals only, some nine holes.
HoleScores seasonRound(int k, bool& fromHoles) {
    fromHoles = k % 7 != 3 && k % 11 != 8;
    if (k % 7 == 3) return totalScores(40 + k % 6, 43);
    if (k % 11 == 8) return totalScores(0, 44 + k % 3);
    std::array<int, 18> holes{};
    for (int h = 1; h <= 18; ++h) {
        int over = (k * 7 + h * 3) % 4 - (k % 4 == 0 ? 1 : 0) + (k < 3 ? 4 : 0);
        holes[static_cast<std::size_t>(h - 1)] = h == k % 18 + 1 ? 12
                                                 : (k % 7 == 5 && h > 9)
                                                     ? 0
                                                     : samplePars[static_cast<std::size_t>(h - 1)] + over;
    }
    return holeScores(holes);
}

class DiscardingWriter : public FileWriter {
  public:
    bool writeFile(const std::filesystem::path&, std::string_view) override { return true; }
};

void expectSlotsMatch(const Store& store, const Model& model) {
    ASSERT_EQ(store.player(1).RoundCount, static_cast<int>(model.rounds.size()));
    for (std::size_t i = 0; i < model.rounds.size(); ++i) {
        const RoundRecord& rd = store.player(1).round[i + 1];
        const ModelRound& m = model.rounds[i];
        EXPECT_EQ(rd.RoundDiff, m.diff) << "slot " << i + 1;
        EXPECT_EQ(rd.RoundIndex, m.index) << "slot " << i + 1;
        EXPECT_EQ(rd.RoundCourseHcp, m.hcp) << "slot " << i + 1;
        EXPECT_EQ(rd.HoleScore, m.holes) << "slot " << i + 1;
    }
}

void runSeason(const Settings& rules, int defaultTee, int playedTee) {
    SCOPED_TRACE(::testing::Message()
                 << "method " << rules.HcpMethod << ", rounds " << rules.RoundsOption << ", limit "
                 << rules.HcpLimitOption << ", stroke " << rules.StrokeOption << ", nine "
                 << rules.NineHoleOption << ", factor " << rules.IndexFactor << ", tees " << defaultTee << "/"
                 << playedTee);
    Store store = sampleStore();
    store.writer = std::make_shared<DiscardingWriter>();
    TempDir dir; // the lock and the undo notes are still written
    store.workDir = dir.path();
    store.league.LeagueFilePath = "Season.LGE";
    store.settings = rules;
    addSamplePlayer(store, "Ann", defaultTee);
    store.CurrentCourse = 1;
    RoundRecorder recorder(store);
    Model model{rules, {}, {}};
    bool fromHoles = true;

    for (int k = 0; k < 22; ++k) {
        HoleScores typed = seasonRound(k, fromHoles);
        store.CurrentPlayer = 1;
        store.EditSlot = 0;
        ASSERT_EQ(recorder.recordTyped(typed, fromHoles, playedTee).outcome, RecordOutcome::Recorded) << k;
        float previous = model.rounds.empty() ? 40 : model.rounds.back().hcp;
        if (model.rounds.size() == 20) model.rounds.erase(model.rounds.begin());
        model.rounds.push_back({0, 0, 0, model.strokeControlled(typed, fromHoles, previous)});
        model.calculate(model.rounds.size() - 1, playedTee);
        EXPECT_EQ(recorder.panel(), model.panel) << "round " << k;
        expectSlotsMatch(store, model);
        if (::testing::Test::HasFailure()) return;
    }

    // Slot 8 played again: stroke control against slot 7, the index from slots 1..8.
    HoleScores edited = seasonRound(40, fromHoles);
    store.EditSlot = 8;
    ASSERT_EQ(recorder.recordTyped(edited, fromHoles, playedTee).outcome, RecordOutcome::Recorded);
    model.rounds[7].holes = model.strokeControlled(edited, fromHoles, model.rounds[6].hcp);
    model.calculate(7, playedTee);
    EXPECT_EQ(recorder.panel(), model.panel) << "edit";
    expectSlotsMatch(store, model);

    // Slot 3 deleted: the newest is recalculated from the default tee.
    store.EditSlot = 3;
    EXPECT_FALSE(recorder.deleteRound(defaultTee));
    model.rounds.erase(model.rounds.begin() + 2);
    model.calculate(model.rounds.size() - 1, defaultTee);
    expectSlotsMatch(store, model);
}

class HandicapCombinations : public ::testing::TestWithParam<std::tuple<int16_t, int16_t>> {};

TEST_P(HandicapCombinations, SeasonMatchesTheRules) {
    Settings s;
    SetDefaults(s);
    s.RoundsToUse = 5;
    s.PercentRounds = 40;
    s.StrokesAbovePar = 3;
    s.MaxStrokesPerHole = 9;
    s.MensHcpMax = 30;
    s.WomensHcpMax = 33;
    std::tie(s.HcpMethod, s.RoundsOption) = GetParam();
    int i = 0;
    for (s.HcpLimitOption = 1; s.HcpLimitOption <= 3; ++s.HcpLimitOption)
        for (s.StrokeOption = 1; s.StrokeOption <= 4; ++s.StrokeOption)
            for (s.NineHoleOption = 1; s.NineHoleOption <= 3; ++s.NineHoleOption, ++i) {
                s.IndexFactor = (i / 3) % 2 ? 0.9f : 0.96f;
                runSeason(s, 1 + i % 3, 1 + (i / 4) % 3);
                if (HasFailure()) return;
            }
}

INSTANTIATE_TEST_SUITE_P(MethodAndRoundsOption, HandicapCombinations,
                         ::testing::Combine(::testing::Range<int16_t>(1, 4),
                                            ::testing::Range<int16_t>(1, 5)));

} // namespace

// The World Handicap System over a full league: 100 players with 20 rounds
// each, recorded under the method. One round recorded for each player (the
// oldest dropped, every held round's tee found again and its work redone); the
// whole league worked again after an edit of each player's oldest round; and
// the work of every player as the worksheet reads it.
#include "BenchLeague.h"
#include "handicap/RoundRecorder.h"

#include <functional>
#include <stdexcept>
#include <string>

using namespace tallyrock;
using bench::countItems;
using bench::Pars;

namespace {
constexpr int16_t Indexes[19] = {0, 7, 15, 11, 1, 9, 17, 5, 13, 3, 8, 16, 12, 2, 10, 18, 6, 14, 4};

HoleScores roundOf(int p, int r) {
    HoleScores s{};
    for (int h = 1; h <= 18; ++h) {
        s[static_cast<std::size_t>(h)] =
            static_cast<int16_t>(Pars[h - 1] + (p + r + h) % 4 + (h == r % 18 ? 4 : 0));
        s[h <= 9 ? OutSlot : InSlot] =
            static_cast<int16_t>(s[h <= 9 ? OutSlot : InSlot] + s[static_cast<std::size_t>(h)]);
    }
    return s;
}

class WhsLeague : public bench::TempLeague {
  public:
    WhsLeague() : TempLeague("whs") {
        SetDefaults(store.settings);
        store.settings.HcpMethod = stored(HandicapMethod::Whs);
        bench::addPineHills(store, {" 70.1", " 71.2", " 73.5"}, {" 118", " 125", " 131"});
        auto& f = store.courses.CourseField[1];
        f[field::OutPar] = "36";
        f[field::InPar] = "36";
        for (int t = 1; t <= 3; ++t)
            for (std::size_t h = 1; h <= 18; ++h)
                store.whs.tees[{1, t}].StrokeIndex[h] = Indexes[h];
        bench::addPlayers(store, "Player ");
        RoundRecorder recorder(store);
        for (int p = 1; p <= MaxPlayers; ++p)
            for (int r = 1; r <= MaxRounds; ++r)
                record(recorder, p, r, 0);
    }
    void record(RoundRecorder& recorder, int p, int r, int editSlot) {
        store.CurrentPlayer = static_cast<int16_t>(p);
        store.CurrentCourse = 1;
        store.EditSlot = static_cast<int16_t>(editSlot);
        store.EntryMonth = static_cast<int16_t>(1 + r % 12);
        store.EntryDay = static_cast<int16_t>(1 + r % 28);
        store.EntryYear = 24;
        // Every fourth round from the blue tee: the tees are found again from the stored rounds.
        int tee = r % 4 == 0 ? ProTee : store.player(p).PlayerTee;
        if (recorder.record(roundOf(p, r), tee).outcome != RecordOutcome::Recorded)
            throw std::runtime_error("a round was refused");
    }
};

// Each run records round `roundOfRun(run)` for every player, into `editSlot` (0: a new round).
void recordEveryPlayer(benchmark::State& state, const std::function<int(int)>& roundOfRun, int editSlot) {
    WhsLeague league;
    RoundRecorder recorder(league.store);
    int run = 0;
    for (auto _ : state) {
        for (int p = 1; p <= MaxPlayers; ++p)
            league.record(recorder, p, roundOfRun(run), editSlot);
        ++run;
    }
}

void BM_WhsRecordRoundForEachOf100Players(benchmark::State& state) {
    recordEveryPlayer(
        state, [](int run) { return 21 + run; }, 0);
    countItems(state, MaxPlayers);
}
BENCHMARK(BM_WhsRecordRoundForEachOf100Players)->Unit(benchmark::kMicrosecond);

void BM_WhsWholeLeagueAgainAfterAnEdit(benchmark::State& state) {
    // The oldest round of every player corrected: all 20 rounds of each worked again.
    recordEveryPlayer(
        state, [](int run) { return 1 + run % 2; }, 1);
    countItems(state, MaxPlayers * MaxRounds);
}
BENCHMARK(BM_WhsWholeLeagueAgainAfterAnEdit)->Unit(benchmark::kMicrosecond);

void BM_WhsWorkOfEveryPlayer(benchmark::State& state) {
    WhsLeague league;
    for (auto _ : state)
        for (int p = 1; p <= MaxPlayers; ++p)
            benchmark::DoNotOptimize(playerWhs(league.store, p));
    countItems(state, MaxPlayers);
}
BENCHMARK(BM_WhsWorkOfEveryPlayer)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

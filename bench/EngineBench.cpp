// A week's rounds for a full league: one round recorded for each of 100 players
// who already have 20 rounds (so every recording drops the oldest), with stroke
// control, the differential, the index and the course handicap; then the save
// of the league file. BM_ImportWeek does the same from a CSV text.
#include "BenchLeague.h"
#include "handicap/RoundImport.h"
#include "handicap/RoundRecorder.h"
#include "store/LeagueFile.h"

#include <string>

using namespace tallyrock;
using bench::countItems;
using bench::Pars;

namespace {

HoleScores weekRound(int p) {
    HoleScores s{};
    for (int h = 1; h <= 18; ++h)
        s[static_cast<std::size_t>(h)] = static_cast<int16_t>(Pars[h - 1] + (p + h) % 4);
    return s;
}

// A full league of 100 players with 20 rounds each, on one course, in a temporary folder.
class FullLeague : public bench::TempLeague {
  public:
    FullLeague() : TempLeague("engine") {
        SetDefaults(store.settings);
        store.settings.StrokeOption = 2;
        store.settings.NineHoleOption = 1;
        bench::addPineHills(store, {" 71.2", " 71.2", " 71.2"}, {" 125", " 125", " 125"});

        bench::addPlayers(store, "Player ");
        bench::fillRounds(store, [](RoundRecord& rd, int p, int r) {
            rd.HoleScore = weekRound(p + r);
            rd.RoundDiff = static_cast<float>((p * 7 + r * 13) % 300) / 10.0f;
            rd.RoundIndex = static_cast<float>((p * 3 + r) % 300) / 10.0f;
            rd.RoundCourseHcp = static_cast<float>((p + r) % 36);
            rd.RoundCourse = 1;
            rd.RoundMonth = static_cast<int16_t>(1 + r % 12);
            rd.RoundDay = static_cast<int16_t>(1 + r);
            rd.RoundYear = 24;
        });
        store.CurrentCourse = 1;
        store.EntryMonth = 6;
        store.EntryDay = 5;
        store.EntryYear = 24;
    }

    void recordWeek(RoundRecorder& recorder) {
        for (int p = 1; p <= MaxPlayers; ++p) {
            store.CurrentPlayer = static_cast<int16_t>(p);
            RecordResult result = recorder.recordTyped(weekRound(p), true, store.player(p).PlayerTee);
            benchmark::DoNotOptimize(result);
        }
    }
};

void BM_RecordRoundForEachOf100Players(benchmark::State& state) {
    FullLeague league;
    RoundRecorder recorder(league.store);
    for (auto _ : state)
        league.recordWeek(recorder);
    countItems(state, MaxPlayers);
}
BENCHMARK(BM_RecordRoundForEachOf100Players)->Unit(benchmark::kMicrosecond);

void BM_RecordRoundForEachOf100PlayersAndSave(benchmark::State& state) {
    FullLeague league;
    RoundRecorder recorder(league.store);
    for (auto _ : state) {
        league.recordWeek(recorder);
        if (recorder.FinishEntry()) state.SkipWithError("the league file could not be written");
    }
    countItems(state, MaxPlayers);
}
BENCHMARK(BM_RecordRoundForEachOf100PlayersAndSave)->Unit(benchmark::kMillisecond);

void BM_ImportWeek(benchmark::State& state) {
    FullLeague league;
    std::string csv = "date,player,course,out,in\r\n";
    for (int p = 1; p <= MaxPlayers; ++p)
        csv +=
            "06/05/24,Player " + std::to_string(p) + ",Pine Hills," + std::to_string(40 + p % 5) + ",43\r\n";
    for (auto _ : state) {
        ImportResult result = importRounds(league.store, csv);
        if (result.recorded != MaxPlayers) state.SkipWithError("the week was not recorded");
    }
    countItems(state, MaxPlayers);
}
BENCHMARK(BM_ImportWeek)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

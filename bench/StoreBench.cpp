// Load and save of a full league: 100 players with 20 rounds each, 54,301 lines.
// The whole file is rewritten on every save, so this is the cost a user waits
// for after each round entered. BM_CopyFile gives the plain copy of the same
// file for comparison.
#include "BenchLeague.h"
#include "store/LeagueFile.h"

#include <filesystem>
#include <stdexcept>
#include <string>

using namespace tallyrock;
namespace fs = std::filesystem;

namespace {

// A league as full as the tables allow, with values of every kind and sign.
void fillFullLeague(Store& store) {
    bench::addPlayers(store, "Player, Number ");
    bench::fillRounds(store, [](RoundRecord& rd, int p, int r) {
        rd.RoundDiff = static_cast<float>((p * 7 + r * 13) % 400) / 10.0f - 2.5f;
        rd.RoundMonth = static_cast<int16_t>(1 + r % 12);
        rd.RoundDay = static_cast<int16_t>(1 + (p + r) % 28);
        rd.RoundYear = static_cast<int16_t>((p + r) % 100);
        rd.RoundIndex = static_cast<float>((p * 3 + r) % 360) / 10.0f;
        rd.RoundCourseHcp = static_cast<float>((p + r) % 40);
        rd.RoundCourse = static_cast<int16_t>(1 + (p + r) % 200);
        int out = 0, in = 0;
        for (int h = 1; h <= 18; ++h) {
            auto score = static_cast<int16_t>(3 + (p + r + h) % 5);
            rd.HoleScore[static_cast<std::size_t>(h)] = score;
            (h <= 9 ? out : in) += score;
        }
        rd.HoleScore[OutSlot] = static_cast<int16_t>(out);
        rd.HoleScore[InSlot] = static_cast<int16_t>(in);
    });
}

// A temporary working folder holding one saved full league.
class FullLeague : public bench::TempLeague {
  public:
    FullLeague() : TempLeague("bench") {
        fillFullLeague(store);
        if (SaveLeagueFile(store)) throw std::runtime_error("cannot write the league file");
    }
};

void setBytes(benchmark::State& state, const FullLeague& league) {
    auto bytes = static_cast<int64_t>(fs::file_size(league.folder / "Full.LGE"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
    state.counters["lines"] = 1 + 543 * MaxPlayers;
}

void BM_LoadLeagueFile(benchmark::State& state) {
    FullLeague league;
    for (auto _ : state) {
        Failure failure = LoadLeagueFile(league.store);
        if (failure || league.store.league.PlayerCount != MaxPlayers) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(league.store.league);
    }
    setBytes(state, league);
}

void BM_SaveLeagueFile(benchmark::State& state) {
    FullLeague league;
    for (auto _ : state) {
        Failure failure = SaveLeagueFile(league.store);
        if (failure) state.SkipWithError("save failed");
    }
    setBytes(state, league);
}

// The text alone, without the file system: how much of a save is formatting.
void BM_LeagueFileText(benchmark::State& state) {
    FullLeague league;
    for (auto _ : state)
        benchmark::DoNotOptimize(leagueFileText(league.store.league));
    setBytes(state, league);
}

// A plain copy of the same file, the floor for any save.
void BM_CopyFile(benchmark::State& state) {
    FullLeague league;
    fs::path from = league.folder / "Full.LGE", to = league.folder / "Copy.LGE";
    for (auto _ : state)
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    setBytes(state, league);
}

} // namespace

BENCHMARK(BM_LoadLeagueFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLeagueFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeagueFileText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

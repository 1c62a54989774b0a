// The World Handicap System over a full league: 100 players with 20 rounds
// each, recorded under the method. One round recorded for each player (the
// oldest dropped, every held round's tee found again and its work redone); the
// whole league worked again after an edit of each player's oldest round; and
// the work of every player as the worksheet reads it.
#include "handicap/RoundRecorder.h"
#include "store/NumberText.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

using namespace tallyrock;
namespace fs = std::filesystem;

namespace {

constexpr int Pars[18] = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
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

class WhsLeague {
  public:
    WhsLeague() {
        std::string pattern = (fs::temp_directory_path() / "tallyrock-whs-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        folder = pattern;
        store.workDir = folder;
        store.league.LeagueFilePath = "Full.LGE";
        SetDefaults(store.settings);
        store.settings.HcpMethod = stored(HandicapMethod::Whs);
        CourseTable& courses = store.courses;
        courses.CourseCount = 1;
        auto& f = courses.CourseField[1];
        f[field::Name] = "Pine Hills";
        f[field::OutPar] = "36";
        f[field::InPar] = "36";
        f[field::TotalPar] = " 72";
        for (int h = 1; h <= 18; ++h)
            f[static_cast<std::size_t>(field::holePar(h))] = " " + plainNumber(Pars[h - 1]);
        const char* ratings[] = {"", " 70.1", " 71.2", " 73.5"};
        const char* slopes[] = {"", " 118", " 125", " 131"};
        for (int t = 1; t <= 3; ++t) {
            f[static_cast<std::size_t>(field::rating(t))] = ratings[t];
            f[static_cast<std::size_t>(field::slope(t))] = slopes[t];
            for (std::size_t h = 1; h <= 18; ++h)
                store.whs.tees[{1, t}].StrokeIndex[h] = Indexes[h];
        }
        store.league.PlayerCount = MaxPlayers;
        RoundRecorder recorder(store);
        for (int p = 1; p <= MaxPlayers; ++p) {
            store.player(p).PlayerName = "Player " + std::to_string(p);
            store.player(p).PlayerTee = static_cast<int16_t>(1 + p % 3);
            for (int r = 1; r <= MaxRounds; ++r)
                record(recorder, p, r, 0);
        }
    }
    ~WhsLeague() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    WhsLeague(const WhsLeague&) = delete;
    WhsLeague& operator=(const WhsLeague&) = delete;

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

    fs::path folder;
    Store store;
};

void BM_WhsRecordRoundForEachOf100Players(benchmark::State& state) {
    WhsLeague league;
    RoundRecorder recorder(league.store);
    int week = 21;
    for (auto _ : state) {
        for (int p = 1; p <= MaxPlayers; ++p)
            league.record(recorder, p, week, 0);
        ++week;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * MaxPlayers);
}
BENCHMARK(BM_WhsRecordRoundForEachOf100Players)->Unit(benchmark::kMicrosecond);

void BM_WhsWholeLeagueAgainAfterAnEdit(benchmark::State& state) {
    WhsLeague league;
    RoundRecorder recorder(league.store);
    int version = 0;
    for (auto _ : state) {
        // The oldest round of every player corrected: all 20 rounds of each worked again.
        for (int p = 1; p <= MaxPlayers; ++p)
            league.record(recorder, p, 1 + version % 2, 1);
        ++version;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * MaxPlayers * MaxRounds);
}
BENCHMARK(BM_WhsWholeLeagueAgainAfterAnEdit)->Unit(benchmark::kMicrosecond);

void BM_WhsWorkOfEveryPlayer(benchmark::State& state) {
    WhsLeague league;
    for (auto _ : state)
        for (int p = 1; p <= MaxPlayers; ++p)
            benchmark::DoNotOptimize(playerWhs(league.store, p));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * MaxPlayers);
}
BENCHMARK(BM_WhsWorkOfEveryPlayer)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

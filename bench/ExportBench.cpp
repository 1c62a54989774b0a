// The rounds export of a full league: 100 players with 20 recorded rounds
// each, from three rated tees, as CSV text and as the file written through the
// data folder's atomic change.
#include "handicap/RoundImport.h"
#include "store/NumberText.h"
#include "views/CsvExport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

using namespace tallyrock;
namespace fs = std::filesystem;

namespace {

constexpr int Pars[18] = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

class FullLeague {
  public:
    FullLeague() {
        std::string pattern = (fs::temp_directory_path() / "tallyrock-export-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        folder = pattern;
        store.workDir = folder;
        store.league.LeagueFilePath = "Full.LGE";
        SetDefaults(store.settings);
        store.settings.StrokeOption = 2;

        auto& f = store.courses.CourseField[1];
        store.courses.CourseCount = 1;
        f[field::Name] = "Pine Hills";
        f[field::TotalPar] = " 72";
        for (int h = 1; h <= 18; ++h)
            f[static_cast<std::size_t>(field::holePar(h))] = " " + plainNumber(Pars[h - 1]);
        const char* ratings[] = {" 70.1", " 71.2", " 73.5"};
        const char* slopes[] = {" 118", " 125", " 131"};
        for (int t = 1; t <= 3; ++t) {
            f[static_cast<std::size_t>(field::rating(t))] = ratings[t - 1];
            f[static_cast<std::size_t>(field::slope(t))] = slopes[t - 1];
        }
        store.league.PlayerCount = MaxPlayers;
        for (int p = 1; p <= MaxPlayers; ++p) {
            store.player(p).PlayerName = "Player, No. " + std::to_string(p);
            store.player(p).PlayerTee = static_cast<int16_t>(1 + p % 3);
        }
        std::string csv =
            "date,player,course,h1,h2,h3,h4,h5,h6,h7,h8,h9,h10,h11,h12,h13,h14,h15,h16,h17,h18\r\n";
        for (int week = 1; week <= MaxRounds; ++week)
            for (int p = 1; p <= MaxPlayers; ++p) {
                csv += "2024-05-" + std::to_string(week + 1) + ",\"Player, No. " + std::to_string(p) +
                       "\",Pine Hills";
                for (int h = 1; h <= 18; ++h)
                    csv += "," + std::to_string(Pars[h - 1] + (p + week + h) % 4);
                csv += "\r\n";
            }
        if (importRounds(store, csv).recorded != MaxPlayers * MaxRounds)
            throw std::runtime_error("the season was not recorded");
    }
    ~FullLeague() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    FullLeague(const FullLeague&) = delete;
    FullLeague& operator=(const FullLeague&) = delete;

    fs::path folder;
    Store store;
};

void BM_RoundsExportText(benchmark::State& state) {
    FullLeague league;
    for (auto _ : state) {
        std::string text = csvText(roundsCsvRows(league.store));
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * MaxPlayers * MaxRounds);
}
BENCHMARK(BM_RoundsExportText)->Unit(benchmark::kMillisecond);

void BM_RoundsExportToFile(benchmark::State& state) {
    FullLeague league;
    const fs::path file = league.folder / "rounds.csv";
    for (auto _ : state) {
        if (writeCsvExport(league.store, file, roundsCsvRows(league.store)))
            state.SkipWithError("the export could not be written");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * MaxPlayers * MaxRounds);
}
BENCHMARK(BM_RoundsExportToFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

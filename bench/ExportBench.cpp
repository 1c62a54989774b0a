// The rounds export of a full league: 100 players with 20 recorded rounds
// each, from three rated tees, as CSV text and as the file written through the
// data folder's atomic change.
#include "BenchLeague.h"
#include "handicap/RoundImport.h"
#include "views/CsvExport.h"

#include <filesystem>
#include <stdexcept>
#include <string>

using namespace tallyrock;
using bench::countItems;
using bench::Pars;
namespace fs = std::filesystem;

namespace {

class FullLeague : public bench::TempLeague {
  public:
    FullLeague() : TempLeague("export") {
        SetDefaults(store.settings);
        store.settings.StrokeOption = 2;
        bench::addPineHills(store, {" 70.1", " 71.2", " 73.5"}, {" 118", " 125", " 131"});
        bench::addPlayers(store, "Player, No. ");
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
};

void BM_RoundsExportText(benchmark::State& state) {
    FullLeague league;
    for (auto _ : state) {
        std::string text = csvText(roundsCsvRows(league.store));
        benchmark::DoNotOptimize(text);
    }
    countItems(state, MaxPlayers * MaxRounds);
}
BENCHMARK(BM_RoundsExportText)->Unit(benchmark::kMillisecond);

void BM_RoundsExportToFile(benchmark::State& state) {
    FullLeague league;
    const fs::path file = league.folder / "rounds.csv";
    for (auto _ : state) {
        if (writeCsvExport(league.store, file, roundsCsvRows(league.store)))
            state.SkipWithError("the export could not be written");
    }
    countItems(state, MaxPlayers * MaxRounds);
}
BENCHMARK(BM_RoundsExportToFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

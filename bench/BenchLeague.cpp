#include "BenchLeague.h"

#include "store/NumberText.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace tallyrock::bench {

TempLeague::TempLeague(const char* kind) {
    std::string pattern =
        (fs::temp_directory_path() / ("tallyrock-" + std::string(kind) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    folder = pattern;
    store.workDir = folder;
    store.league.LeagueFilePath = "Full.LGE";
}

TempLeague::~TempLeague() {
    std::error_code ec;
    fs::remove_all(folder, ec);
}

void addPineHills(Store& store, const char* const (&ratings)[3], const char* const (&slopes)[3]) {
    store.courses.CourseCount = 1;
    auto& f = store.courses.CourseField[1];
    f[field::Name] = "Pine Hills";
    f[field::TotalPar] = " 72";
    for (int h = 1; h <= 18; ++h)
        f[static_cast<std::size_t>(field::holePar(h))] = " " + plainNumber(Pars[h - 1]);
    for (int t = 1; t <= 3; ++t) {
        f[static_cast<std::size_t>(field::rating(t))] = ratings[t - 1];
        f[static_cast<std::size_t>(field::slope(t))] = slopes[t - 1];
    }
}

void addPlayers(Store& store, const std::string& namePrefix) {
    store.league.PlayerCount = MaxPlayers;
    for (int p = 1; p <= MaxPlayers; ++p) {
        store.player(p).PlayerName = namePrefix + std::to_string(p);
        store.player(p).PlayerTee = static_cast<int16_t>(1 + p % 3);
    }
}

void fillRounds(Store& store, const std::function<void(RoundRecord&, int, int)>& fill) {
    for (int p = 1; p <= MaxPlayers; ++p) {
        PlayerRecord& player = store.player(p);
        player.RoundCount = MaxRounds;
        for (int r = 1; r <= MaxRounds; ++r)
            fill(player.round[static_cast<std::size_t>(r)], p, r);
    }
}

void countItems(benchmark::State& state, int64_t perRun) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * perRun);
}

} // namespace tallyrock::bench

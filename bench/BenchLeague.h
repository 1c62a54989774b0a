#pragma once
// What the benchmarks share: a league in a temporary folder that goes when the
// benchmark ends, the course they all play, and the items a run counts.
#include "store/Store.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace tallyrock::bench {

// Pine Hills' pars, hole 1 to 18.
constexpr int Pars[18] = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

// A store working in a fresh temporary folder (tallyrock-<kind>-XXXXXX) on the
// league file Full.LGE; the folder and all in it are removed with it.
class TempLeague {
  public:
    explicit TempLeague(const char* kind);
    ~TempLeague();
    TempLeague(const TempLeague&) = delete;
    TempLeague& operator=(const TempLeague&) = delete;

    std::filesystem::path folder;
    Store store;
};

// Pine Hills, par 72, as the only course, its three tees rated and sloped as given.
void addPineHills(Store& store, const char* const (&ratings)[3], const char* const (&slopes)[3]);

// A full roster: every player named `namePrefix` and a number, on the tees in turn.
void addPlayers(Store& store, const std::string& namePrefix);
// Gives every player a full record of rounds, each filled by `fill` (player, round).
void fillRounds(Store& store, const std::function<void(RoundRecord&, int, int)>& fill);

// The items each run of the loop handles, for the rate the report shows.
void countItems(benchmark::State& state, int64_t perRun);

} // namespace tallyrock::bench

#pragma once
// Stores for the tests: courses, players and rounds with chosen values.

#include "handicap/HandicapCalculation.h"
#include "store/Store.h"

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace tallyrock::test {

// Pars 4 4 3 5 4 4 3 5 4 on both nines (36, 36, 72).
inline constexpr std::array<int, 18> samplePars{4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

struct TeeRating {
    double rating, slope;
};

// Adds a course as the course window stores it; returns its number.
int addSampleCourse(Store& store, const std::string& name, const std::array<TeeRating, 3>& tees,
                    const std::array<int, 18>& pars = samplePars);
// Course c with the name and initials, par 4 everywhere, 70.5 / 113 on every tee.
void setCourse(Store& store, int c, const std::string& name, const std::string& initials);
// Course c with the 18 pars (fewer pars leave the later holes empty) and its initials.
void setChartCourse(Store& store, int c, const std::vector<int>& pars, const std::string& initials);

// A store with the defaults of a fresh start, nine-hole option 1, and the
// course "Pine Hills": red 70.1/118, white 71.2/125, blue 73.5/131.
Store sampleStore();

// Adds a player without rounds in the next slot (an empty name leaves a gap in
// the list); returns the slot.
int addSamplePlayer(Store& store, const std::string& name, int tee = 2);

// Gives the player these rounds' differentials, oldest first (other values 0,
// course 1).
void setDifferentials(Store& store, int p, const std::vector<float>& diffs);

struct RoundSample {
    int month = 7, day = 3, year = 6;
    int course = 1;
    int out = 45, in = 43;
    float index = 12.3f;
    float courseHcp = 14;
    std::array<int, 19> holes{}; // 1..18; all 0 unless given
};
// Records the round as the newest of player p.
void addRound(Store& store, int p, const RoundSample& round);
// Records the rounds, oldest first, as the newest of player p.
void addRounds(Store& store, int p, std::initializer_list<RoundSample> rounds);
// An empty store over the folder, with its league file named when one is given.
Store storeIn(const std::filesystem::path& folder, const std::string& leagueFile = {});
// Appends a round with its differential and index; the course handicap is the index rounded.
RoundRecord& addChartRound(Store& store, int p, float diff, float index, int course = 1);
// Sets the hole scores 1..n of a round (0 for holes not played) and their totals.
void setHoleScores(RoundRecord& round, std::initializer_list<int> scores);

// The slots of the players with a mark.
std::vector<int> markedPlayers(const Store& store);

// Hole scores with Out and In added up.
HoleScores holeScores(const std::array<int, 18>& holes);
// Totals only, holes 0.
HoleScores totalScores(int out, int in);

} // namespace tallyrock::test

#pragma once
// Stores for the handicap tests: a course with three rated tees and players
// with given differentials.

#include "handicap/HandicapCalculation.h"
#include "store/Store.h"

#include <array>
#include <string>
#include <vector>

namespace tallyrock::test {

// Pars 4 4 3 5 4 4 3 5 4 on both nines (36, 36, 72).
inline constexpr std::array<int, 18> samplePars{4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

struct TeeRating {
    double rating;
    double slope;
};

// Adds a course as the course window stores it; returns its number.
int addSampleCourse(Store& store, const std::string& name, const std::array<TeeRating, 3>& tees,
                    const std::array<int, 18>& pars = samplePars);

// A store with the defaults of a fresh start, nine-hole option 1, and the
// course "Pine Hills": red 70.1/118, white 71.2/125, blue 73.5/131.
Store sampleStore();

// Adds a player with default tee `tee`; returns the slot.
int addSamplePlayer(Store& store, const std::string& name, int tee);

// Gives the player these rounds' differentials, oldest first (other values 0,
// course 1).
void setDifferentials(Store& store, int p, const std::vector<float>& diffs);

// The slots of the players with a mark.
std::vector<int> markedPlayers(const Store& store);

// Hole scores with Out and In added up.
HoleScores holeScores(const std::array<int, 18>& holes);
// Totals only, holes 0.
HoleScores totalScores(int out, int in);

} // namespace tallyrock::test

#pragma once
// Players, rounds and courses for the chart and card tests.

#include "store/Store.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tallyrock::test {

// Adds a player in the next slot (an empty name leaves a gap in the list).
int addChartPlayer(Store& store, const std::string& name);
// Appends a round with its differential and index; the course handicap is the index rounded.
RoundRecord& addChartRound(Store& store, int p, float diff, float index, int course = 1);
// Course c with the 18 pars (fewer pars leave the later holes empty) and its initials.
void setChartCourse(Store& store, int c, const std::vector<int>& pars, const std::string& initials);
// Sets the hole scores 1..n of a round (0 for holes not played).
void setHoleScores(RoundRecord& round, std::initializer_list<int> scores);

} // namespace tallyrock::test

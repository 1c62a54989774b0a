#pragma once
// The tee a stored round was played from. The league file keeps no tee with a
// round, but the round's differential and course handicap were worked from
// that tee's rating and slope, so they tell it.

#include "store/Store.h"

namespace tallyrock {

// The tee (1..3) whose rating and slope give the differential stored with
// slot r of player p, and among those the one that also gives its course
// handicap; the player's default tee when it is one of them (under the to-par
// and casual methods every tee is), and when no tee gives the differential
// (the course was changed since).
int playedTee(const Store& store, int p, int r);

} // namespace tallyrock

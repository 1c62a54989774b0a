#pragma once
// Leagues with chosen rounds for the rounds view and listing tests.

#include "store/Store.h"

#include <array>
#include <string>

namespace tallyrock::test {

struct RoundSample {
    int month = 7, day = 3, year = 6;
    int course = 1;
    int out = 45, in = 43;
    float index = 12.3f;
    float courseHcp = 14;
    std::array<int, 19> holes{}; // 1..18; all 0 unless given
};

// Appends a player with no rounds; returns the slot.
int addPlayer(Store& store, const std::string& name, int tee = 2);
// Records the round as the newest of player p.
void addRound(Store& store, int p, const RoundSample& round);
// Course c with the name and initials, par 4 everywhere, slope 113 on every tee.
void setCourse(Store& store, int c, const std::string& name, const std::string& initials);

} // namespace tallyrock::test

// The one-based tables: slots 0..Last are there, anything else is refused
// instead of read past the end.
#include "store/LeagueTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tallyrock;

TEST(SlotTable, SlotsFromZeroToTheLastAndNoOther) {
    LeagueTables league;
    league.player[MaxPlayers].round[MaxRounds].RoundCourse = 7;
    const LeagueTables& read = league;
    EXPECT_EQ(read.player[MaxPlayers].round[MaxRounds].RoundCourse, 7);
    EXPECT_EQ(read.player[0].round[0].RoundCourse, 0);
    EXPECT_THROW(league.player[MaxPlayers + 1], std::out_of_range);
    EXPECT_THROW(league.player[-1], std::out_of_range);
    EXPECT_THROW(read.player[1].round[MaxRounds + 1], std::out_of_range);
}

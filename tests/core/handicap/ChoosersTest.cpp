// The player choosers: the player a name stands for, the round list newest
// first, and the round a list position stands for.
#include "handicap/Choosers.h"
#include "core/Samples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

class ChoosersTest : public ::testing::Test {
  protected:
    ChoosersTest() : store(sampleStore()) {
        for (const char* name : {"Ann", "Bob", "", "Bob", "Cyd"})
            addSamplePlayer(store, name, 2);
    }
    void giveRounds(int p, int count) {
        PlayerRecord& player = store.player(p);
        player.RoundCount = static_cast<int16_t>(count);
        for (int r = 1; r <= count; ++r) {
            RoundRecord& round = player.round[static_cast<std::size_t>(r)];
            round.RoundMonth = static_cast<int16_t>(r % 12 + 1);
            round.RoundDay = static_cast<int16_t>(r + 1);
            round.RoundYear = static_cast<int16_t>(r + 3);
            round.RoundCourse = static_cast<int16_t>(r);
        }
    }
    Store store;
};

} // namespace

TEST_F(ChoosersTest, EditChooserMarksOnlyTheLastPlayerOfTheName) {
    EXPECT_EQ(chooserNames(store.league), (std::vector<std::string>{"Ann", "Bob", "Bob", "Cyd"}));
    store.player(2).PlayerMark = 4; // a mark left by the rounds view
    openEditRoundChooser(store);
    EXPECT_TRUE(markedPlayers(store).empty());
    EXPECT_EQ(chooseRoundPlayer(store, "Bob"), 4);
    EXPECT_EQ(store.CurrentPlayer, 4);
    EXPECT_EQ(markedPlayers(store), (std::vector<int>{4}));
    EXPECT_EQ(chooseRoundPlayer(store, "06/05/07"), 0);
    EXPECT_EQ(store.CurrentPlayer, 4);
}

TEST_F(ChoosersTest, RoundsAreListedNewestFirstWithInitialsAndGross) {
    giveRounds(1, 11);
    store.courses.CourseField[1][field::Initials] = "PH";
    store.player(1).round[1].HoleScore[OutSlot] = 45;
    store.player(1).round[1].HoleScore[InSlot] = 44;
    store.player(1).round[11].HoleScore[OutSlot] = 101; // on a course that is not in the table
    std::vector<std::string> lines = roundDateLines(store, 1);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.front(), "12/12/14        101"); // slot 11
    EXPECT_EQ(lines.back(), "02/02/04   PH    89");  // slot 1
    EXPECT_TRUE(roundDateLines(store, 2).empty());
}

TEST_F(ChoosersTest, APositionStandsForTheSlotCountedFromTheNewest) {
    giveRounds(5, 20);
    store.CurrentPlayer = 5;
    ASSERT_TRUE(chooseRoundDate(store, 0));
    EXPECT_EQ(store.EditSlot, 20);
    ASSERT_TRUE(chooseRoundDate(store, 19)); // the last entry edits the oldest round
    EXPECT_EQ(store.EditSlot, 1);
    EXPECT_EQ(store.EntryMonth * 10000 + store.EntryDay * 100 + store.EntryYear, 20204);
    ASSERT_TRUE(chooseRoundDate(store, 14));
    EXPECT_EQ(store.EditSlot, 6);
    EXPECT_EQ(store.CurrentCourse, 6);
    EXPECT_FALSE(chooseRoundDate(store, 20));
    EXPECT_FALSE(chooseRoundDate(store, -1));
    store.CurrentPlayer = 2; // no rounds: nothing to choose
    EXPECT_FALSE(chooseRoundDate(store, 0));
}

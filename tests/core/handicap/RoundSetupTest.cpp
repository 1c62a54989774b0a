// Round set-up: the date spins and their captions, the checks of accept in
// their order, the marks by list entry, the date question and the hand-over.
#include "handicap/RoundSetup.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/CourseFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

class RoundSetupTest : public ::testing::Test {
  protected:
    RoundSetupTest() : store(sampleStore()) {
        FillMonthNames(store);
        addSampleCourse(store, "Oak Hollow", {{{68, 115}, {69.5, 120}, {71, 126}}});
        addSampleCourse(store, "PINE HILLS", {{{70, 118}, {71, 124}, {73, 130}}});
        for (const char* name : {"Ann", "", "Bob", "Cyd"})
            addSamplePlayer(store, name, 2);
    }
    Store store;
};

} // namespace

TEST_F(RoundSetupTest, OpeningTakesTodayAndListsEveryNamedPlayerWithItsSlot) {
    TempDir dir;
    store.workDir = dir.path();
    RoundSetupOpening opening = openRoundSetup(store, Date{6, 5, 2007});
    EXPECT_EQ(monthLabelText(store), "Jun");
    EXPECT_EQ(opening.day, 5);
    EXPECT_EQ(yearLabelText(opening.year), "07");
    EXPECT_TRUE(opening.courseLoad); // no course file in the folder

    std::vector<PlayerEntry> players = roundSetupPlayers(store.league);
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[1].name, "Bob");
    EXPECT_EQ(players[1].slot, 3); // not its list position + 1
}

TEST_F(RoundSetupTest, DateSpinsStayInTheirRangesAndTheYearRunsRound) {
    EXPECT_EQ(yearLabelText(yearSpin(99, true)), "00");
    EXPECT_EQ(yearCaption(yearSpin(99, true)), "Year 2000");
    EXPECT_EQ(yearSpin(0, false), 99);
    EXPECT_EQ(yearCaption(84), "Year 2084");
    EXPECT_EQ(yearCaption(85), "Year 1985");
    EXPECT_EQ(daySpin(31, true), 31); // February 31 can be entered
    EXPECT_EQ(daySpin(1, false), 1);
    store.EntryMonth = 12;
    monthSpin(store, true);
    EXPECT_EQ(monthLabelText(store), "Dec");
    store.EntryMonth = 1;
    monthSpin(store, false);
    EXPECT_EQ(store.EntryMonth, 1);
}

TEST_F(RoundSetupTest, TheCourseIsCheckedBeforeThePlayers) {
    store.player(4).PlayerMark = 1; // an earlier choice is cleared
    SetupAccept accept = acceptRoundSetup(store, {}, "Nowhere", 5, 7);
    EXPECT_EQ(accept.outcome, SetupOutcome::NoCourse);
    EXPECT_EQ(accept.message.text, "Please select a course before continuing.");
    EXPECT_EQ(accept.message.icon, Icon::Exclamation);
    EXPECT_TRUE(markedPlayers(store).empty());

    accept = acceptRoundSetup(store, {}, "oak hollow", 5, 7);
    EXPECT_EQ(accept.outcome, SetupOutcome::NoPlayers);
    EXPECT_EQ(accept.message.text, "No Players selected, cannot continue.");
    EXPECT_EQ(store.EntryDay, 0); // the date is taken only once both are chosen
}

TEST_F(RoundSetupTest, AcceptMarksEachChosenEntrysOwnSlotAndTakesTheDate) {
    store.settings.DateRemind = 0;
    SetupAccept accept = acceptRoundSetup(store, {3, 4}, "Oak Hollow", 31, 0);
    EXPECT_EQ(accept.outcome, SetupOutcome::Ready);
    EXPECT_EQ(markedPlayers(store), (std::vector<int>{3, 4}));
    EXPECT_EQ(store.EntryDay, 31);
    EXPECT_EQ(store.EntryYear, 0);

    store.EditSlot = 3;
    startRoundEntry(store, "pine hills");
    EXPECT_EQ(store.CurrentCourse, 3); // letter case ignored, the later of the two
    EXPECT_EQ(store.EditSlot, 0);
}

TEST_F(RoundSetupTest, DateRemindAsksAboutTheCourseLastChosen) {
    store.settings.DateRemind = 1;
    store.EntryMonth = 6;
    chooseSetupCourse(store, "Pine Hills");
    EXPECT_EQ(store.CurrentCourse, 3);
    chooseSetupCourse(store, "oak hollow");
    SetupAccept accept = acceptRoundSetup(store, {1}, "oak hollow", 5, 7);
    EXPECT_EQ(accept.outcome, SetupOutcome::Confirm);
    EXPECT_EQ(accept.message.title, "Double Checking Date & Location");
    EXPECT_EQ(accept.message.text, "Is 6/5/2007 at Oak Hollow\r\n"
                                   "the correct date and location of the Round?\r\n\r\n"
                                   "Date / location checking can be disabled, see program settings.");
}

TEST_F(RoundSetupTest, CancelClearsTheMarksAndClosingSettlesTheReminder) {
    acceptRoundSetup(store, {1, 3}, "Oak Hollow", 5, 7);
    cancelRoundSetup(store);
    EXPECT_TRUE(markedPlayers(store).empty());
    store.settings.DateRemind = 2;
    closeRoundSetup(store.settings);
    EXPECT_EQ(store.settings.DateRemind, 1);
}

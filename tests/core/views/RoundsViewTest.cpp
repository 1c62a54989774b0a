// The rounds view: the round line, the three views, the spin button and the date keys.
#include "views/RoundsView.h"
#include "core/Samples.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

RoundSample pccRound() {
    RoundSample r;
    r.holes = {0, 5, 5, 4, 6, 5, 5, 4, 5, 6, 5, 5, 4, 6, 5, 5, 4, 4, 0};
    return r;
}

class RoundsViewTest : public ::testing::Test {
  protected:
    void SetUp() override { setCourse(store, 1, "Pine Creek Club", "PCC"); }
    Store store;
    RoundsView view;
};

TEST_F(RoundsViewTest, RoundLinesKeepTheirColumns) {
    int bob = addSamplePlayer(store, "Bob Smith");
    addRound(store, bob, pccRound());
    store.player(bob).PlayerMark = 1;
    EXPECT_EQ(roundLine(store, bob, 1, ViewMode::Recent),
              "07/03/06   PCC   45   43   88    12.3     5  5  4  6  5  5  4  5  6  5  5  4  6  5  5  4  4  -"
              "   14      1");

    int cy = addSamplePlayer(store, "Cy Moss");
    for (float index : {5.0f, 10.4f, -1.2f}) {
        RoundSample r = pccRound();
        r.index = index;
        r.courseHcp = index < 0 ? -1 : 7;
        addRound(store, cy, r);
    }
    EXPECT_EQ(roundLine(store, cy, 1, ViewMode::ByDate).substr(29, 12), "     5.0    ");
    EXPECT_EQ(roundLine(store, cy, 2, ViewMode::ByDate).substr(29, 12), "    10.4    ");
    EXPECT_EQ(roundLine(store, cy, 3, ViewMode::ByDate).substr(29, 12), "    -1.2    ");
    // The course handicap column: one space in front of a single digit.
    EXPECT_EQ(roundLine(store, cy, 1, ViewMode::ByDate).substr(95), "   7      3");
    EXPECT_EQ(roundLine(store, cy, 3, ViewMode::ByDate).substr(95), "  -1      3");

    // Short initials and unknown courses are padded to the same column.
    setCourse(store, 2, "Oak Hollow", "OH");
    int al = addSamplePlayer(store, "Al Brown");
    addRounds(store, al, {{7, 3, 6, 2, 5, 4}, {7, 3, 6, 0, 5, 4}});
    EXPECT_EQ(roundLine(store, al, 1, ViewMode::ByDate).substr(0, 30), "07/03/06   OH     5    4   9  ");
    EXPECT_EQ(roundLine(store, al, 2, ViewMode::ByDate).substr(0, 30), "07/03/06          5    4   9  ");
}

TEST_F(RoundsViewTest, RecentViewEarlierDropsPlayersAndLaterBringsThemBack) {
    int a = addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    for (int day : {1, 2})
        addRound(store, a, RoundSample{7, day, 6});
    for (int day : {3, 4, 5})
        addRound(store, b, RoundSample{7, day, 6});
    view.show(store);
    ASSERT_EQ(view.lines().names, (std::vector<std::string>{NameHeading, nameUnderline(), "Ann", "Ben"}));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/02/06");
    EXPECT_EQ(view.lines().rounds[3].substr(view.lines().rounds[3].size() - 2), " 3");

    for (int press = 0; press < 3; ++press)
        EXPECT_EQ(view.spinDown(store), EarlierRoundsText);
    EXPECT_EQ(store.player(a).PlayerMark, 0);
    EXPECT_EQ(view.lines().size(), 2u); // Ben's mark reached 0 as well

    EXPECT_EQ(view.spinUp(store), LaterRoundsText);
    ASSERT_EQ(view.lines().size(), 4u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/01/06");
    EXPECT_EQ(view.lines().rounds[2].substr(view.lines().rounds[2].size() - 2), " 1");

    // Once every player shows the newest round, "more recent" has nothing to show.
    view.show(store);
    EXPECT_EQ(view.spinUp(store), std::nullopt);
}

TEST_F(RoundsViewTest, DateViewStartsAtTheNewestDateAndStopsAtTheFirst) {
    int a = addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    addRound(store, b, RoundSample{8, 1, 6});
    addRounds(store, a, {{6, 15, 6}, {8, 1, 6}, {7, 4, 6}});
    view.setMode(ViewMode::ByDate);
    view.show(store);
    EXPECT_EQ(view.dateCount(), 3);
    // Both rounds of the newest date, in league order, each with the player's round count.
    ASSERT_EQ(view.lines().names, (std::vector<std::string>{NameHeading, nameUnderline(), "Ann", "Ben"}));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "08/01/06");
    EXPECT_EQ(view.lines().rounds[2].substr(view.lines().rounds[2].size() - 2), " 3");
    EXPECT_EQ(view.lines().rounds[3].substr(view.lines().rounds[3].size() - 2), " 1");

    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    ASSERT_EQ(view.lines().size(), 3u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "06/15/06");
    EXPECT_EQ(view.spinDown(store), std::nullopt);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "06/15/06");
    EXPECT_EQ(view.spinUp(store), LaterDatesText);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/04/06");
}

TEST_F(RoundsViewTest, LeagueWithoutRoundsShowsOnlyTheHeadings) {
    addSamplePlayer(store, "Ann");
    for (ViewMode mode : {ViewMode::Recent, ViewMode::ByDate}) {
        view.setMode(mode);
        view.show(store);
        EXPECT_EQ(view.lines().rounds, (std::vector<std::string>{RoundHeading, roundUnderline()}));
        EXPECT_EQ(view.spinUp(store), std::nullopt);
        EXPECT_EQ(view.lines().size(), 2u);
    }
}

TEST_F(RoundsViewTest, PlayerViewListsNewestFirstWithTheCountOnTheFirstLine) {
    addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    for (int day : {1, 2, 3})
        addRound(store, b, RoundSample{5, day, 7});
    view.setMode(ViewMode::Player);
    view.fillPlayer(store, b);
    ASSERT_EQ(view.lines().size(), 5u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "05/03/07");
    EXPECT_EQ(view.lines().rounds[4].substr(0, 8), "05/01/07");
    std::string first = view.lines().rounds[2], later = view.lines().rounds[3];
    EXPECT_EQ(first.substr(first.size() - 7), "      3");
    EXPECT_EQ(later.substr(later.size() - 5), "     ");
    EXPECT_EQ(later.size() + 2, first.size());
}

TEST_F(RoundsViewTest, DateKeysFollowTheCalendar) {
    auto key = [](int16_t month, int16_t day, int16_t year) {
        RoundRecord round;
        round.RoundMonth = month, round.RoundDay = day, round.RoundYear = year;
        return dateKey(round);
    };
    EXPECT_LT(key(12, 28, 86), key(1, 4, 87));
    EXPECT_LT(key(12, 31, 99), key(1, 1, 80)); // 2080 comes after 1999
}

TEST_F(RoundsViewTest, MoreThanTwoHundredDatesAreAllKept) {
    for (int p = 0; p < 13; ++p) {
        int slot = addSamplePlayer(store, "Player " + std::to_string(p));
        for (int r = 0; r < 20; ++r)
            addRound(store, slot, RoundSample{1 + (p % 12), 1 + r, 10 + p});
    }
    view.setMode(ViewMode::ByDate);
    view.show(store);
    EXPECT_EQ(view.dateCount(), 260);
    EXPECT_EQ(view.dateIndex(), 260);
    for (int press = 0; press < 259; ++press)
        ASSERT_TRUE(view.spinDown(store));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "01/01/10");
    EXPECT_FALSE(view.spinDown(store));
}

} // namespace
} // namespace tallyrock::test

// The windows' rules on the way to a round: the player and round choosers,
// round set-up's checks, the score boxes, and the rules window with its files.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/Choosers.h"
#include "handicap/RoundSetup.h"
#include "handicap/Rules.h"
#include "handicap/ScoreEntryRules.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// Players Ann, Bob, a gap, Bob again and Cyd; player p with rounds whose
// round r is on course r, dated (r % 12 + 1)/(r + 1)/(r + 3).
Store choosersStore(int p, int rounds) {
    Store store = sampleStore();
    for (const char* name : {"Ann", "Bob", "", "Bob", "Cyd"})
        addSamplePlayer(store, name, 2);
    store.player(p).RoundCount = static_cast<int16_t>(rounds);
    for (int r = 1; r <= rounds; ++r) {
        RoundRecord& round = store.player(p).round[static_cast<std::size_t>(r)];
        round.RoundMonth = static_cast<int16_t>(r % 12 + 1);
        round.RoundDay = static_cast<int16_t>(r + 1);
        round.RoundYear = static_cast<int16_t>(r + 3);
        round.RoundCourse = static_cast<int16_t>(r);
    }
    return store;
}

// Ann, a gap, Bob and Cyd; Oak Hollow as course 2 and a second "PINE HILLS" as course 3.
Store setupStore() {
    Store store = sampleStore();
    FillMonthNames(store);
    addSampleCourse(store, "Oak Hollow", {{{68, 115}, {69.5, 120}, {71, 126}}});
    addSampleCourse(store, "PINE HILLS", {{{70, 118}, {71, 124}, {73, 130}}});
    for (const char* name : {"Ann", "", "Bob", "Cyd"})
        addSamplePlayer(store, name, 2);
    return store;
}

HoleBoxes boxes(std::initializer_list<std::pair<int, std::string>> filled) {
    HoleBoxes b;
    for (const auto& [hole, text] : filled)
        b[static_cast<std::size_t>(hole)] = text;
    return b;
}

Settings defaults() {
    Settings s;
    SetDefaults(s);
    return s;
}

} // namespace

TEST(Choosers, EditChooserMarksOnlyTheLastPlayerOfTheName) {
    Store store = choosersStore(1, 0);
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

TEST(Choosers, APositionStandsForTheSlotCountedFromTheNewest) {
    Store store = choosersStore(5, 20);
    store.CurrentPlayer = 5;
    ASSERT_TRUE(chooseRoundDate(store, 0));
    EXPECT_EQ(store.EditSlot, 20);
    ASSERT_TRUE(chooseRoundDate(store, 19)); // the last entry edits the oldest round
    EXPECT_EQ(store.EditSlot, 1);
    EXPECT_EQ(store.EntryMonth * 10000 + store.EntryDay * 100 + store.EntryYear, 20204);
    ASSERT_TRUE(chooseRoundDate(store, 14));
    EXPECT_EQ(std::pair(store.EditSlot, store.CurrentCourse), (std::pair<int16_t, int16_t>(6, 6)));
    EXPECT_FALSE(chooseRoundDate(store, 20) || chooseRoundDate(store, -1));
    store.CurrentPlayer = 2; // no rounds: nothing to choose
    EXPECT_FALSE(chooseRoundDate(store, 0));
}

TEST(RoundSetup, OpeningTakesTodayAndListsEveryNamedPlayerWithItsSlot) {
    TempDir dir;
    Store store = setupStore();
    store.workDir = dir.path();
    RoundSetupOpening opening = openRoundSetup(store, Date{6, 5, 2007});
    EXPECT_EQ(monthLabelText(store), "Jun");
    EXPECT_EQ(opening.day, 5);
    EXPECT_EQ(yearLabelText(opening.year), "07");
    EXPECT_TRUE(opening.courseLoad); // no course file in the folder
    EXPECT_EQ(yearCaption(84) + ", " + yearCaption(85), "Year 2084, Year 1985");

    std::vector<PlayerEntry> players = roundSetupPlayers(store.league);
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[1].name, "Bob");
    EXPECT_EQ(players[1].slot, 3); // not its list position + 1
}

TEST(RoundSetup, TheCourseIsCheckedBeforeThePlayersAndTheDateTakenLast) {
    Store store = setupStore();
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

    store.settings.DateRemind = 0;
    accept = acceptRoundSetup(store, {3, 4}, "Oak Hollow", 31, 0);
    EXPECT_EQ(accept.outcome, SetupOutcome::Ready);
    EXPECT_EQ(markedPlayers(store), (std::vector<int>{3, 4}));
    EXPECT_EQ(std::pair(store.EntryDay, store.EntryYear), (std::pair<int16_t, int16_t>(31, 0)));

    store.EditSlot = 3;
    startRoundEntry(store, "pine hills");
    EXPECT_EQ(store.CurrentCourse, 3); // letter case ignored, the later of the two
    EXPECT_EQ(store.EditSlot, 0);
}

TEST(RoundSetup, DateRemindAsksAboutTheCourseLastChosen) {
    Store store = setupStore();
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

TEST(HoleBox, DigitsSettleAndMoveOnAsTyped) {
    const struct {
        std::string text;
        int hole;
        bool newRound;
        std::string shown;
        bool moveOn;
    } cases[] = {
        {"4", 3, true, " 4", true},     // a single digit completes the hole
        {"9", 3, true, "9", true},      // a 9 is left as typed
        {"1", 3, true, " 1", false},    // "1" waits for a second digit
        {" 10", 3, true, "10", true},   // then "0" makes 10 and moves on
        {" 12", 9, true, "12", true},   // the front nine's last hole moves to hole 10
        {"0", 3, true, " 0", false},    // 0 does not complete a hole
        {"5", 18, true, " 5", false},   // nothing after hole 18
        {"5", 3, false, " 5", false},   // a corrected round never moves on
        {" 5", 3, true, " 5", true},    // already settled
        {"123", 3, false, "23", false}, // a third digit: the last two stay
        {"102", 4, false, "02", false},
        {"05", 4, true, "05", true}, // a blank before it (" 05") would be cut back to "05" again and again
    };
    for (const auto& t : cases) {
        HoleBoxChange change = holeBoxChange(t.text, t.hole, t.newRound);
        EXPECT_EQ(std::pair(change.text, change.moveOn), std::pair(t.shown, t.moveOn))
            << t.text << " in hole " << t.hole;
    }
    for (char32_t c : {U'0', U'9', char32_t{8}})
        EXPECT_TRUE(scoreKeyPasses(c)) << static_cast<int>(c);
    for (char32_t c : {U' ', U'a', U'-', U'.', char32_t{13}, U'\u0665'})
        EXPECT_FALSE(scoreKeyPasses(c)) << static_cast<int>(c);
}

TEST(ScoreEntry, BoxesAreRoundedAndTotalsTakenAsShown) {
    HoleBoxes b = boxes({{1, " 4"}, {2, "10"}, {5, "7.5"}, {18, " 3"}});
    HoleScores scores = boxScores(b, "  50", "   3");
    EXPECT_EQ(std::tuple(scores[2], scores[3], scores[5]), (std::tuple<int16_t, int16_t, int16_t>(10, 0, 8)));
    EXPECT_EQ(scores[OutSlot], 50); // typed totals are kept, not added up again
    EXPECT_EQ(scores[InSlot], 3);
    EXPECT_EQ(boxScores(HoleBoxes{}, "99999", "")[OutSlot], INT16_MAX);

    // Stroke control rewrites only the capped holes.
    HoleScores typed = holeScores({5, 10, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    HoleScores capped = typed;
    capped[2] = 7;
    HoleBoxes texts = strokeControlTexts(typed, capped);
    EXPECT_EQ(texts[2], "7");
    for (std::size_t h : {1u, 6u, 18u})
        EXPECT_EQ(texts[h], "") << h;
}

// A forgotten hole is asked about; a whole nine left empty is a nine-hole round.
TEST(ScoreEntry, AHoleLeftEmptyInAPlayedNineIsAsked) {
    const struct {
        std::vector<int> empty; // holes left empty, the others hold " 4"
        int asked;
    } cases[] = {
        {{}, 0},
        {{7}, 7},
        {{7, 3}, 3},
        {{16}, 16},
        {{10, 11, 12, 13, 14, 15, 16, 17, 18}, 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}, 12},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, 0}}; // only the totals typed
    for (const auto& c : cases) {
        HoleBoxes holes;
        holes.fill(" 4");
        for (int h : c.empty)
            holes[static_cast<std::size_t>(h)] = h % 2 ? "" : "0"; // an empty box, or a 0 (a stored round)
        EXPECT_EQ(firstMissingHole(holes), c.asked) << c.asked;
    }
    EXPECT_EQ(missingHoleQuestion(7).text, "Hole 7 has no score. Record the round anyway?");
}

TEST(Rules, BoxesOutsideTheirRangesRevertToTheDefault) {
    using Box = std::string RulesForm::*;
    struct Case {
        Box box;
        std::string text;
        double expected;
    };
    auto accepted = [](Box box, const Settings& s) -> double {
        if (box == &RulesForm::factorText) return s.IndexFactor;
        if (box == &RulesForm::roundsText) return s.RoundsToUse;
        if (box == &RulesForm::percentText) return s.PercentRounds;
        if (box == &RulesForm::mensText) return s.MensHcpMax;
        if (box == &RulesForm::womensText) return s.WomensHcpMax;
        if (box == &RulesForm::aboveParText) return s.StrokesAbovePar;
        return s.MaxStrokesPerHole;
    };
    const Box f = &RulesForm::factorText, r = &RulesForm::roundsText, p = &RulesForm::percentText,
              m = &RulesForm::mensText, w = &RulesForm::womensText, a = &RulesForm::aboveParText,
              x = &RulesForm::maxStrokeText;
    const std::vector<Case> cases = {
        {f, "1.1", 1.1f},  {f, "1.11", 0.96f},     {f, ".5", 0.5f},    {f, "0.49", 0.96f}, {f, "", 0.96f},
        {f, "abc", 0.96f}, {f, " 1.05xyz", 1.05f}, {f, "-1", 0.96f}, // multiplier: 0.5 to 1.1
        {r, "20", 20},     {r, "21", 10},          {r, "1", 1},        {r, "0", 10},       {r, "19.5", 20},
        {r, "20.5", 10},   {p, "100", 100},        {p, "5", 50},       {p, "10", 10},      {p, "9.5", 10},
        {p, "101", 50},    {p, "x", 50}, // limits have only an upper bound
        {m, "45", 40},     {m, "40", 40},          {m, "36.4", 36.4f}, {m, "-5", -5},      {w, "45", 45},
        {w, "46", 45},     {w, "abc", 0},          {a, "2", 2},        {a, "7", 7},        {a, "8", 4},
        {a, "1", 4},       {a, "1.5", 2},          {x, "6", 6},        {x, "12", 12},      {x, "13", 10},
        {x, "5", 10},      {x, "5.5", 6}};
    for (const Case& c : cases) {
        Settings s = defaults();
        RulesForm form = rulesFormValues(s);
        form.*c.box = c.text;
        applyRules(s, form);
        EXPECT_EQ(accepted(c.box, s), c.expected) << c.text;
    }
}

TEST(Rules, WindowShowsTheSettingsAndAnUnchangedAcceptKeepsThem) {
    Settings s = defaults();
    s.HcpMethod = 3;
    s.RoundsOption = 4;
    s.RoundsToUse = 12;
    s.MensHcpMax = 36.4f;
    s.IndexFactor = 1.1f;
    s.NineHoleOption = 2;
    s.DateRemind = 1;
    s.HcpLimitOption = 3;
    s.StrokeOption = 4;
    RulesForm form = rulesFormValues(s);
    EXPECT_EQ(form.mensText + " " + form.factorText, "36.4 1.10");
    Settings after = s;
    applyRules(after, form);
    EXPECT_EQ(settingsFileText(after), settingsFileText(s));
    EXPECT_EQ(leagueListText(after), leagueListText(s));

    // Fresh defaults: no rounds count and no nine-hole option chosen yet; a damaged
    // list's option 7 is no option either. The window shows 10 and option 1, which accepting stores.
    for (int16_t nineHole : {0, 7}) {
        s = defaults();
        s.NineHoleOption = nineHole;
        form = rulesFormValues(s);
        EXPECT_EQ(std::pair(form.roundsText, form.nineHole), std::pair(std::string("10"), 1));
        applyRules(s, form);
        EXPECT_EQ(std::tuple(s.RoundsToUse, s.NineHoleOption, s.DateRemind),
                  (std::tuple<int16_t, int16_t, int16_t>(10, 1, 0)));
    }
}

TEST(Rules, AcceptWritesTheLeagueListThenTheSettingsFileOrNeither) {
    TempDir dir;
    Store store = storeIn(dir / "work");
    store.settingsDir = dir / "config";
    std::filesystem::create_directories(store.workDir);
    store.settings = defaults();
    auto writer = std::make_shared<FailingWriter>("no such file");
    store.writer = writer;

    RulesForm form = rulesFormValues(store.settings);
    form.method = 2;
    form.factorText = "0.9";
    form.nineHole = 3;
    form.dateRemind = true;
    form.mensText = "45";
    ASSERT_FALSE(acceptRules(store, form));
    // The versions kept for undo land in the same change.
    EXPECT_EQ(writer->targets,
              (std::vector<std::string>{"vexa.dat", "vexa.ini", "00000001.undo", ".tallyrock.journal"}));
    EXPECT_EQ(readFile(dir / "work" / "vexa.dat"),
              crlf({" 0 ", " .9 ", "Courier New", " 3 ", " 0 ", " 1 ", " 1 "}));
    EXPECT_EQ(readFile(dir / "config" / "vexa.ini"),
              crlf({" 2 ", " 1 ", " 10 ", " 50 ", " 40 ", " 40 ", " 4 ", " 10 ", " 1 ", " 0 ", " 0 ", " 0 ",
                    " 0 "}));

    // A failing league list: the two files change together or not at all.
    TempDir other;
    store = storeIn(other.path());
    store.settingsDir = other.path();
    store.settings = defaults();
    store.writer = std::make_shared<FailingWriter>("vexa.dat");
    Failure failure = acceptRules(store, rulesFormValues(store.settings));
    EXPECT_EQ(failure.value_or(Message{}).text, "Cannot Write vexa.dat, Please check disk write protect.");
    EXPECT_FALSE(std::filesystem::exists(other / "vexa.dat") || std::filesystem::exists(other / "vexa.ini"));
}

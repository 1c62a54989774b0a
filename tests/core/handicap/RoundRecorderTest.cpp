// Recording, editing, deleting and importing rounds, and the windows' rules on the way to a round.
#include "handicap/RoundRecorder.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/Choosers.h"
#include "handicap/CourseHandicapCalculator.h"
#include "handicap/RoundImport.h"
#include "handicap/RoundSetup.h"
#include "handicap/Rules.h"
#include "handicap/ScoreEntryRules.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Fields = std::vector<std::string>;

// 49 out, 45 in: a differential of 20.6 from the white tee of Pine Hills.
const HoleScores sampleRound = holeScores({5, 5, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});

class RecorderTest : public ::testing::Test {
  protected:
    RecorderTest() : store(sampleStore()), recorder(store) {
        store.workDir = dir.path();
        store.league.LeagueFilePath = "Test.LGE";
        ann = addSamplePlayer(store, "Ann", 2);
        store.CurrentPlayer = static_cast<int16_t>(ann);
        store.CurrentCourse = 1;
        store.EntryMonth = 6;
        store.EntryDay = 5;
        store.EntryYear = 24;
    }

    // Totals-only rounds (40 + 42), these differentials (default r), index 50 + r and course hcp 60 + r.
    void storeRounds(int count, const std::vector<float>& diffs = {}) {
        PlayerRecord& pl = store.player(ann);
        pl.RoundCount = static_cast<int16_t>(count);
        for (int r = 1; r <= count; ++r) {
            RoundRecord& rd = pl.round[static_cast<std::size_t>(r)];
            rd.RoundDiff = diffs.empty() ? static_cast<float>(r) : diffs[static_cast<std::size_t>(r - 1)];
            rd.RoundIndex = static_cast<float>(50 + r);
            rd.RoundCourseHcp = static_cast<float>(60 + r);
            rd.RoundMonth = static_cast<int16_t>(r % 12 + 1);
            rd.RoundCourse = 1;
            rd.HoleScore = totalScores(40, 42);
            rd.HoleScore[1] = static_cast<int16_t>(r);
        }
    }
    const RoundRecord& slot(int r) const { return store.player(ann).round[static_cast<std::size_t>(r)]; }

    TempDir dir;
    Store store;
    RoundRecorder recorder;
    int ann = 0;
};

TEST_F(RecorderTest, NewRoundIsStoredWithTotalsAsGiven) {
    HoleScores scores = sampleRound;
    scores[OutSlot] = 45; // not re-added from the holes
    scores[InSlot] = 44;
    ASSERT_EQ(recorder.record(scores, 2).outcome, RecordOutcome::Recorded);
    ASSERT_EQ(store.player(ann).RoundCount, 1);
    EXPECT_EQ(slot(1).RoundMonth * 10000 + slot(1).RoundDay * 100 + slot(1).RoundYear, 60524);
    EXPECT_EQ(slot(1).HoleScore, scores);
    // (89 - 71.2) x 113 / 125 = 16.09; 16.1 x 0.96 = 15.456, cut; 15.4 x 125 / 113 = 17.04
    EXPECT_EQ(std::tuple(slot(1).RoundDiff, slot(1).RoundIndex, slot(1).RoundCourseHcp),
              std::tuple(16.1f, 15.4f, 17.0f));
}

TEST_F(RecorderTest, NoScoreOrNoSlopeStoresNothing) {
    storeRounds(20);
    RecordResult noScore = recorder.record(totalScores(0, 0), 2);
    EXPECT_EQ(noScore.outcome, RecordOutcome::NoScore);
    EXPECT_FALSE(noScore.message);

    store.courses.CourseField[1][static_cast<std::size_t>(field::slope(2))] = " 0";
    RecordResult result = recorder.record(sampleRound, 2);
    EXPECT_EQ(result.outcome, RecordOutcome::Refused);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->title, "Tallyrock");
    EXPECT_EQ(result.message->text, "This round cannot be recorded:\r\n"
                                    "the course Pine Hills has no slope for the Mens Tee.\r\n"
                                    "No handicap differential can be computed without it.");
    EXPECT_EQ(store.player(ann).RoundCount, 20);
    EXPECT_EQ(slot(1).RoundDiff, 1.0f);                                          // the oldest was not dropped
    EXPECT_EQ(recorder.record(sampleRound, 3).outcome, RecordOutcome::Recorded); // another tee records
}

TEST_F(RecorderTest, TwentyFirstRoundDropsTheOldest) {
    storeRounds(20);
    RoundRecord second = slot(2), last = slot(20);
    ASSERT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ(store.player(ann).RoundCount, 20);
    EXPECT_EQ(std::tuple(slot(1).RoundDiff, slot(1).RoundMonth, slot(1).HoleScore),
              std::tuple(second.RoundDiff, second.RoundMonth, second.HoleScore));
    EXPECT_EQ(slot(19).RoundCourseHcp, last.RoundCourseHcp);
    EXPECT_EQ(slot(20).HoleScore, sampleRound);
    // The lowest ten of 2..20 and 20.6: 65 / 10 x 0.96 = 6.24 (5.2 with the dropped round counted).
    EXPECT_EQ(slot(20).RoundIndex, 6.2f);
}

TEST_F(RecorderTest, EditingSlotFiveOfTwelveUsesOnlySlotsOneToFive) {
    storeRounds(12, {10, 12, 14, 16, 18, 8, 6, 4, 2, 1, 3, 5});
    store.EditSlot = 5;
    ASSERT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Recorded);
    EXPECT_EQ(store.player(ann).RoundCount, 12);
    // 10, 12, 14, 16, 20.6: the lowest one counts; 10 x 0.96 is 9.5999994 as a Single.
    EXPECT_EQ(std::tuple(slot(5).RoundDiff, slot(5).RoundIndex, slot(5).RoundCourseHcp),
              std::tuple(20.6f, 9.5f, 11.0f));
    for (int r : {4, 6, 12})
        EXPECT_EQ(slot(r).RoundIndex, static_cast<float>(50 + r)) << r;
    EXPECT_EQ(recorder.panel()[recorder.panel().size() - 4], "total rounds = 5");

    store.EditSlot = 13; // outside the stored rounds
    EXPECT_EQ(recorder.record(sampleRound, 2).outcome, RecordOutcome::Refused);
    EXPECT_EQ(slot(13).RoundDiff, 0.0f);
}

TEST_F(RecorderTest, DeletingTheOnlyRoundSavesWithoutRecalculating) {
    storeRounds(1);
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(std::tuple(store.player(ann).RoundCount, store.CurrentPlayer, recorder.panel().size()),
              std::tuple(0, 0, 0u));
    EXPECT_EQ(slot(1).RoundIndex, 51.0f);
    std::string saved = readFile(dir / "Test.LGE");
    EXPECT_EQ(lineCount(saved), 544);
    EXPECT_EQ(saved.substr(0, 20), " 1 \r\nAnn\r\n 2 \r\n 0 \r\n");
}

TEST_F(RecorderTest, DeletingRecalculatesTheNewNewestSlotByTheMethod) {
    store.settings.HcpMethod = 3; // casual
    storeRounds(10, {1, 2, 3, 4, 15, 14, 13, 12, 11, 99});
    store.EditSlot = 4;
    EXPECT_FALSE(recorder.deleteRound(2));
    ASSERT_EQ(store.player(ann).RoundCount, 9);
    EXPECT_EQ(slot(4).RoundDiff, 15.0f); // former slot 5
    // Former slot 10, 82 to par 72: 10.0; the best four of the six newest (10..15) average 11.5, x 0.95.
    EXPECT_EQ(std::tuple(slot(9).RoundDiff, slot(9).RoundIndex, slot(9).RoundCourseHcp),
              std::tuple(10.0f, 10.9f, 11.0f));
    EXPECT_EQ(slot(6).RoundIndex, 57.0f); // where the lowered count points: the moved round's values

    store.settings.HcpMethod = 2; // to par
    storeRounds(2);
    store.CurrentPlayer = static_cast<int16_t>(ann); // a deletion closes the player
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(slot(1).RoundDiff, 10.0f); // 82 against 72 and 113; the white tee would give 9.8
    EXPECT_EQ(slot(1).RoundCourseHcp, 10.0f);
}

TEST_F(RecorderTest, DeletingKeepsTheNewestWhenItsCourseHasNoSlopeAndReportsAFailedSave) {
    addSampleCourse(store, "Flat Acres", {{{70, 120}, {71, 0}, {72, 125}}});
    storeRounds(3);
    store.player(ann).round[3].RoundCourse = 2;
    store.EditSlot = 1;
    EXPECT_FALSE(recorder.deleteRound(2));
    EXPECT_EQ(std::tuple(store.player(ann).RoundCount, slot(2).RoundDiff, slot(2).RoundIndex),
              std::tuple(2, 3.0f, 53.0f));
    EXPECT_TRUE(std::filesystem::exists(dir / "Test.LGE"));

    store.writer = std::make_shared<FailingWriter>();
    store.CurrentPlayer = static_cast<int16_t>(ann);
    store.EditSlot = 2;
    EXPECT_EQ(recorder.deleteRound(2).value_or(Message{}).text, leagueSaveFailure().text);
}

TEST(RoundDate, TwoOrFourDigitYearsFrom1985To2084) {
    int16_t m = 0, d = 0, y = 0;
    ASSERT_TRUE(parseRoundDate("6/5/1999", m, d, y));
    EXPECT_EQ(m * 10000 + d * 100 + y, 60599);
    ASSERT_TRUE(parseRoundDate("1999-06-05", m, d, y));
    EXPECT_EQ(m * 10000 + d * 100 + y, 60599);
    for (const char* good : {"12/31/1985", "01/01/2084", "02/29/2024", "01/01/85", "12/31/84", "2/9/00",
                             "2084-01-01", "2024-02-29"})
        EXPECT_TRUE(parseRoundDate(good, m, d, y)) << good;
    for (const char* bad : {"01/01/1984", "01/01/2085", "02/29/2023", "04/31/24", "13/01/24", "06/00/24",
                            "6-5-24", "06/05/124", "06/05/2024/1", "06/05", "", "006/05/24", "24-06-05",
                            "1984-12-31", "2023-02-29", "2024-06-05-1", "2024/06-05"})
        EXPECT_FALSE(parseRoundDate(bad, m, d, y)) << bad;
}

// Rounds given as text, field by field or as a file.
class Import : public ::testing::Test {
  protected:
    Import() : store(sampleStore()) {
        addSamplePlayer(store, "Lee, Ann", 2);
        addSamplePlayer(store, "Bo", 1);
        fields.date = "06/05/2024";
        fields.player = "Lee, Ann";
        fields.course = "PINE HILLS";
        fields.out = "45";
        fields.in = "44";
    }
    std::string reason() {
        RoundInput input;
        return checkNewRound(store, fields, input);
    }
    void expectNothingRecorded(const std::string& csv, const Fields& errors) {
        const std::string before = leagueFileText(store.league);
        ImportResult result = importRounds(store, csv);
        EXPECT_EQ(result.recorded, 0);
        EXPECT_EQ(result.errors, errors) << csv.substr(0, 60);
        EXPECT_EQ(leagueFileText(store.league), before);
    }
    Store store;
    RoundFields fields;
};

TEST_F(Import, BadFieldsHaveTheirReasons) {
    RoundFields good = fields;
    fields.player = "lee, ann"; // names match exactly
    EXPECT_EQ(reason(), "no player named \"lee, ann\"");
    fields = good;
    fields.holes[7] = "4.5";
    EXPECT_EQ(reason(), "hole 7 \"4.5\" is not a whole number from 0 to 99");
    fields = good;
    for (std::size_t h = 1; h <= 18; ++h) // the sample round: 49 out, 45 in
        fields.holes[h] = std::to_string(sampleRound[h]);
    fields.out = "49";
    EXPECT_EQ(reason(), "in 44 does not match holes 10-18, which add up to 45");
    fields = good;
    fields.out = "0";
    fields.in = "";
    EXPECT_EQ(reason(), "no score: out and in are both 0");
    fields = good;
    store.courses.CourseField[1][static_cast<std::size_t>(field::slope(2))] = "";
    EXPECT_EQ(reason(), "the course Pine Hills has no slope for the Mens Tee");
    fields.tee = "1";
    EXPECT_EQ(reason(), "");
    store.player(1).PlayerTee = 0;
    fields.tee = "";
    EXPECT_EQ(reason(), "the player's default tee 0 is not 1, 2 or 3");
}

TEST_F(Import, RowsAreRecordedInFileOrder) {
    ImportResult result = importRounds(store, "Player, Course ,DATE,out,in,tee\r\n"
                                              "\"Lee, Ann\",Pine Hills,06/05/24,45,44,\r\n"
                                              ",,,,,\r\n"
                                              "Bo,pine hills,6/6/2024,50,0,3\r\n"
                                              "\"Lee, Ann\",Pine Hills,06/12/24,40,41,\r\n");
    EXPECT_EQ(result.errors, Fields{});
    EXPECT_EQ(result.recorded, 3);
    ASSERT_EQ(store.player(1).RoundCount, 2);
    EXPECT_EQ(store.player(1).round[1].RoundDiff, 16.1f); // 89 from the white tee
    EXPECT_EQ(store.player(1).round[2].RoundDay, 12);
    // A doubled nine from the blue tee: (100 - 73.5) x 113 / 131.
    EXPECT_EQ(store.player(2).round[1].RoundDiff, 22.9f);
}

TEST_F(Import, HoleColumnsAreAddedUpAfterStrokeControl) {
    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 7;
    std::string header = "date,player,course", row = "06/05/24,Bo,Pine Hills";
    for (int h = 1; h <= 18; ++h) {
        header += ",h" + std::to_string(h);
        row += h == 3 ? ",11" : h > 9 ? "," : ",4";
    }
    ASSERT_EQ(importRounds(store, header + "\n" + row + "\n").errors, Fields{});
    EXPECT_EQ(store.player(2).round[1].HoleScore[3], 7);
    EXPECT_EQ(store.player(2).round[1].HoleScore[OutSlot], 39);
}

TEST_F(Import, ABadHeaderOrAnyBadRowRecordsNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the header row naming the columns is missing"},
        {"date,player,out\n", "line 1: the column \"course\" is missing"},
        {"date,player,course,h19\n", "line 1: unknown column \"h19\""},
        {"h99999999999,date,player,course\n", "line 1: unknown column \"h99999999999\""},
        {"date,player,course,Out,OUT\n", "line 1: column \"OUT\" appears twice"},
        {"\n\ndate,player,course,notes\n", "line 3: unknown column \"notes\""},
        {"date,player,course\n06/05/24,Bo\n", "line 2: 2 fields where the header names 3 columns"},
        {"date,player,course\n\"06/05/24,Bo\n", "line 2: a quoted field is not closed"}};
    for (const auto& [text, error] : cases)
        expectNothingRecorded(text, {error});

    // One bad row among four hundred.
    std::string csv = "date,player,course,out,in\r\n";
    for (int i = 2; i <= 401; ++i)
        csv += (i == 250 ? "06/31/24" : "06/05/24") + std::string(i % 2 ? ",Bo," : ",\"Lee, Ann\",") +
               "Pine Hills,45," + std::to_string(40 + i % 9) + "\r\n";
    expectNothingRecorded(
        csv, {"line 250: date \"06/31/24\" is not MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084"});
    // Every bad row is named.
    expectNothingRecorded(
        "date,player,course,out,in\n06/05/24,Al,Pine Hills,45,44\n06/05/24,Bo,Pine Hills,0,0\n",
        {"line 2: no player named \"Al\"", "line 3: no score: out and in are both 0"});
    // A round that stroke control empties.
    store.settings.StrokeOption = 4;
    store.settings.MaxStrokesPerHole = 0; // a settings file no window would write
    expectNothingRecorded("date,player,course,out,in,h1\n"
                          "06/05/24,Bo,Pine Hills,45,44,\n"
                          "06/05/24,\"Lee, Ann\",Pine Hills,,,5\n",
                          {"line 3: no score after stroke control"});
}

TEST(CourseHandicapCalculator, MissingOrOverlargeValuesBeep) {
    EXPECT_EQ(calculateCourseHandicap("12", "abc").text, "Course Handicap = 0");
    CalculatorResult tooLarge = calculateCourseHandicap("1e300", "1e300");
    EXPECT_EQ(std::pair(tooLarge.text, tooLarge.beep),
              std::pair(std::string("Index or slope too large"), true));
    EXPECT_FALSE(calculateCourseHandicap("12", "113").beep);
    EXPECT_TRUE(calculateCourseHandicap("", "130").beep && calculateCourseHandicap("12.3", "").beep);
}

// Ann, Bob, a gap, Bob again, Cyd; player p's round r on course r, dated (r % 12 + 1)/(r + 1)/(r + 3).
Store choosersStore(int p, int rounds) {
    Store store = sampleStore();
    for (const char* name : {"Ann", "Bob", "", "Bob", "Cyd"})
        addSamplePlayer(store, name, 2);
    for (int r = 1; r <= rounds; ++r)
        addRound(store, p, {.month = r % 12 + 1, .day = r + 1, .year = r + 3, .course = r});
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

Settings defaults() {
    Settings s;
    SetDefaults(s);
    return s;
}

TEST(Choosers, TheLastPlayerOfTheNameAndTheSlotCountedFromTheNewest) {
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

    // A position in the round chooser stands for the slot counted from the newest.
    store = choosersStore(5, 20);
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
    EXPECT_EQ(std::pair(opening.day, yearLabelText(opening.year)), std::pair(5, std::string("07")));
    EXPECT_TRUE(opening.courseLoad); // no course file in the folder
    EXPECT_EQ(yearCaption(84) + ", " + yearCaption(85), "Year 2084, Year 1985");

    std::vector<PlayerEntry> players = roundSetupPlayers(store.league);
    ASSERT_EQ(players.size(), 3u);
    EXPECT_EQ(players[1].name, "Bob");
    EXPECT_EQ(players[1].slot, 3); // not its list position + 1
}

TEST(RoundSetup, TheCourseIsCheckedBeforeThePlayersAndTheDateTakenLastAfterAReminder) {
    Store store = setupStore();
    store.player(4).PlayerMark = 1; // an earlier choice is cleared
    SetupAccept accept = acceptRoundSetup(store, {}, "Nowhere", 5, 7);
    EXPECT_EQ(
        std::tuple(accept.outcome, accept.message.text, accept.message.icon),
        std::tuple(SetupOutcome::NoCourse, "Please select a course before continuing.", Icon::Exclamation));
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

    // The reminder asks about the course chosen last.
    store = setupStore();
    store.settings.DateRemind = 1;
    store.EntryMonth = 6;
    chooseSetupCourse(store, "Pine Hills");
    EXPECT_EQ(store.CurrentCourse, 3);
    chooseSetupCourse(store, "oak hollow");
    accept = acceptRoundSetup(store, {1}, "oak hollow", 5, 7);
    EXPECT_EQ(std::tuple(accept.outcome, accept.message.title, accept.message.text),
              std::tuple(SetupOutcome::Confirm, "Double Checking Date & Location",
                         "Is 6/5/2007 at Oak Hollow\r\n"
                         "the correct date and location of the Round?\r\n\r\n"
                         "Date / location checking can be disabled, see program settings."));
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

TEST(ScoreEntry, BoxesAreRoundedTotalsTakenAsShownAndAForgottenHoleAsked) {
    HoleBoxes b;
    std::tie(b[1], b[2], b[5], b[18]) = std::tuple(" 4", "10", "7.5", " 3");
    HoleScores scores = boxScores(b, "  50", "   3");
    EXPECT_EQ(std::tuple(scores[2], scores[3], scores[5]), (std::tuple<int16_t, int16_t, int16_t>(10, 0, 8)));
    // typed totals are kept, not added up again
    EXPECT_EQ(std::pair(scores[OutSlot], scores[InSlot]), (std::pair<int16_t, int16_t>(50, 3)));
    EXPECT_EQ(boxScores(HoleBoxes{}, "99999", "")[OutSlot], INT16_MAX);

    // Stroke control rewrites only the capped holes.
    HoleScores typed = holeScores({5, 10, 4, 6, 5, 9, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5});
    HoleScores capped = typed;
    capped[2] = 7;
    HoleBoxes texts = strokeControlTexts(typed, capped);
    EXPECT_EQ(texts[2], "7");
    for (std::size_t h : {1u, 6u, 18u})
        EXPECT_EQ(texts[h], "") << h;

    // A forgotten hole is asked about; a whole nine left empty is a nine-hole round.
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
    auto accepts = [](std::string RulesForm::*box, auto Settings::*setting,
                      std::initializer_list<std::pair<std::string, double>> cases) {
        for (const auto& [text, expected] : cases) {
            Settings s = defaults();
            RulesForm form = rulesFormValues(s);
            form.*box = text;
            applyRules(s, form);
            EXPECT_EQ(static_cast<double>(s.*setting), expected) << text;
        }
    };
    // The multiplier goes from 0.5 to 1.1; the limits have only an upper bound.
    accepts(&RulesForm::factorText, &Settings::IndexFactor, {{"1.1", 1.1f}, {"1.11", 0.96f}, {".5", 0.5f}});
    accepts(&RulesForm::factorText, &Settings::IndexFactor,
            {{"0.49", 0.96f}, {"", 0.96f}, {"abc", 0.96f}, {" 1.05xyz", 1.05f}, {"-1", 0.96f}});
    accepts(&RulesForm::roundsText, &Settings::RoundsToUse,
            {{"20", 20}, {"21", 10}, {"1", 1}, {"0", 10}, {"19.5", 20}, {"20.5", 10}});
    accepts(&RulesForm::percentText, &Settings::PercentRounds,
            {{"100", 100}, {"5", 50}, {"10", 10}, {"9.5", 10}, {"101", 50}, {"x", 50}});
    accepts(&RulesForm::mensText, &Settings::MensHcpMax,
            {{"45", 40}, {"40", 40}, {"36.4", 36.4f}, {"-5", -5}});
    accepts(&RulesForm::womensText, &Settings::WomensHcpMax, {{"45", 45}, {"46", 45}, {"abc", 0}});
    accepts(&RulesForm::aboveParText, &Settings::StrokesAbovePar,
            {{"2", 2}, {"7", 7}, {"8", 4}, {"1", 4}, {"1.5", 2}});
    accepts(&RulesForm::maxStrokeText, &Settings::MaxStrokesPerHole,
            {{"6", 6}, {"12", 12}, {"13", 10}, {"5", 10}, {"5.5", 6}});
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

TEST(Rules, AcceptWritesTheLeagueListThenTheSettingsFile) {
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
}

} // namespace

#include "charts/HandicapCards.h"
#include "charts/ChartChooser.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/charts/CallOrder.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"
#include "services/TextPrinter.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

struct CardsTest : ::testing::Test {
    Store store;
    TextPrinter printer;
    RecordingCanvas picture{CardPictureWidth, CardPictureHeight};

    CardsTest() {
        store.settings.FontName = "Courier New";
        store.settings.CardScaling = 1;
        setChartCourse(store, 1, std::vector<int>(18, 4), "PH");
        drawCardPicture(picture);
    }
    std::vector<int> players(int count) {
        std::vector<int> slots;
        for (int i = 1; i <= count; ++i)
            slots.push_back(addSamplePlayer(store, "Player " + std::to_string(i)));
        return slots;
    }
    // A round with the given gross: 40 out, the rest in.
    RoundRecord& addGross(int p, int gross, int course = 1) {
        RoundRecord& r = addChartRound(store, p, 0, 0, course);
        r.HoleScore[OutSlot] = 40;
        r.HoleScore[InSlot] = static_cast<int16_t>(gross - 40);
        return r;
    }
    // The names printed on each page.
    static std::vector<std::vector<std::string>> namesByPage(const TextPrinter& printed) {
        std::vector<std::vector<std::string>> pages;
        for (const std::string& page : split(printed.text(), '\f')) {
            pages.emplace_back();
            for (const std::string& line : split(page, '\n'))
                if (line.rfind("Player ", 0) == 0) pages.back().push_back(line);
        }
        return pages;
    }
};

TEST_F(CardsTest, RoundsReadDownTheColumnsOldestFirst) {
    int p = addSamplePlayer(store, "Six Rounds");
    setChartCourse(store, 2, std::vector<int>(18, 4), "");
    for (int gross : {81, 82, 83, 84, 85, 106})
        addGross(p, gross, gross == 83 ? 2 : 1);
    EXPECT_EQ(
        cardRoundLines(store, p),
        (std::array<std::string, 5>{"", "  PH81    PH85  ", "  PH82    PH106 ", " -  83  ", "  PH84  "}));

    int full = addSamplePlayer(store, "Full");
    for (int r = 1; r <= 20; ++r)
        addGross(full, 70 + r);
    EXPECT_EQ(cardRoundLines(store, full)[4], "  PH74    PH78    PH82    PH86    PH90  ");
}

TEST_F(CardsTest, OneCardPrintsItsEightItemsAfterTheirJobLines) {
    int p = addSamplePlayer(store, "Ann Smith");
    addGross(p, 98).RoundIndex = 12.3f;
    store.player(p).round[1].RoundCourseHcp = 14;
    ASSERT_FALSE(PrintHandicapCards(store, printer, {p}, "06-05-2007", picture));
    EXPECT_EQ(split(printer.text(), '\n'),
              (std::vector<std::string>{" ", "Ann Smith", " ", "  Hcp Index: 12.3", " ", "PH CHCP: 14", " ",
                                        "  PH98  ", " ", "", " ", "", " ", "", " ", "06-05-2007", ""}));
    EXPECT_TRUE(printer.ended());
}

TEST_F(CardsTest, APlayerWithoutRoundsShowsTheZerosOfSlotZero) {
    int p = addSamplePlayer(store, "New Player");
    ASSERT_FALSE(PrintHandicapCards(store, printer, {p}, "", picture));
    std::vector<std::string> lines = split(printer.text(), '\n');
    EXPECT_EQ(lines[3], "  Hcp Index: 0");
    EXPECT_EQ(lines[5], " CHCP: 0");
    EXPECT_EQ(lines[7], "");
}

// Ten cards to a sheet, in slot order whatever the order of the selection (an
// eleventh takes a second sheet: checked call by call below).
TEST_F(CardsTest, TenCardsToASheetInSlotOrder) {
    std::vector<int> slots = players(10);
    std::reverse(slots.begin(), slots.end());
    ASSERT_FALSE(PrintHandicapCards(store, printer, slots, "", picture));
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("Player " + std::to_string(i));
    EXPECT_EQ(namesByPage(printer), std::vector<std::vector<std::string>>{names});
    EXPECT_TRUE(markedPlayers(store).empty());
}

TEST_F(CardsTest, NothingSelectedRefusesAndPrintsNothing) {
    players(3);
    Failure refused = PrintHandicapCards(store, printer, {}, "", picture);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "No Players selected, cannot continue.");
    EXPECT_EQ(refused->title, "Tallyrock");
    EXPECT_EQ(printer.text(), "");
    EXPECT_FALSE(printer.ended());
}

TEST_F(CardsTest, ListEntriesKeepTheirSlotsAcrossEmptyNames) {
    addSamplePlayer(store, "Ann");
    addSamplePlayer(store, "");
    int cy = addSamplePlayer(store, "Cy");
    std::vector<PlayerEntry> entries = playerEntries(store.league);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].name, "Cy");
    EXPECT_EQ(entries[1].slot, cy);
}

TEST_F(CardsTest, TheEleventhCardTakesTheFirstPlaceOfTheNextSheet) {
    std::vector<int> slots = players(11);
    RecordingPrinter recorder; // 10800 x 14400 twips
    ASSERT_FALSE(PrintHandicapCards(store, recorder, slots, "", picture));
    const std::string pictureCall = "drawPicture " + std::to_string(picture.items().size());
    // Card 1: picture at 0.39 W, 0.06 H; the name at 0.11 W, 0.055 H. Card 2 one column right (0.42 W).
    EXPECT_TRUE(callsInOrder(recorder.calls, {pictureCall + " 4212 864 756 1108.8",
                                              "print  |",
                                              "setFontName Courier New",
                                              "setFontSize 12",
                                              "setCurrentX 1188",
                                              "setCurrentY 792",
                                              "print Player 1|",
                                              "setCurrentX 1188",
                                              "setCurrentY 1224",
                                              "print   Hcp Index: 0|",
                                              pictureCall + " 8748 864 756 1108.8",
                                              "setCurrentX 5724",
                                              "setCurrentY 792",
                                              "print Player 2|",
                                              "setCurrentY 3585.6",
                                              "print Player 3|",
                                              "newPage",
                                              pictureCall + " 4212 864 756 1108.8",
                                              "setCurrentX 1188",
                                              "setCurrentY 792",
                                              "print Player 11|",
                                              "endDoc"}));
    EXPECT_EQ(recorder.count("newPage"), 1);
    EXPECT_EQ(recorder.documentName, "Handicap cards");
}

TEST_F(CardsTest, ScalingAndOffsetsMoveEveryItem) {
    std::vector<int> slots = players(3);
    store.settings.CardScaling = 1.05f;
    store.settings.CardHOffset = 100;
    store.settings.CardWDOffset = -50;
    RecordingPrinter recorder;
    ASSERT_FALSE(PrintHandicapCards(store, recorder, slots, "", picture));
    // Card 3, name line: (0.055 + 0.194) x 14400 x 1.05 + 100; date line: (0.19 + 0.194) x 14400 x 1.05 +
    // 100.
    EXPECT_TRUE(
        callsInOrder(recorder.calls, {"setCurrentX 1138", "setCurrentY 3864.88", "print Player 3|",
                                      "setCurrentX 1138", "setCurrentY 5906.08", "print |", "endDoc"}));
}

TEST(CardForm, OpeningClosingAndTheScalingBox) {
    TempDir dir;
    Store store;
    store.settingsDir = dir.path();
    store.workDir = dir.path(); // the save locks the data folder
    store.settings.CardHOffset = -120;
    store.settings.CardWDOffset = 35.5f;
    CardForm form = openCardForm(store.settings);
    EXPECT_EQ(store.settings.CardScaling, 1.0f); // 0 found at opening becomes 1
    EXPECT_EQ(form.hOffset, "-120");
    EXPECT_EQ(form.wdOffset, "35.5");
    EXPECT_EQ(form.scaling, "1.000");
    EXPECT_EQ(scalingBoxText("1.050"), "1.05");
    EXPECT_EQ(scalingBoxText("abc"), "0");

    form = {"60", "-15x", "1.05"};
    closeCardForm(store, form);
    EXPECT_EQ(store.settings.CardScaling, 1.05f);
    std::vector<std::string> lines = split(readFile(dir / SettingsFileName), '\n');
    ASSERT_GE(lines.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 10, lines.begin() + 13),
              (std::vector<std::string>{" 60 \r", "-15 \r", " 1.05 \r"}));
}

} // namespace

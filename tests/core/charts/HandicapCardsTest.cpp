#include "charts/HandicapCards.h"
#include "charts/ChartChooser.h"
#include "core/TestFiles.h"
#include "core/charts/CallOrder.h"
#include "core/charts/ChartSamples.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"
#include "services/TextPrinter.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == at) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// A round with the given gross: 40 out, the rest in.
RoundRecord& addGross(Store& store, int p, int gross, int course) {
    RoundRecord& r = addChartRound(store, p, 0, 0, course);
    r.HoleScore[OutSlot] = 40;
    r.HoleScore[InSlot] = static_cast<int16_t>(gross - 40);
    return r;
}

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
            slots.push_back(addChartPlayer(store, "Player " + std::to_string(i)));
        return slots;
    }
    // The names printed on each page.
    std::vector<std::vector<std::string>> namesByPage() const {
        std::vector<std::vector<std::string>> pages;
        for (const std::string& page : split(printer.text(), '\f')) {
            pages.emplace_back();
            for (const std::string& line : split(page, '\n'))
                if (line.rfind("Player ", 0) == 0) pages.back().push_back(line);
        }
        return pages;
    }
};

TEST_F(CardsTest, RoundEntriesTakeEightCharacters) {
    EXPECT_EQ(cardRoundEntry("PH", 98), "  PH98  ");
    EXPECT_EQ(cardRoundEntry("PH", 102), "  PH102 ");
    EXPECT_EQ(cardRoundEntry("", 87), " -  87  ");
    EXPECT_EQ(cardRoundEntry("ABC", 9), " ABC9  ");
}

TEST_F(CardsTest, SixRoundsReadDownTheColumnsOldestFirst) {
    int p = addChartPlayer(store, "Six Rounds");
    setChartCourse(store, 2, std::vector<int>(18, 4), "");
    for (int gross : {81, 82, 83, 84, 85, 106})
        addGross(store, p, gross, gross == 83 ? 2 : 1);
    std::array<std::string, 5> lines = cardRoundLines(store, p);
    EXPECT_EQ(lines[1], "  PH81    PH85  ");
    EXPECT_EQ(lines[2], "  PH82    PH106 ");
    EXPECT_EQ(lines[3], " -  83  ");
    EXPECT_EQ(lines[4], "  PH84  ");
    EXPECT_EQ(lines[0], "");
}

TEST_F(CardsTest, TwentyRoundsFillFiveEntriesPerLine) {
    int p = addChartPlayer(store, "Full");
    for (int r = 1; r <= 20; ++r)
        addGross(store, p, 70 + r, 1);
    std::array<std::string, 5> lines = cardRoundLines(store, p);
    EXPECT_EQ(lines[1], "  PH71    PH75    PH79    PH83    PH87  ");
    EXPECT_EQ(lines[4], "  PH74    PH78    PH82    PH86    PH90  ");
}

TEST_F(CardsTest, OneCardPrintsItsEightItemsAfterTheirJobLines) {
    int p = addChartPlayer(store, "Ann Smith");
    addGross(store, p, 98, 1).RoundIndex = 12.3f;
    store.player(p).round[1].RoundCourseHcp = 14;
    ASSERT_FALSE(PrintHandicapCards(store, printer, {p}, "06-05-2007", picture));
    EXPECT_EQ(split(printer.text(), '\n'),
              (std::vector<std::string>{" ", "Ann Smith", " ", "  Hcp Index: 12.3", " ", "PH CHCP: 14", " ",
                                        "  PH98  ", " ", "", " ", "", " ", "", " ", "06-05-2007", ""}));
    EXPECT_TRUE(printer.ended());
}

TEST_F(CardsTest, APlayerWithoutRoundsShowsTheZerosOfSlotZero) {
    int p = addChartPlayer(store, "New Player");
    ASSERT_FALSE(PrintHandicapCards(store, printer, {p}, "", picture));
    std::vector<std::string> lines = split(printer.text(), '\n');
    EXPECT_EQ(lines[3], "  Hcp Index: 0");
    EXPECT_EQ(lines[5], " CHCP: 0");
    EXPECT_EQ(lines[7], "");
}

TEST_F(CardsTest, ElevenCardsGoOnTwoSheets) {
    std::vector<int> slots = players(11);
    ASSERT_FALSE(PrintHandicapCards(store, printer, slots, "", picture));
    auto pages = namesByPage();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 10u);
    EXPECT_EQ(pages[1], std::vector<std::string>{"Player 11"});
}

TEST_F(CardsTest, ExactlyTenCardsLeaveNoEmptyPage) {
    ASSERT_FALSE(PrintHandicapCards(store, printer, players(10), "", picture));
    auto pages = namesByPage();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), 10u);
}

TEST_F(CardsTest, CardsFollowSlotOrderWhateverTheSelectionOrder) {
    std::vector<int> slots = players(5);
    ASSERT_FALSE(PrintHandicapCards(store, printer, {slots[4], slots[1], slots[3]}, "", picture));
    EXPECT_EQ(namesByPage()[0], (std::vector<std::string>{"Player 2", "Player 4", "Player 5"}));
    for (int p = 1; p <= MaxPlayers; ++p)
        EXPECT_EQ(store.player(p).PlayerMark, 0);
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
    addChartPlayer(store, "Ann");
    addChartPlayer(store, "");
    int cy = addChartPlayer(store, "Cy");
    std::vector<PlayerEntry> entries = playerEntries(store.league);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].name, "Cy");
    EXPECT_EQ(entries[1].slot, cy);
    ASSERT_FALSE(PrintHandicapCards(store, printer, {entries[1].slot}, "", picture));
    EXPECT_EQ(split(printer.text(), '\n')[1], "Cy");
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

TEST(CardPositions, EvenCardsGoRightAndRowsStepDown) {
    Settings s;
    s.CardScaling = 1;
    const double W = 1000, H = 2000;
    auto place = [&](int c) {
        double x = 100, y = 50;
        AdjustPosition(c, x, y, W, H, s);
        return std::pair{x, y};
    };
    EXPECT_DOUBLE_EQ(place(1).first, 100);
    EXPECT_DOUBLE_EQ(place(1).second, 50);
    EXPECT_DOUBLE_EQ(place(2).first, 520);
    EXPECT_DOUBLE_EQ(place(2).second, 50);
    EXPECT_DOUBLE_EQ(place(3).second, 50 + 388);
    EXPECT_DOUBLE_EQ(place(4).first, 520);
    EXPECT_DOUBLE_EQ(place(6).second, 50 + 776);
    EXPECT_DOUBLE_EQ(place(7).second, 50 + 1164);
    // The last row step is 0.774, not 0.776.
    EXPECT_DOUBLE_EQ(place(9).second, 50 + 1548);
    EXPECT_DOUBLE_EQ(place(10).second, 50 + 1548);

    s.CardHOffset = -30;
    s.CardWDOffset = 12.5f;
    EXPECT_DOUBLE_EQ(place(2).first, 532.5);
    EXPECT_DOUBLE_EQ(place(2).second, 20);
}

TEST(CardPositions, ScalingSpreadsRowsAndLinesByItsFactor) {
    Settings s;
    s.CardScaling = 1.05f;
    const double H = 14400;
    double x = 0, y = 0.055 * H * s.CardScaling; // the name line of card 3
    AdjustPosition(3, x, y, 10800, H, s);
    EXPECT_NEAR(y, (0.055 + 0.194) * H * 1.05, 0.01);
    double unscaled = (0.055 + 0.194) * H;
    EXPECT_NEAR(y - unscaled, unscaled * 0.05, 0.01);
}

TEST(CardForm, OpeningClosingAndTheScalingBox) {
    TempDir dir;
    Store store;
    store.settingsDir = dir.path();
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
    EXPECT_EQ(store.settings.CardHOffset, 60.0f);
    EXPECT_EQ(store.settings.CardWDOffset, -15.0f);
    EXPECT_EQ(store.settings.CardScaling, 1.05f);
    std::vector<std::string> lines = split(readFile(dir / SettingsFileName), '\n');
    ASSERT_GE(lines.size(), 13u);
    EXPECT_EQ(lines[10], " 60 \r");
    EXPECT_EQ(lines[11], "-15 \r");
    EXPECT_EQ(lines[12], " 1.05 \r");
}

TEST(CardForm, CountLabelAndMessages) {
    EXPECT_EQ(cardsToPrintText(3), "Cards to Print :  3");
    EXPECT_EQ(cardsToPrintText(0), "Cards to Print :  0");
    EXPECT_EQ(cardPrintQuestion().text,
              "Ready to print handicap cards?\r\n\r\nNote: With some printers it may work\r\n"
              "best to select 10 players at a time and\r\nprint each sheet of 10 cards "
              "individually.");
    EXPECT_EQ(cardStockAdvice().text.substr(0, 53),
              "Use Standard business card stock (10 per page) for\r\nH");
}

} // namespace

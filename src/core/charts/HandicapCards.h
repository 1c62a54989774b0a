#pragma once
// Pocket handicap cards: ten to a sheet of business-card stock, two columns
// of five, each with the player's name, index, latest course handicap, the
// gross scores of the stored rounds and a date or comment line.

#include "services/Canvas.h"
#include "services/ReportPrinter.h"
#include "store/Message.h"
#include "store/Store.h"

#include <array>
#include <string>
#include <vector>

namespace tallyrock {

inline constexpr int CardsPerSheet = 10;

// The card window's three boxes: height offset, width offset, vertical scaling.
struct CardForm {
    std::string hOffset, wdOffset, scaling;
};
// Opening: a scaling of 0 becomes 1.0; the offsets as plain numbers, the scaling "#0.000".
CardForm openCardForm(Settings& settings);
// The settings as the boxes' texts give them (taken at once when printing).
void takeCardForm(Settings& settings, const CardForm& form);
// The scaling box rewritten with its own numeric value, as printing does.
std::string scalingBoxText(const std::string& text);
// Closing: the boxes into the settings, then the settings file (a failure is silent).
void closeCardForm(Store& store, const CardForm& form);

// "Cards to Print :  3".
std::string cardsToPrintText(int selected);
Message cardPrintQuestion();
Message noPlayersSelected();
Message cardStockAdvice();

// One round of a round line: the course's short name right-aligned in four
// characters (" -  " when it has none), the gross, and blanks to eight characters.
std::string cardRoundEntry(const std::string& initials, int gross);
// Lines 1..4: line k holds round slots k, k + 4, k + 8, k + 12, k + 16.
std::array<std::string, 5> cardRoundLines(const Store& store, int p);

// Moves a position (twips) of a card at sheet position c (1..10) to its card:
// right column for even positions, rows down by the scaled row step, then the offsets.
void AdjustPosition(int c, double& x, double& y, double pageWidth, double pageHeight,
                    const Settings& settings);

// The card picture, 110 x 150 pixels.
inline constexpr double CardPictureWidth = 110 * TwipsPerPixel;
inline constexpr double CardPictureHeight = 150 * TwipsPerPixel;
void drawCardPicture(Canvas& canvas);

// Prints one card for each selected player slot, in slot order, with the
// comment line on every card. Marks the players (PlayerMark) and walks them as
// the window does, leaving CurrentPlayer as the walk leaves it. Returns the
// refusal when no player is selected (nothing is printed then).
Failure PrintHandicapCards(Store& store, ReportPrinter& printer, const std::vector<int>& players,
                           const std::string& comment, const Canvas& picture);

} // namespace tallyrock

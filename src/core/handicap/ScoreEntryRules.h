#pragma once
// The score-entry window's box rules: what a hole box shows after each change
// and where the focus goes, the totals, the par boxes, the captions, and the
// scores the boxes hold when a round is recorded. The window only shows these.

#include "HandicapCalculation.h"
#include "store/Message.h"
#include "store/Store.h"

#include <array>
#include <string>
#include <string_view>

namespace tallyrock {

inline constexpr const char* ScoreEntryTitle = "Enter Scores";
inline constexpr const char* StrokeControlNote =
    "Stroke Control is active, scores will be automatically adjusted if necessary";
inline constexpr const char* NetDoubleBogeyNote =
    "World Handicap System: scores above net double bogey will be adjusted when recorded";

// The texts of the 18 hole boxes (index 0 unused).
using HoleBoxes = std::array<std::string, 19>;

// A hole box after its text changed: the text it settles on and whether the
// focus moves on to the next hole (a value above 1 completes a hole of a new
// round, so "4" moves at once and "1" waits for a second digit).
struct HoleBoxChange {
    std::string text;
    bool moveOn = false;
};
// Hole `hole` (1..18) changed to `text` (not empty): 1..8 get one blank in
// front, a blank and two digits are cut to the two digits.
HoleBoxChange holeBoxChange(std::string_view text, int hole, bool newRound);

// Whether a typed character passes into a hole box or a total box: the digits
// and backspace only.
bool scoreKeyPasses(char32_t character);

// The Out box after a change of holes 1..9, the In box after 10..18: two
// blanks and the sum of that nine's values (empty boxes count 0).
std::string nineTotalText(const HoleBoxes& boxes, bool frontNine);
// The total label: Out + In, plain.
std::string totalScoreText(std::string_view outText, std::string_view inText);
// The Out and In boxes of a player just reached: "  0".
inline constexpr const char* EmptyTotalText = "  0";

// The course's par boxes and labels as the window opens on course c.
struct ParDisplay {
    HoleBoxes holes;            // " 4", or " " for a hole without a par
    std::string out, in, total; // Outlabel and Inlabel: sums of the par boxes; TotalLabel: the course's total
};
ParDisplay parDisplay(const CourseTable& courses, int c);

// Namelabel: "Pine Hills  golf course  on June  5".
std::string roundCaption(const Store& store);

// The boxes of a stored round being corrected: each hole as a plain number,
// the totals with three blanks in front ("   45").
struct StoredRoundBoxes {
    HoleBoxes holes;
    std::string out, in;
};
StoredRoundBoxes storedRoundBoxes(const Store& store, int p, int slot);

// The scores the boxes hold: each box's value rounded to a whole number,
// Out and In as their boxes show them (not added up from the holes).
HoleScores boxScores(const HoleBoxes& holes, std::string_view outText, std::string_view inText);

// The first hole left without a score (an empty box, or 0) in a nine that has
// scores, so a forgotten hole is not recorded as a shorter round; 0 when every
// nine is complete or wholly empty (a nine-hole round, or only the totals typed).
int firstMissingHole(const HoleBoxes& holes);
// The question asked once before such a round is recorded.
Message missingHoleQuestion(int hole);

// What a hole box is set to by stroke control: the capped value as a plain
// number; empty where the hole is not capped.
HoleBoxes strokeControlTexts(const HoleScores& typed, const HoleScores& capped);

// Every way out of score entry (the end of entry, cancel, closing the window):
// the course window mode is cleared and new-round mode is left behind.
void closeScoreEntry(Store& store);

} // namespace tallyrock

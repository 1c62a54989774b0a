#include "ScoreEntryRules.h"

#include "roster/CourseOps.h"
#include "store/NumberText.h"

#include <algorithm>
#include <set>

namespace tallyrock {

namespace {

int16_t wholeValue(std::string_view text) {
    long long value = roundWhole(leadingNumber(text));
    return static_cast<int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

// The change event runs again for every text it sets itself, and the outer run
// goes on with whatever the inner runs left. A text that comes round again
// (a leading zero: "05" gets a blank, " 05" is cut back to "05") stops there.
std::string settle(const std::string& text, int hole, bool newRound, bool& moveOn,
                   std::set<std::string>& seen) {
    if (!seen.insert(text).second) return text;
    double value = leadingNumber(text);
    if (value > 1 && hole < 18 && newRound) moveOn = true;
    std::string shown = text;
    if (value < 9 && shown.front() != ' ') shown = settle(" " + shown, hole, newRound, moveOn, seen);
    if (shown.size() == 3) shown = settle(shown.substr(1), hole, newRound, moveOn, seen);
    return shown;
}

} // namespace

HoleBoxChange holeBoxChange(std::string_view text, int hole, bool newRound) {
    HoleBoxChange change;
    if (text.empty()) return change;
    std::set<std::string> seen;
    change.text = settle(std::string(text), hole, newRound, change.moveOn, seen);
    return change;
}

bool scoreKeyPasses(char32_t character) {
    return character == 8 || (character >= '0' && character <= '9');
}

std::string nineTotalText(const HoleBoxes& boxes, bool frontNine) {
    double sum = 0;
    for (std::size_t h = frontNine ? 1 : 10; h <= (frontNine ? 9u : 18u); ++h)
        sum += leadingNumber(boxes[h]);
    return "  " + generalNumber(toSingle(sum));
}

std::string totalScoreText(std::string_view outText, std::string_view inText) {
    return generalNumber(toSingle(leadingNumber(outText) + leadingNumber(inText)));
}

ParDisplay parDisplay(const CourseTable& courses, int c) {
    ParDisplay shown;
    bool known = c >= 1 && c <= MaxCourses;
    const auto& fields = courses.CourseField[known ? c : 0];
    double out = 0, in = 0;
    for (int h = 1; h <= 18; ++h) {
        std::string& box = shown.holes[h];
        box = parBoxText(known ? fields[field::holePar(h)] : "");
        (h < 10 ? out : in) += leadingNumber(box);
    }
    shown.out = generalNumber(toSingle(out));
    shown.in = generalNumber(toSingle(in));
    shown.total = known ? fields[field::TotalPar] : "";
    return shown;
}

std::string roundCaption(const Store& store) {
    int c = store.CurrentCourse;
    int m = store.EntryMonth;
    std::string course = c >= 1 && c <= MaxCourses ? store.courses.name(c) : "";
    std::string month = m >= 1 && m <= 12 ? store.MonthName[m] : "";
    return course + "  golf course" + "  on " + month + "  " + plainNumber(store.EntryDay);
}

StoredRoundBoxes storedRoundBoxes(const Store& store, int p, int slot) {
    StoredRoundBoxes boxes;
    if (p < 1 || p > MaxPlayers || slot < 1 || slot > MaxRounds) return boxes;
    const RoundRecord& round = store.player(p).round[slot];
    for (std::size_t h = 1; h <= 18; ++h)
        boxes.holes[h] = plainNumber(round.HoleScore[h]);
    boxes.out = "   " + plainNumber(round.HoleScore[OutSlot]);
    boxes.in = "   " + plainNumber(round.HoleScore[InSlot]);
    return boxes;
}

HoleScores boxScores(const HoleBoxes& holes, std::string_view outText, std::string_view inText) {
    HoleScores scores{};
    for (std::size_t h = 1; h <= 18; ++h)
        scores[h] = wholeValue(holes[h]);
    scores[OutSlot] = wholeValue(outText);
    scores[InSlot] = wholeValue(inText);
    return scores;
}

int firstMissingHole(const HoleBoxes& holes) {
    for (std::size_t first : {std::size_t{1}, std::size_t{10}}) {
        bool scored = false;
        int missing = 0;
        for (std::size_t h = first; h < first + 9; ++h) {
            if (wholeValue(holes[h]) > 0)
                scored = true;
            else if (missing == 0)
                missing = static_cast<int>(h);
        }
        if (scored && missing != 0) return missing;
    }
    return 0;
}

Message missingHoleQuestion(int hole) {
    return {"Tallyrock", "Hole " + std::to_string(hole) + " has no score. Record the round anyway?",
            Icon::Question};
}

HoleBoxes strokeControlTexts(const HoleScores& typed, const HoleScores& capped) {
    HoleBoxes texts;
    for (std::size_t h = 1; h <= 18; ++h)
        if (capped[h] != typed[h]) texts[h] = plainNumber(capped[h]);
    return texts;
}

void closeScoreEntry(Store& store) {
    store.CourseFormMode = CourseWindowMode::None;
    store.EditSlot = 0;
}

} // namespace tallyrock

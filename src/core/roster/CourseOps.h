#pragma once
// Adding, editing and deleting courses, and the text each course field is stored as.

#include "store/Message.h"
#include "store/Store.h"

#include <array>
#include <optional>
#include <string>

namespace tallyrock {

// Longest course name: what the course window's name box takes (a text box's
// own limit). Initials are at most 3 characters.
constexpr int CourseNameMaxChars = 32767;
constexpr int CourseInitialsMaxChars = 3;

// What the course window holds when it saves.
struct CourseForm {
    std::string name;
    std::array<std::string, 19> parText{};             // 1..18, each beginning with one blank (" 4", " ")
    std::array<double, 4> rating{0, 65.0, 65.0, 65.0}; // tees 1..3
    std::array<double, 4> slope{0, 113, 113, 113};
    std::string initials;

    std::string outText() const;   // sum of holes 1..9, plain ("36")
    std::string inText() const;    // sum of holes 10..18, plain
    std::string totalText() const; // the two sums, a leading blank when not negative (" 72")
};

// Par box text: the digits with one blank in front; an empty box holds a single blank.
std::string parBoxText(std::string_view typed);
// Stored rating or slope text: shortest decimal with a leading blank (" 70.5", " 65", " 113").
std::string ratingFieldText(double value);
// Ratings and slopes typed instead of set with the spin buttons (the
// command-line tool) stay within what the spins reach from a new course's 65.0
// and 113 in ordinary use: ratings from 20.0, where the down arrow stops, to
// 99.9, in tenths as the panel shows them; slopes whole, from 55 to 155, the
// range slopes are given in.
inline constexpr double LowestRating = 20.0, HighestRating = 99.9;
inline constexpr int LowestSlope = 55, HighestSlope = 155;
// The rating or slope a typed text stands for, rounded as its panel shows it;
// nothing for text that is not a number (see completeNumber) or a value out of bounds.
std::optional<double> typedRating(std::string_view text);
std::optional<double> typedSlope(std::string_view text);

// Rating panel display, pattern "00.0".
std::string ratingPanelText(double value);
// The rating spin: down by 0.1 only while above 20, up by 0.1; reads the panel text.
std::string ratingSpin(const std::string& panelText, bool up);
// The slope spin: one up or down, no bound; plain number.
std::string slopeSpin(const std::string& panelText, bool up);
// Slope panel display: plain number form ("113").
std::string slopePanelText(double value);

// The course window's opening for a new course: the first course slot with an
// empty name is taken instead (mode becomes Edit, default ratings and
// slopes put in its fields). Returns the form the window shows.
CourseForm openCourseForm(Store& store);

// What the save refuses: a missing name or a zero nine or total (the refusal
// with the nine-hole hint); a name or initials with a line break, another
// control character or bytes that are not UTF-8, a name of blanks only, or
// either longer than its box; a new course when the table is full. Nothing
// when the form can be stored.
Failure checkCourseForm(const Store& store, const CourseForm& form);

// Saves the form into the table (a new slot for Add, CurrentCourse for
// Edit) and writes the course file. Refusals and write failures come
// back as the message; a write failure keeps the values in memory.
Failure saveCourseForm(Store& store, const CourseForm& form);

// Blanks all 30 fields of course c and writes the course file.
Failure deleteCourse(Store& store, int c);

// The last course whose name equals `name` without regard to letter case (for
// every letter), among courses offered in lists; 0 when there is none.
int findCourse(const CourseTable& courses, std::string_view name);

Message courseSaveRefusal();
Message courseTableFull();

} // namespace tallyrock

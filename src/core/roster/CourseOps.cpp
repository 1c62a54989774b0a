#include "CourseOps.h"

#include "WhsCourseOps.h"
#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SafeText.h"
#include "store/UndoLog.h"

#include <cmath>

namespace tallyrock {

Message courseSaveRefusal() {
    return {"Problem saving course",
            joinLines({"Insufficient information to save", "Course data.  Please provide a name",
                       "and the par values for each hole.", "For nine hole courses, duplicate the values",
                       "of the first nine holes for holes 10 - 18"}),
            Icon::Exclamation};
}

Message courseTableFull() {
    return {"Course Setup",
            joinLines({"The course list is full (200 courses).",
                       "Delete a course you no longer need, then add the new one."}),
            Icon::Exclamation};
}

namespace {
long long nineSum(const CourseForm& f, int first) {
    double sum = 0;
    for (int h = first; h < first + 9; ++h)
        sum += leadingNumber(f.parText[h]);
    return roundWhole(sum);
}
} // namespace

std::string CourseForm::outText() const {
    return plainNumber(nineSum(*this, 1));
}
std::string CourseForm::inText() const {
    return plainNumber(nineSum(*this, 10));
}
std::string CourseForm::totalText() const {
    long long total = roundWhole(leadingNumber(inText()) + leadingNumber(outText()));
    return total < 0 ? plainNumber(total) : " " + plainNumber(total);
}

std::string parBoxText(std::string_view typed) {
    if (typed.empty()) return " ";
    return typed.front() == ' ' ? std::string(typed) : " " + std::string(typed);
}

std::string ratingFieldText(double value) {
    std::string text = fileNumber(toSingle(value));
    text.pop_back(); // no trailing blank in a course field
    return text;
}

std::string ratingPanelText(double value) {
    return formatPattern(value, "00.0");
}

std::string ratingSpin(const std::string& panelText, bool up) {
    double value = leadingNumber(panelText);
    if (up)
        value += 0.1;
    else if (value > LowestRating)
        value -= 0.1;
    return ratingPanelText(value);
}

std::string slopeSpin(const std::string& panelText, bool up) {
    return plainNumber(roundWhole(leadingNumber(panelText) + (up ? 1 : -1)));
}

std::string slopePanelText(double value) {
    return generalNumber(toSingle(value));
}

std::optional<double> typedRating(std::string_view text) {
    auto number = completeNumber(text);
    if (!number) return std::nullopt;
    double shown = leadingNumber(ratingPanelText(*number));
    if (shown < LowestRating || shown > HighestRating) return std::nullopt;
    return shown;
}

std::optional<double> typedSlope(std::string_view text) {
    auto number = completeNumber(text);
    if (!number || std::abs(*number) > 1e9) return std::nullopt;
    long long shown = roundWhole(*number);
    if (shown < LowestSlope || shown > HighestSlope) return std::nullopt;
    return static_cast<double>(shown);
}

CourseForm openCourseForm(Store& store) {
    CourseTable& courses = store.courses;
    if (store.CourseFormMode == CourseWindowMode::Add) {
        for (int c = 1; c <= courses.CourseCount; ++c) {
            auto& fields = courses.CourseField[c];
            if (fields[field::Name].empty() && store.CourseFormMode == CourseWindowMode::Add) {
                store.CourseFormMode = CourseWindowMode::Edit;
                store.CurrentCourse = static_cast<int16_t>(c);
                for (int t = 1; t <= 3; ++t) {
                    fields[field::rating(t)] = "65.0";
                    fields[field::slope(t)] = "113";
                }
            }
        }
    }
    CourseForm form;
    for (int h = 1; h <= 18; ++h)
        form.parText[h] = " ";
    if (store.CourseFormMode == CourseWindowMode::Edit && store.CurrentCourse >= 1 &&
        store.CurrentCourse <= MaxCourses) {
        const auto& fields = courses.CourseField[store.CurrentCourse];
        form.name = fields[field::Name];
        for (int h = 1; h <= 18; ++h)
            form.parText[h] = parBoxText(fields[field::holePar(h)]);
        for (int t = 1; t <= 3; ++t) {
            form.rating[t] = leadingNumber(fields[field::rating(t)]);
            form.slope[t] = leadingNumber(fields[field::slope(t)]);
        }
        form.initials = fields[field::Initials];
    }
    return form;
}

Failure checkCourseForm(const Store& store, const CourseForm& form) {
    if (form.name.empty() || form.outText() == "0" || form.inText() == "0" || form.totalText() == "0")
        return courseSaveRefusal();
    if (Failure unsafe = checkName(form.name, "A course name")) return unsafe;
    if (Failure unsafe = checkText(form.initials, "Course initials")) return unsafe;
    auto tooLong = [](const std::string& what, int most) {
        return Message{"Problem saving course",
                       what + " at most " + plainNumber(static_cast<long long>(most)) + " characters.",
                       Icon::Exclamation};
    };
    if (charCount(form.name) > CourseNameMaxChars) return tooLong("A course name has", CourseNameMaxChars);
    if (charCount(form.initials) > CourseInitialsMaxChars)
        return tooLong("Course initials have", CourseInitialsMaxChars);
    bool full = store.CourseFormMode == CourseWindowMode::Add
                    ? store.courses.CourseCount >= MaxCourses
                    : store.CurrentCourse < 1 || store.CurrentCourse > MaxCourses;
    if (full) return courseTableFull();
    return std::nullopt;
}

Failure saveCourseForm(Store& store, const CourseForm& form) {
    if (Failure refusal = checkCourseForm(store, form)) return refusal;
    CourseTable& courses = store.courses;
    int c = store.CurrentCourse;
    if (store.CourseFormMode == CourseWindowMode::Add) {
        c = ++courses.CourseCount;
        courses.CourseField[c].fill(std::string{});
    }
    auto& fields = courses.CourseField[c];
    fields[field::Name] = form.name;
    fields[field::OutPar] = form.outText();
    fields[field::InPar] = form.inText();
    fields[field::TotalPar] = form.totalText();
    for (int h = 1; h <= 18; ++h)
        fields[field::holePar(h)] = form.parText[h];
    for (int t = 1; t <= 3; ++t) {
        fields[field::rating(t)] = ratingFieldText(form.rating[t]);
        fields[field::slope(t)] = ratingFieldText(form.slope[t]);
    }
    fields[field::Initials] = form.initials;
    store.CurrentCourse = static_cast<int16_t>(c);
    noteChange(store, CourseFileName,
               (store.CourseFormMode == CourseWindowMode::Add ? "Add Course " : "Edit Course ") + form.name);
    Failure failure = SaveCourseFile(store);
    store.CourseFormMode = CourseWindowMode::None;
    return failure;
}

Failure deleteCourse(Store& store, int c) {
    if (c < 1 || c > store.courses.CourseCount) return std::nullopt;
    noteChange(store, CourseFileName, "Delete Course " + store.courses.name(c));
    store.courses.CourseField[c].fill(std::string{});
    // The slot may be reused: what was kept for the course goes with it, in the same change.
    return applyChange(store, [&]() -> Failure {
        if (Failure failure = SaveCourseFile(store)) return failure;
        return dropCourseWhsData(store, c);
    });
}

int findCourse(const CourseTable& courses, std::string_view name) {
    int found = 0;
    const std::string folded = foldCase(name);
    for (int c = 1; c <= courses.CourseCount; ++c)
        if (courses.offered(c) && foldCase(courses.name(c)) == folded) found = c;
    return found;
}

} // namespace tallyrock

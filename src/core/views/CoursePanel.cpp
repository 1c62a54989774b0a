#include "CoursePanel.h"

namespace tallyrock {

CourseWindowMode courseFormMode(CoursePanelMode mode) {
    switch (mode) {
    case CoursePanelMode::Edit:
        return CourseWindowMode::Edit;
    case CoursePanelMode::Delete:
        return CourseWindowMode::None;
    case CoursePanelMode::Chart:
        return CourseWindowMode::Chart;
    }
    return CourseWindowMode::None;
}

std::string coursePanelButtonText(CoursePanelMode mode) {
    return mode == CoursePanelMode::Delete ? "Delete" : "Ok";
}

std::vector<std::string> courseChoices(const CourseTable& courses) {
    std::vector<std::string> names;
    for (int c = 1; c <= courses.CourseCount && c <= MaxCourses; ++c)
        if (courses.offered(c)) names.push_back(courses.name(c));
    return names;
}

Message deleteCourseQuestion() {
    return {"Confirm Delete",
            joinLines({"Are you sure you want to delete ", "the selected Golf Course?", "",
                       "Analysis functions could be corrupted", "Please see info on deleting courses", "", "",
                       "     CONTINUE?          Select 'NO' to Exit"}),
            Icon::Stop};
}

} // namespace tallyrock

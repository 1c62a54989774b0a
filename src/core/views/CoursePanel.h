#pragma once
// The main window's course-selection panel: a course is chosen by name for
// editing, deletion or the course handicap chart.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

enum class CoursePanelMode { Edit, Delete, Chart };

// CourseFormMode for the mode: Edit, None, Chart.
CourseWindowMode courseFormMode(CoursePanelMode mode);
// Caption of the panel's first button: "Ok" or "Delete".
std::string coursePanelButtonText(CoursePanelMode mode);

// The names offered in the combo box, in course order.
std::vector<std::string> courseChoices(const CourseTable& courses);

// The confirmation asked before a course is blanked: Yes/No, No the default.
Message deleteCourseQuestion();

} // namespace tallyrock

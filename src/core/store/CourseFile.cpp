#include "CourseFile.h"

#include "ChangeSet.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"
#include "UndoLog.h"
#include "WhsFiles.h"

namespace tallyrock {

Message courseLoadFailure() {
    return {"Loading...",
            joinLines({"No courses have been saved or", "problem reading file.",
                       "Ignore this if you are entering your", "first course."}),
            Icon::Exclamation};
}

Message courseSaveFailure() {
    return {"Course Setup", "Unable to save settings to disk", Icon::Exclamation};
}

namespace {
// 200 courses of 30 short fields take well under 1 MB.
constexpr std::uintmax_t MaxCourseFileBytes = 8u << 20;
} // namespace

bool CourseTable::offered(int c) const {
    return c >= 1 && c <= MaxCourses && charCount(name(c)) > 1;
}

double CourseTable::numeric(int c, int f) const {
    if (c < 1 || c > MaxCourses || f < 1 || f > CourseFields) return 0;
    return leadingNumber(CourseField[c][f]);
}

Failure LoadCourseFile(Store& store) {
    CourseTable& courses = store.courses;
    forgetCourseChanges(store); // whatever the table held unsaved is replaced
    auto path = resolveFile(store.workDir, CourseFileName);
    auto in = LineReader::open(path, MaxCourseFileBytes);
    noteRead(store, path, in);
    if (!in) return courseLoadFailure();
    int16_t count = 0;
    if (!in->integer(count)) return courseLoadFailure();
    if (count < 0 || count > MaxCourses) return courseLoadFailure();
    courses.CourseCount = count;
    for (int c = 1; c <= count; ++c) {
        for (int f = 1; f <= CourseFields; ++f) {
            if (!in->line(courses.CourseField[c][f])) {
                // Courses read so far stay; the one cut short is counted too, as far as it got.
                return courseLoadFailure();
            }
        }
    }
    // The stroke indexes, nine ratings and playing conditions of the courses.
    return LoadWhsCourseFiles(store);
}

std::string courseFileText(const CourseTable& courses) {
    std::string out = fileNumber(static_cast<int>(courses.CourseCount)) + "\r\n";
    for (int c = 1; c <= courses.CourseCount && c <= MaxCourses; ++c)
        for (int f = 1; f <= CourseFields; ++f) {
            out += courses.CourseField[c][f];
            out += "\r\n";
        }
    return out;
}

Failure SaveCourseFile(Store& store) {
    ChangeSet change(store);
    if (!store.writer->writeFile(resolveFile(store.workDir, CourseFileName), courseFileText(store.courses)))
        return courseSaveFailure();
    return change.commit();
}

} // namespace tallyrock

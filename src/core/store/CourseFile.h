#pragma once
// The course file, course.dat: every course of every league.

#include "Message.h"
#include "Store.h"

namespace tallyrock {

inline constexpr const char* CourseFileName = "course.dat";

// Reads the course file, then the World Handicap System's course files
// (WhsFiles.h). On failure the courses read so far stay and the message is
// returned (a missing file leaves the table as it was).
Failure LoadCourseFile(Store& store);
// Writes the course table; the previous file stays whole on failure.
Failure SaveCourseFile(Store& store);

std::string courseFileText(const CourseTable& courses);

Message courseLoadFailure();
Message courseSaveFailure();

} // namespace tallyrock

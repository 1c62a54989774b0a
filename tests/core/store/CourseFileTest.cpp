// The course file: layout, round trips, damaged files and its file name.
#include "store/CourseFile.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store storeIn(const TempDir& dir, int courses = 0) {
    Store store = tallyrock::test::storeIn(dir.path());
    store.courses.CourseCount = static_cast<int16_t>(courses);
    for (int c = 1; c <= courses; ++c)
        fillCourse(store.courses, c, c == 2 ? "Oak Creek, \"East\"" : "Course " + std::to_string(c));
    return store;
}

void expectCourseLoadFailure(const Failure& failure) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Loading...");
    EXPECT_EQ(failure->text,
              "No courses have been saved or\r\nproblem reading file.\r\nIgnore this if you are entering "
              "your\r\nfirst course.");
    EXPECT_EQ(failure->icon, Icon::Exclamation);
}

} // namespace

TEST(CourseFile, ThreeCoursesAre91LinesAndReadBackIdentical) {
    TempDir dir;
    Store empty = storeIn(dir);
    ASSERT_FALSE(SaveCourseFile(empty));
    EXPECT_EQ(readFile(dir / "course.dat"), " 0 \r\n");

    Store store = storeIn(dir, 3);
    store.courses.CourseField[3][field::Unused] = "";
    ASSERT_FALSE(SaveCourseFile(store));
    std::string text = readFile(dir / "course.dat");
    auto lines = fileLines(text);
    ASSERT_EQ(lineCount(text), 91);
    EXPECT_EQ(lines[0], " 3 ");
    EXPECT_EQ(lines[1], "Course 1");
    EXPECT_EQ(lines[23], " 70.5"); // field 23 of course 1
    EXPECT_EQ(lines[26], " 120");  // field 26
    EXPECT_EQ(lines[30], "kept");  // field 30
    EXPECT_EQ(lines[31], "Oak Creek, \"East\"");

    Store back = storeIn(dir);
    ASSERT_FALSE(LoadCourseFile(back));
    EXPECT_EQ(back.courses.CourseField, store.courses.CourseField);
    EXPECT_EQ(back.courses.numeric(1, field::rating(1)), 70.5);
    ASSERT_FALSE(SaveCourseFile(back));
    EXPECT_EQ(readFile(dir / "course.dat"), text);
}

TEST(CourseFile, MissingShortOrBadFilesFail) {
    TempDir dir;
    Store store = storeIn(dir, 1);
    expectCourseLoadFailure(LoadCourseFile(store)); // missing: the table stays as it was
    EXPECT_EQ(store.courses.CourseCount, 1);
    EXPECT_EQ(store.courses.name(1), "Course 1");

    // A short file keeps the courses read so far.
    auto lines = fileLines(courseFileText(storeIn(dir, 2).courses));
    std::string cut;
    for (std::size_t i = 0; i < 1 + 30 + 10; ++i)
        cut += lines[i] + "\r\n";
    writeFile(dir / "course.dat", cut);
    Store back = storeIn(dir);
    expectCourseLoadFailure(LoadCourseFile(back));
    EXPECT_EQ(back.courses.CourseCount, 2);
    EXPECT_EQ(back.courses.CourseField[1][field::Unused], "kept");
    EXPECT_EQ(back.courses.CourseField[2][10], " 4");
    EXPECT_EQ(back.courses.CourseField[2][11], "");

    // A count outside the table changes nothing.
    for (const std::string count : {" 201 ", "-1 ", "x", " 99999 "}) {
        writeFile(dir / "course.dat", crlf({count, "Pine Hills"}));
        Store bad = storeIn(dir, 1);
        expectCourseLoadFailure(LoadCourseFile(bad));
        EXPECT_EQ(bad.courses.CourseCount, 1) << count;
        EXPECT_EQ(bad.courses.name(1), "Course 1") << count;
    }
}

TEST(CourseFile, OfferedOnlyWithANameLongerThanOneCharacter) {
    CourseTable courses;
    courses.CourseCount = 3;
    courses.CourseField[1][field::Name] = "A";
    courses.CourseField[2][field::Name] = "\xC3\x85"; // one character, two bytes
    courses.CourseField[3][field::Name] = "Ab";
    EXPECT_FALSE(courses.offered(1));
    EXPECT_FALSE(courses.offered(2));
    EXPECT_TRUE(courses.offered(3));
    EXPECT_FALSE(courses.offered(MaxCourses + 1));
    EXPECT_EQ(courses.numeric(MaxCourses + 1, 1), 0);
}

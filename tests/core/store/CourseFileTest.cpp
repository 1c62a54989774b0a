// The course file: layout, round trips, damaged files and its file name.
#include "store/CourseFile.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store storeIn(const TempDir& dir) {
    Store store;
    store.workDir = dir.path();
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
    Store store = storeIn(dir);
    store.courses.CourseCount = 3;
    fillCourse(store.courses, 1, "Pine Hills");
    fillCourse(store.courses, 2, "Oak Creek, \"East\"");
    fillCourse(store.courses, 3, "Lakes");
    store.courses.CourseField[3][field::Unused] = "";
    ASSERT_FALSE(SaveCourseFile(store));

    std::string text = readFile(dir / "course.dat");
    auto lines = fileLines(text);
    ASSERT_EQ(lineCount(text), 91);
    EXPECT_EQ(lines[0], " 3 ");
    EXPECT_EQ(lines[1], "Pine Hills");
    EXPECT_EQ(lines[23], " 70.5"); // field 23 of course 1
    EXPECT_EQ(lines[26], " 120");  // field 26
    EXPECT_EQ(lines[30], "kept");  // field 30
    EXPECT_EQ(lines[31], "Oak Creek, \"East\"");

    Store back = storeIn(dir);
    ASSERT_FALSE(LoadCourseFile(back));
    ASSERT_EQ(back.courses.CourseCount, 3);
    for (std::size_t c = 1; c <= 3; ++c)
        for (std::size_t f = 1; f <= CourseFields; ++f)
            EXPECT_EQ(back.courses.CourseField[c][f], store.courses.CourseField[c][f])
                << "course " << c << " field " << f;
    EXPECT_EQ(back.courses.numeric(1, field::rating(1)), 70.5);
    EXPECT_EQ(back.courses.numeric(1, field::slope(3)), 131);

    ASSERT_FALSE(SaveCourseFile(back));
    EXPECT_EQ(readFile(dir / "course.dat"), text);
}

TEST(CourseFile, EmptyTableIsTheCountAlone) {
    TempDir dir;
    Store store = storeIn(dir);
    ASSERT_FALSE(SaveCourseFile(store));
    EXPECT_EQ(readFile(dir / "course.dat"), " 0 \r\n");
}

TEST(CourseFile, MissingFileLeavesTheTableAsItWas) {
    TempDir dir;
    Store store = storeIn(dir);
    store.courses.CourseCount = 1;
    fillCourse(store.courses, 1, "Pine Hills");
    expectCourseLoadFailure(LoadCourseFile(store));
    EXPECT_EQ(store.courses.CourseCount, 1);
    EXPECT_EQ(store.courses.name(1), "Pine Hills");
}

TEST(CourseFile, ShortFileKeepsTheCoursesReadSoFar) {
    TempDir dir;
    Store store = storeIn(dir);
    store.courses.CourseCount = 2;
    fillCourse(store.courses, 1, "Pine Hills");
    fillCourse(store.courses, 2, "Lakes");
    auto lines = fileLines(courseFileText(store.courses));
    std::string cut;
    for (std::size_t i = 0; i < 1 + 30 + 10; ++i)
        cut += lines[i] + "\r\n";
    writeFile(dir / "course.dat", cut);

    Store back = storeIn(dir);
    expectCourseLoadFailure(LoadCourseFile(back));
    EXPECT_EQ(back.courses.CourseCount, 2);
    EXPECT_EQ(back.courses.CourseField[1][field::Unused], "kept");
    EXPECT_EQ(back.courses.name(2), "Lakes");
    EXPECT_EQ(back.courses.CourseField[2][10], " 4");
    EXPECT_EQ(back.courses.CourseField[2][11], "");
}

TEST(CourseFile, CountOutsideTheTableFailsAndChangesNothing) {
    TempDir dir;
    for (const std::string count : {" 201 ", "-1 ", "x", " 99999 "}) {
        writeFile(dir / "course.dat", crlf({count, "Pine Hills"}));
        Store store = storeIn(dir);
        store.courses.CourseCount = 1;
        fillCourse(store.courses, 1, "Lakes");
        expectCourseLoadFailure(LoadCourseFile(store));
        EXPECT_EQ(store.courses.CourseCount, 1) << count;
        EXPECT_EQ(store.courses.name(1), "Lakes") << count;
    }
}

TEST(CourseFile, FileNameMatchesWithoutRegardToCase) {
    TempDir dir;
    writeFile(
        dir / "Course.DAT", " 1 \r\n" + [] {
            std::string fields = "Pine Hills\r\n";
            for (int f = 2; f <= 30; ++f)
                fields += std::to_string(f) + "\r\n";
            return fields;
        }());
    Store store = storeIn(dir);
    ASSERT_FALSE(LoadCourseFile(store));
    EXPECT_EQ(store.courses.name(1), "Pine Hills");

    store.courses.CourseField[1][field::Name] = "Pine Hills North";
    ASSERT_FALSE(SaveCourseFile(store));
    auto files = folderSnapshot(dir.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(fileLines(files.at("Course.DAT"))[1], "Pine Hills North");
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
    EXPECT_FALSE(courses.offered(0));
    EXPECT_FALSE(courses.offered(MaxCourses + 1));
    EXPECT_EQ(courses.numeric(MaxCourses + 1, 1), 0);
    EXPECT_EQ(courses.numeric(1, CourseFields + 1), 0);
}

// The course window's save: refusals, deleted slots, the field it keeps and the full table.
#include "roster/CourseOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/CourseFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// A working folder with `count` courses saved.
Store storeIn(const TempDir& dir, int count = 0) {
    Store store = tallyrock::test::storeIn(dir.path());
    store.courses.CourseCount = static_cast<int16_t>(count);
    for (int c = 1; c <= count; ++c)
        fillCourse(store.courses, c, "Course " + std::to_string(c));
    if (count > 0) {
        EXPECT_FALSE(SaveCourseFile(store));
    }
    return store;
}

const std::vector<std::string> par72 = {"4", "4", "3", "5", "4", "4", "3", "5", "4",
                                        "4", "4", "3", "5", "4", "4", "3", "5", "4"};

// The add window as the user fills it: pars typed box by box.
CourseForm typedForm(Store& store, const std::string& name, const std::vector<std::string>& pars = par72) {
    store.CourseFormMode = CourseWindowMode::Add;
    CourseForm form = openCourseForm(store);
    form.name = name;
    for (std::size_t h = 1; h <= 18 && h <= pars.size(); ++h)
        form.parText[h] = parBoxText(pars[h - 1]);
    return form;
}

} // namespace

TEST(CourseOps, MissingNameOrZeroNineIsRefusedStoringNothing) {
    TempDir dir;
    Store store = storeIn(dir, 1);
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    std::vector<std::string> frontOnly(par72.begin(), par72.begin() + 9);
    std::vector<std::string> backOnly(9, "");
    backOnly.insert(backOnly.end(), par72.begin() + 9, par72.end());
    const std::vector<std::pair<std::string, std::vector<std::string>>> refused = {
        {"", par72}, {"Front", frontOnly}, {"Back", backOnly}};
    for (const auto& [name, pars] : refused) {
        CourseForm form = typedForm(store, name, pars);
        Failure check = checkCourseForm(store, form);
        Failure failure = saveCourseForm(store, form);
        ASSERT_TRUE(failure.has_value() && check.has_value()) << name;
        EXPECT_EQ(check->text + check->title, failure->text + "Problem saving course");
        EXPECT_EQ(failure->text,
                  "Insufficient information to save\r\nCourse data.  Please provide a name\r\nand the par "
                  "values for each hole.\r\nFor nine hole courses, duplicate the values\r\nof the first "
                  "nine holes for holes 10 - 18");
        EXPECT_EQ(failure->icon, Icon::Exclamation);
        EXPECT_EQ(store.CourseFormMode, CourseWindowMode::Add); // the window stays open
    }
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);

    // A one-character name is saved, though never offered.
    ASSERT_FALSE(saveCourseForm(store, typedForm(store, "X")));
    EXPECT_EQ(store.courses.name(2), "X");
    EXPECT_EQ(findCourse(store.courses, "x"), 0);
}

TEST(CourseOps, DeletedSlotIsReusedByTheNextAdd) {
    TempDir dir;
    Store store = storeIn(dir, 3);
    ASSERT_FALSE(deleteCourse(store, 2));
    EXPECT_EQ(store.courses.CourseCount, 3);
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 31, lines.begin() + 61), std::vector<std::string>(30));

    CourseForm form = typedForm(store, "Lakes");
    EXPECT_EQ(store.CourseFormMode, CourseWindowMode::Edit);
    EXPECT_EQ(store.CurrentCourse, 2);
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], "65.0");
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::slope(3))], "113");
    EXPECT_EQ(std::pair(form.rating[1], form.slope[3]), std::pair(65.0, 113.0));
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 3);
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], " 65");
    EXPECT_EQ(fileLines(readFile(dir / "course.dat"))[31], "Lakes");
}

TEST(CourseOps, EditKeepsFieldThirty) {
    TempDir dir;
    Store store = storeIn(dir, 2);
    store.CourseFormMode = CourseWindowMode::Edit;
    store.CurrentCourse = 2;
    CourseForm form = openCourseForm(store);
    EXPECT_EQ(form.name, "Course 2");
    EXPECT_EQ(form.parText[7], " 4");
    EXPECT_EQ(form.rating[3], 72.8);
    form.parText[1] = " 5";
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 2);
    const auto& fields = store.courses.CourseField[2];
    EXPECT_EQ(fields[field::OutPar] + "|" + fields[field::TotalPar] + "|" + fields[field::Unused],
              "37| 73|kept");
}

TEST(CourseOps, TwoHundredFirstCourseIsRefusedChangingNothing) {
    TempDir dir;
    Store store = storeIn(dir, MaxCourses);
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    Failure failure = saveCourseForm(store, typedForm(store, "One Too Many"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Course Setup");
    EXPECT_EQ(failure->text, courseTableFull().text);
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);

    // Editing a course of a full table is fine, and a deleted course makes room again.
    store.CourseFormMode = CourseWindowMode::Edit;
    store.CurrentCourse = MaxCourses;
    EXPECT_FALSE(checkCourseForm(store, openCourseForm(store)));
    ASSERT_FALSE(deleteCourse(store, 150));
    ASSERT_FALSE(saveCourseForm(store, typedForm(store, "Fits Now")));
    EXPECT_EQ(store.courses.name(150), "Fits Now");
    EXPECT_EQ(store.courses.CourseCount, MaxCourses);
}

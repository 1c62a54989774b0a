// The course window's save, its boxes and spins, deleted slots and the full table.
#include "roster/CourseOps.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "store/CourseFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store storeIn(const TempDir& dir) {
    Store store;
    store.workDir = dir.path();
    return store;
}

// The add window as the user fills it: pars typed box by box.
CourseForm typedForm(Store& store, const std::string& name, const std::vector<std::string>& pars) {
    store.CourseFormMode = "add";
    CourseForm form = openCourseForm(store);
    form.name = name;
    for (std::size_t h = 1; h <= 18 && h <= pars.size(); ++h)
        form.parText[h] = parBoxText(pars[h - 1]);
    return form;
}

const std::vector<std::string> par72 = {"4", "4", "3", "5", "4", "4", "3", "5", "4",
                                        "4", "4", "3", "5", "4", "4", "3", "5", "4"};

void fillTable(Store& store, int count) {
    store.courses.CourseCount = static_cast<int16_t>(count);
    for (int c = 1; c <= count; ++c)
        fillCourse(store.courses, c, "Course " + std::to_string(c));
}

} // namespace

TEST(CourseOps, SaveStoresTheTextsTheWindowShows) {
    TempDir dir;
    Store store = storeIn(dir);
    store.courses.CourseField[1][field::Unused] = "stale"; // beyond the count: not part of the new course
    CourseForm form = typedForm(store, "Pine Hills, East", par72);
    EXPECT_EQ(form.rating[2], 65.0);
    EXPECT_EQ(form.slope[3], 113);
    form.rating = {0, 70.5, 65.0, 72.0};
    form.slope = {0, 113, 125, 130};
    form.initials = "PHE";
    ASSERT_FALSE(saveCourseForm(store, form));

    EXPECT_EQ(store.courses.CourseCount, 1);
    EXPECT_EQ(store.CurrentCourse, 1);
    EXPECT_EQ(store.CourseFormMode, "");
    std::vector<std::string> expected = {" 1 ", "Pine Hills, East", "36", "36", " 72"};
    for (const auto& par : par72)
        expected.push_back(" " + par);
    for (const std::string text : {" 70.5", " 65", " 72", " 113", " 125", " 130", "PHE", ""})
        expected.push_back(text);
    EXPECT_EQ(fileLines(readFile(dir / "course.dat")), expected);
    EXPECT_EQ(store.courses.numeric(1, field::rating(2)), 65);
}

TEST(CourseOps, ParBoxesAndTotals) {
    EXPECT_EQ(parBoxText("4"), " 4");
    EXPECT_EQ(parBoxText(""), " ");
    EXPECT_EQ(parBoxText(" 5"), " 5");
    CourseForm form;
    for (std::size_t h = 1; h <= 18; ++h)
        form.parText[h] = " ";
    EXPECT_EQ(form.outText(), "0");
    EXPECT_EQ(form.totalText(), " 0");
    form.parText[1] = " 4";
    form.parText[12] = " 5";
    EXPECT_EQ(form.outText(), "4");
    EXPECT_EQ(form.inText(), "5");
    EXPECT_EQ(form.totalText(), " 9");
}

TEST(CourseOps, RatingAndSlopeSpins) {
    EXPECT_EQ(ratingSpin("20.0", false), "20.0");
    EXPECT_EQ(ratingSpin("20.0", true), "20.1");
    EXPECT_EQ(ratingSpin("20.1", false), "20.0");
    EXPECT_EQ(ratingSpin("65.0", true), "65.1");
    EXPECT_EQ(ratingSpin("70.5", false), "70.4");
    EXPECT_EQ(ratingPanelText(5.25), "05.3");
    EXPECT_EQ(slopeSpin("113", false), "112");
    EXPECT_EQ(slopeSpin("0", false), "-1");
    EXPECT_EQ(ratingFieldText(65.0), " 65");
    EXPECT_EQ(ratingFieldText(70.5), " 70.5");
    EXPECT_EQ(ratingFieldText(113), " 113");
}

TEST(CourseOps, MissingNameOrZeroNineIsRefusedStoringNothing) {
    TempDir dir;
    Store store = storeIn(dir);
    fillTable(store, 1);
    ASSERT_FALSE(SaveCourseFile(store));
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    std::vector<std::string> frontOnly(par72.begin(), par72.begin() + 9);
    std::vector<std::string> backOnly(9, "");
    backOnly.insert(backOnly.end(), par72.begin() + 9, par72.end());
    const std::vector<std::pair<std::string, std::vector<std::string>>> refused = {
        {"", par72}, {"Front", frontOnly}, {"Back", backOnly}};
    for (const auto& [name, pars] : refused) {
        CourseForm form = typedForm(store, name, pars);
        Failure failure = saveCourseForm(store, form);
        ASSERT_TRUE(failure.has_value()) << name;
        EXPECT_EQ(failure->title, "Problem saving course");
        EXPECT_EQ(failure->text,
                  "Insufficient information to save\r\nCourse data.  Please provide a name\r\nand the par "
                  "values for each hole.\r\nFor nine hole courses, duplicate the values\r\nof the first "
                  "nine holes for holes 10 - 18");
        EXPECT_EQ(failure->icon, Icon::Exclamation);
        EXPECT_EQ(store.CourseFormMode, "add"); // the window stays open
    }
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);
}

TEST(CourseOps, DeletedSlotIsReusedByTheNextAdd) {
    TempDir dir;
    Store store = storeIn(dir);
    fillTable(store, 3);
    ASSERT_FALSE(deleteCourse(store, 2));
    EXPECT_EQ(store.courses.CourseCount, 3);
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 91u);
    for (std::size_t i = 31; i <= 60; ++i)
        EXPECT_EQ(lines[i], "") << "line " << i;

    store.CourseFormMode = "add";
    CourseForm form = openCourseForm(store);
    EXPECT_EQ(store.CourseFormMode, "edit");
    EXPECT_EQ(store.CurrentCourse, 2);
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], "65.0");
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::slope(3))], "113");
    EXPECT_EQ(form.rating[1], 65.0);
    EXPECT_EQ(form.slope[3], 113);
    EXPECT_EQ(form.name, "");

    form.name = "Lakes";
    for (std::size_t h = 1; h <= 18; ++h)
        form.parText[h] = parBoxText(par72[h - 1]);
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 3);
    EXPECT_EQ(store.courses.name(2), "Lakes");
    EXPECT_EQ(store.courses.CourseField[2][static_cast<std::size_t>(field::rating(1))], " 65");
    EXPECT_EQ(fileLines(readFile(dir / "course.dat"))[31], "Lakes");
}

TEST(CourseOps, EditKeepsFieldThirty) {
    TempDir dir;
    Store store = storeIn(dir);
    fillTable(store, 2);
    store.CourseFormMode = "edit";
    store.CurrentCourse = 2;
    CourseForm form = openCourseForm(store);
    EXPECT_EQ(form.name, "Course 2");
    EXPECT_EQ(form.parText[7], " 4");
    EXPECT_EQ(form.rating[3], 72.8);
    form.name = "Renamed";
    form.parText[1] = " 5";
    ASSERT_FALSE(saveCourseForm(store, form));
    EXPECT_EQ(store.courses.CourseCount, 2);
    EXPECT_EQ(store.courses.name(2), "Renamed");
    EXPECT_EQ(store.courses.CourseField[2][field::OutPar], "37");
    EXPECT_EQ(store.courses.CourseField[2][field::TotalPar], " 73");
    EXPECT_EQ(store.courses.CourseField[2][field::Unused], "kept");
}

TEST(CourseOps, TwoHundredFirstCourseIsRefusedChangingNothing) {
    TempDir dir;
    Store store = storeIn(dir);
    fillTable(store, MaxCourses);
    ASSERT_FALSE(SaveCourseFile(store));
    const auto before = folderSnapshot(dir.path());
    const std::string table = courseFileText(store.courses);

    Failure failure = saveCourseForm(store, typedForm(store, "One Too Many", par72));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Course Setup");
    EXPECT_EQ(store.courses.CourseCount, MaxCourses);
    EXPECT_EQ(courseFileText(store.courses), table);
    EXPECT_EQ(folderSnapshot(dir.path()), before);

    // A deleted course makes room again.
    ASSERT_FALSE(deleteCourse(store, 150));
    ASSERT_FALSE(saveCourseForm(store, typedForm(store, "Fits Now", par72)));
    EXPECT_EQ(store.courses.name(150), "Fits Now");
    EXPECT_EQ(store.courses.CourseCount, MaxCourses);
}

TEST(CourseOps, WriteFailureKeepsTheNewCourseInMemory) {
    TempDir dir;
    Store store = storeIn(dir);
    store.writer = std::make_shared<FailingWriter>();
    Failure failure = saveCourseForm(store, typedForm(store, "Pine Hills", par72));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "Unable to save settings to disk");
    EXPECT_EQ(store.courses.CourseCount, 1);
    EXPECT_EQ(store.courses.name(1), "Pine Hills");
    EXPECT_EQ(store.CourseFormMode, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "course.dat"));
}

TEST(CourseOps, FindCourseIgnoresCaseAndUnofferedCourses) {
    CourseTable courses;
    courses.CourseCount = 4;
    courses.CourseField[1][field::Name] = "Lakes";
    courses.CourseField[2][field::Name] = "L";
    courses.CourseField[3][field::Name] = "LAKES";
    EXPECT_EQ(findCourse(courses, "lakes"), 3);
    EXPECT_EQ(findCourse(courses, "l"), 0);
    EXPECT_EQ(findCourse(courses, ""), 0);
}

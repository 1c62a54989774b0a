// The World Handicap System's files: layout, made when used, a deleted course, refusals, damage, whs.ini.
#include "store/WhsFiles.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "handicap/Rules.h"
#include "roster/CourseOps.h"
#include "roster/WhsCourseOps.h"
#include "store/CourseFile.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const auto straight = [] {
    std::array<int16_t, 19> si{};
    std::iota(si.begin() + 1, si.end(), int16_t{1});
    return si;
}();

class WhsFiles : public ::testing::Test {
  protected:
    WhsFiles() {
        store.workDir = dir / "work";
        store.settingsDir = dir / "config";
        fs::create_directories(store.workDir);
        store.courses.CourseCount = 2;
        fillCourse(store.courses, 1, "Pine Hills");
        fillCourse(store.courses, 2, "Oak Ridge");
        EXPECT_FALSE(SaveCourseFile(store));
    }
    bool exists(const char* name) const { return fs::exists(store.workDir / name); }
    TempDir dir;
    Store store;
};

TEST_F(WhsFiles, WrittenWhenFirstUsedInTheirLayoutAndReadBack) {
    EXPECT_FALSE(LoadCourseFile(store));
    EXPECT_FALSE(exists(WhsTeesFileName) || exists(WhsPccFileName));

    ASSERT_FALSE(setStrokeIndexes(store, 2, 1, straight));
    ASSERT_FALSE(setNineRatings(store, 2, 1, 35.3, 121, 36.1, 125));
    ASSERT_FALSE(setPcc(store, 1, 6, 5, 24, -1));
    EXPECT_EQ(readFile(store.workDir / WhsPccFileName), crlf({" 1 ", " 1 ", " 6 ", " 5 ", " 24 ", "-1 "}));
    std::string tees = readFile(store.workDir / WhsTeesFileName);
    EXPECT_EQ(lineCount(tees), 1 + 24);
    EXPECT_TRUE(tees.starts_with(crlf({" 1 ", " 2 ", " 1 ", " 1 ", " 2 ", " 3 "}))) << tees;
    EXPECT_TRUE(tees.ends_with(crlf({" 18 ", " 35.3 ", " 121 ", " 36.1 ", " 125 "}))) << tees;

    Store again = storeIn(store.workDir);
    EXPECT_FALSE(LoadCourseFile(again));
    EXPECT_EQ(whsTeesText(again.whs), tees);
    EXPECT_EQ(again.whs.pccOn(1, 20240605), -1);

    ASSERT_FALSE(setPcc(store, 1, 6, 5, 24, 0)); // 0 is the default: the entry goes
    EXPECT_EQ(readFile(store.workDir / WhsPccFileName), crlf({" 0 "}));

    // A deleted course takes its data along.
    ASSERT_FALSE(setStrokeIndexes(store, 1, 2, straight));
    ASSERT_FALSE(setPcc(store, 1, 6, 5, 24, 2));
    ASSERT_FALSE(deleteCourse(store, 1));
    ASSERT_FALSE(LoadCourseFile(again));
    EXPECT_FALSE(again.whs.tee(1, 2));
    EXPECT_TRUE(again.whs.tee(2, 1));
    EXPECT_EQ(again.whs.pccOn(1, 20240605), 0);
}

TEST_F(WhsFiles, RefusalsChangeNothing) {
    auto repeated = straight;
    repeated[18] = 1;
    auto zero = straight;
    zero[5] = 0;
    for (auto [si, course, tee] :
         {std::tuple{repeated, 1, 2}, {zero, 1, 2}, {straight, 1, 4}, {straight, 3, 2}})
        EXPECT_TRUE(setStrokeIndexes(store, course, tee, si)) << course << " " << tee;
    EXPECT_EQ(setStrokeIndexes(store, 1, 2, repeated)->text,
              "The stroke indexes of the Mens Tee must hold each number\r\nfrom 1 to 18 once (1 the hardest "
              "hole).");
    for (auto [rating, slope] : {std::pair{35.35, 121.0}, {9.9, 121.0}, {35.3, 54.0}, {35.3, 121.5}})
        EXPECT_TRUE(setNineRatings(store, 1, 2, rating, slope, 36, 125)) << rating << " " << slope;
    for (int pcc : {-2, 4})
        EXPECT_EQ(setPcc(store, 1, 6, 5, 24, pcc).value_or(Message{}).text, pccRefusal().text);
    EXPECT_FALSE(exists(WhsTeesFileName) || exists(WhsPccFileName));
}

TEST_F(WhsFiles, ADamagedFileIsReportedUnusedAndKeptWhenReplaced) {
    writeFile(store.workDir / WhsTeesFileName, crlf({" 1 ", " 1 ", " 2 ", " 7 "}));
    EXPECT_NE(LoadCourseFile(store).value_or(Message{}).text.find("Unable to read whs-tees.dat"),
              std::string::npos);
    EXPECT_TRUE(store.whs.tees.empty());
    ASSERT_FALSE(setStrokeIndexes(store, 1, 2, straight));
    EXPECT_EQ(readFile(store.workDir / "whs-tees.dat.damaged"), crlf({" 1 ", " 1 ", " 2 ", " 7 "}));
}

TEST_F(WhsFiles, SettingsBesideTheThirteenLines) {
    RulesForm form = rulesFormValues(store.settings);
    EXPECT_EQ(std::tuple(form.allowanceText, form.nineFactorText, form.nineBaseText),
              std::tuple("100", "0.52", "1.2"));
    ASSERT_FALSE(acceptRules(store, form)); // method 1: no whs.ini
    EXPECT_FALSE(fs::exists(store.settingsDir / WhsSettingsFileName));

    form.method = 4;
    form.allowanceText = "85";
    form.nineFactorText = "0.5";
    form.nineBaseText = "7"; // out of range: the default
    ASSERT_FALSE(acceptRules(store, form));
    EXPECT_EQ(lineCount(readFile(store.settingsDir / SettingsFileName)), 13);
    EXPECT_EQ(readFile(store.settingsDir / WhsSettingsFileName), crlf({" 85 ", " .5 ", " 1.2 "}));
    Store again;
    again.settingsDir = store.settingsDir;
    LoadSettings(again);
    EXPECT_EQ(std::tuple(again.settings.HcpMethod, again.settings.WhsAllowance, again.settings.WhsNineFactor,
                         again.settings.WhsNineBase),
              std::tuple(int16_t{4}, int16_t{85}, int16_t{50}, int16_t{12}));
}

} // namespace

// The rules the course, league and player windows take from the core: the
// league name box, the league menu after a create or a delete, the course
// save's refusals, the order window's spin button and the windows' captions.
#include "core/TestFiles.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

using Menu = std::vector<std::string>;

TEST(LeagueNameBox, DropsCharactersBelowZeroExceptTheSpace) {
    EXPECT_EQ(leagueNameBoxText("Mon.day"), "Monday");
    EXPECT_EQ(leagueNameBoxText("../up/x"), "upx");
    EXPECT_EQ(leagueNameBoxText("Tues-day 'A' \"B\" #1!"), "Tuesday A B 1");
    EXPECT_EQ(leagueNameBoxText("tab\there"), "tabhere");
    // Characters from "0" upward pass; the checks refuse these later.
    EXPECT_EQ(leagueNameBoxText("a:b;c\\d"), "a:b;c\\d");
    EXPECT_EQ(leagueNameBoxText("Zürich Open"), "Zürich Open");
    EXPECT_EQ(leagueNameBoxText(std::string(29, 'a') + "bcd"), std::string(29, 'a') + "b");
    EXPECT_EQ(leagueNameBoxText(std::string(29, 'a') + "üx"), std::string(29, 'a') + "ü");
}

TEST(LeagueMenu, CreateFillsNoEntriesOrABlankItemZeroElseAddsAnItem) {
    Menu menu = leagueMenuAfterCreate({"No Entries"}, "Monday", 1);
    EXPECT_EQ(menu, (Menu{"Monday"}));
    menu = leagueMenuAfterCreate(menu, "Friday", 2);
    menu = leagueMenuAfterCreate(menu, "Seniors", 3);
    EXPECT_EQ(menu, (Menu{"Monday", "Friday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterCreate({"", "Friday", "Seniors"}, "Sunday", 3),
              (Menu{"Sunday", "Friday", "Seniors"}));
}

TEST(LeagueMenu, DeleteBlanksItemZeroForTheFirstElseRemovesItsItem) {
    const Menu three{"Monday", "Friday", "Seniors"};
    EXPECT_EQ(leagueMenuAfterDelete(three, "Monday"), (Menu{"", "Friday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterDelete(three, "Friday"), (Menu{"Monday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterDelete(three, "Seniors"), (Menu{"Monday", "Friday"}));
    EXPECT_EQ(leagueMenuAfterDelete({"Monday"}, "Monday"), (Menu{""}));
    // A name the menu no longer shows leaves it as it is.
    EXPECT_EQ(leagueMenuAfterDelete({"", "Seniors"}, "Monday"), (Menu{"", "Seniors"}));
}

TEST(LeagueMenu, SecondDeleteInASessionRemovesThatLeaguesOwnItem) {
    // After the first league went, item 0 is blank and the list positions no
    // longer match the items: the next delete must still take the right one.
    Menu menu = leagueMenuAfterDelete({"Monday", "Friday", "Seniors"}, "Monday");
    menu = leagueMenuAfterDelete(menu, "Seniors");
    EXPECT_EQ(menu, (Menu{"", "Friday"}));
    menu = leagueMenuAfterDelete(menu, "Friday");
    EXPECT_EQ(menu, (Menu{""}));
}

TEST(LeagueMenu, AFileThatCannotBeDeletedIsReportedAfterTheListChanged) {
    TempDir dir;
    Store store;
    store.workDir = dir.path();
    SetDefaults(store.settings);
    for (const char* name : {"Monday", "Seniors"})
        ASSERT_TRUE(createLeague(store, name).messages.empty());
    // A folder in the league file's place cannot be removed as a file.
    fs::remove(dir / "Seniors.LGE");
    fs::create_directory(dir / "Seniors.LGE");
    writeFile(dir / "Seniors.LGE" / "inside", "x");

    LeagueResult result = deleteLeague(store, "seniors");
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.fileLeft);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "Tallyrock");
    EXPECT_EQ(result.messages[0].text, "The file Seniors.LGE could not be Deleted from disk.");
    EXPECT_EQ(result.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(store.settings.LeagueCount, 1);
    EXPECT_EQ(readFile(dir / "vexa.dat").substr(0, 12), " 1 \r\nMonday\r");

    EXPECT_FALSE(deleteLeague(store, "Monday").fileLeft);
    EXPECT_EQ(leagueNotListed().text, "That name is not on the active list.");
}

TEST(CourseFormCheck, RefusesWhatTheSaveWouldRefuse) {
    Store store;
    store.CourseFormMode = "add";
    CourseForm form;
    form.name = "Pine Valley";
    for (int h = 1; h <= 18; ++h)
        form.parText[static_cast<std::size_t>(h)] = h <= 9 ? " 4" : " ";
    ASSERT_TRUE(checkCourseForm(store, form).has_value());
    EXPECT_EQ(checkCourseForm(store, form)->title, "Problem saving course");

    for (int h = 10; h <= 18; ++h)
        form.parText[static_cast<std::size_t>(h)] = " 4";
    EXPECT_FALSE(checkCourseForm(store, form).has_value());
    form.name.clear();
    EXPECT_TRUE(checkCourseForm(store, form).has_value());
    form.name = "X"; // one character is enough to save

    store.courses.CourseCount = MaxCourses;
    ASSERT_TRUE(checkCourseForm(store, form).has_value());
    EXPECT_EQ(checkCourseForm(store, form)->text, courseTableFull().text);
    // Editing a course of a full table is fine.
    store.CourseFormMode = "edit";
    store.CurrentCourse = MaxCourses;
    EXPECT_FALSE(checkCourseForm(store, form).has_value());
}

TEST(CourseFormCheck, SlopePanelShowsThePlainNumber) {
    EXPECT_EQ(slopePanelText(113), "113");
    EXPECT_EQ(slopePanelText(55), "55");
    EXPECT_EQ(slopePanelText(120.5), "120.5");
}

TEST(PlayerOrderSpin, StepsTheRoundedNumberWithinTheList) {
    EXPECT_EQ(orderSpin("5", 8, true), 6);
    EXPECT_EQ(orderSpin("5", 8, false), 4);
    EXPECT_EQ(orderSpin("8", 8, true), std::nullopt);
    EXPECT_EQ(orderSpin("1", 8, false), std::nullopt);
    EXPECT_EQ(orderSpin("2.6", 8, false), 2);
    EXPECT_EQ(orderSpin("0", 8, true), 1);
    EXPECT_EQ(orderSpin("0", 8, false), std::nullopt);
}

TEST(RosterCaptions, NameTheLeague) {
    Store store;
    store.league.LeagueFilePath = "Club.LGE";
    EXPECT_EQ(addPlayersTitle(store), "Club Players");
    EXPECT_EQ(playerListCaption(store), "Club.LGE Player List");
    EXPECT_EQ(orderListCaption(store), "Club   Player List");
    EXPECT_EQ(orderLineName("  7  Ann Able"), "Ann Able");
    EXPECT_EQ(orderLineName("100  Zed"), "Zed");
}

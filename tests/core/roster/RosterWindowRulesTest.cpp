// The rules the league and player windows take from the core: the league
// name box, the league menu after a create or a delete, the order window's
// spin button and the windows' captions.
#include "core/Samples.h"
#include "core/TestFiles.h"
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
    EXPECT_EQ(leagueNameBoxText("../up/x"), "upx");
    EXPECT_EQ(leagueNameBoxText("Tues-day 'A' \"B\" #1!\t"), "Tuesday A B 1");
    // Characters from "0" upward pass; the checks refuse these later.
    EXPECT_EQ(leagueNameBoxText("a:b;c\\d Zürich"), "a:b;c\\d Zürich");
    EXPECT_EQ(leagueNameBoxText(std::string(29, 'a') + "bcd"), std::string(29, 'a') + "b");
    EXPECT_EQ(leagueNameBoxText(std::string(29, 'a') + "üx"), std::string(29, 'a') + "ü");
}

TEST(LeagueMenu, CreateAndDeleteKeepTheItemsInStep) {
    // "No Entries" or a blank item 0 is replaced; otherwise the name is added.
    Menu menu = leagueMenuAfterCreate({"No Entries"}, "Monday", 1);
    EXPECT_EQ(menu, (Menu{"Monday"}));
    menu = leagueMenuAfterCreate(leagueMenuAfterCreate(menu, "Friday", 2), "Seniors", 3);
    EXPECT_EQ(menu, (Menu{"Monday", "Friday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterCreate({"", "Friday", "Seniors"}, "Sunday", 3),
              (Menu{"Sunday", "Friday", "Seniors"}));

    // Deleting the first blanks item 0; others lose their own item, even
    // after item 0 went blank and the list positions no longer match.
    EXPECT_EQ(leagueMenuAfterDelete(menu, "Friday"), (Menu{"Monday", "Seniors"}));
    menu = leagueMenuAfterDelete(menu, "Monday");
    EXPECT_EQ(menu, (Menu{"", "Friday", "Seniors"}));
    EXPECT_EQ(leagueMenuAfterDelete(menu, "Monday"), menu); // no longer shown
    menu = leagueMenuAfterDelete(menu, "Seniors");
    EXPECT_EQ(menu, (Menu{"", "Friday"}));
    EXPECT_EQ(leagueMenuAfterDelete(menu, "Friday"), (Menu{""}));
}

TEST(LeagueMenu, AFileThatCannotBeDeletedIsReportedAndTheListKept) {
    TempDir dir;
    Store store = storeIn(dir.path());
    SetDefaults(store.settings);
    for (const char* name : {"Monday", "Seniors"})
        ASSERT_TRUE(createLeague(store, name).messages.empty());
    // A folder in the league file's place cannot be removed as a file.
    fs::remove(dir / "Seniors.LGE");
    fs::create_directory(dir / "Seniors.LGE");
    writeFile(dir / "Seniors.LGE" / "inside", "x");

    LeagueResult result = deleteLeague(store, "seniors");
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.fileLeft);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "Tallyrock");
    EXPECT_EQ(result.messages[0].text, "The file Seniors.LGE could not be Deleted from disk.");
    EXPECT_EQ(result.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(readFile(dir / "vexa.dat").substr(0, 20), " 2 \r\nMonday\r\nSeniors");
    EXPECT_EQ(store.settings.LeagueCount, 2);
    EXPECT_FALSE(deleteLeague(store, "Monday").fileLeft);
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

// The league list file: layout, the factor and font as start-up reads them,
// and a file that cannot be read.
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store storeIn(const TempDir& dir) {
    Store store;
    store.workDir = dir.path();
    return store;
}

// The main window's load: read the list, then the defaults it applies.
Failure startUp(Store& store) {
    Failure failure = LoadLeagueList(store);
    ApplyLeagueListDefaults(store, !failure);
    return failure;
}

void expectListLoadFailure(const Failure& failure) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Tallyrock");
    EXPECT_EQ(failure->text, "Cannot Load vexa.dat, Please check your working\r\ndirectory or Launchers "
                             "startup directory setting.");
    EXPECT_EQ(failure->icon, Icon::None);
}

} // namespace

TEST(LeagueListFile, EmptyListIsSevenLines) {
    TempDir dir;
    Store store = storeIn(dir);
    SetDefaults(store.settings);
    ASSERT_FALSE(SaveLeagueList(store));
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 0 ", " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));
}

TEST(LeagueListFile, TwoLeaguesAreNineLinesAndReadBack) {
    TempDir dir;
    Store store = storeIn(dir);
    Settings& s = store.settings;
    SetDefaults(s);
    s.LeagueCount = 2;
    s.LeagueList[1] = "Monday, Seniors";
    s.LeagueList[2] = "Friday";
    s.NineHoleOption = 2;
    s.CurrentLeague = 1;
    s.HcpLimitOption = 3;
    s.DateRemind = 1;
    ASSERT_FALSE(SaveLeagueList(store));
    EXPECT_EQ(readFile(dir / "vexa.dat"),
              crlf({" 2 ", "Monday, Seniors", "Friday", " .96 ", "Courier New", " 2 ", " 1 ", " 3 ", " 1 "}));

    Store back = storeIn(dir);
    back.settings.LeagueList[3] = "Stale";
    ASSERT_FALSE(startUp(back));
    EXPECT_EQ(back.settings.LeagueCount, 2);
    EXPECT_EQ(back.settings.LeagueList[1], "Monday, Seniors");
    EXPECT_EQ(back.settings.LeagueList[2], "Friday");
    EXPECT_EQ(back.settings.LeagueList[3], "");
    EXPECT_EQ(back.settings.IndexFactor, 0.96f);
    EXPECT_EQ(leagueListText(back.settings), leagueListText(s));
}

TEST(LeagueListFile, FontNameIsCutAtTheCommaUnlessQuoted) {
    TempDir dir;
    Store store = storeIn(dir);
    SetDefaults(store.settings);
    store.settings.FontName = "Courier New, Bold";
    ASSERT_FALSE(SaveLeagueList(store));
    EXPECT_EQ(fileLines(readFile(dir / "vexa.dat"))[2], "Courier New, Bold");

    Store back = storeIn(dir);
    ASSERT_FALSE(startUp(back));
    EXPECT_EQ(back.settings.FontName, "Courier New");

    writeFile(dir / "vexa.dat", crlf({" 0 ", " .9 ", "  \"Arial, Narrow\"", " 1 ", " 0 ", " 1 ", " 0 "}));
    Store quoted = storeIn(dir);
    ASSERT_FALSE(startUp(quoted));
    EXPECT_EQ(quoted.settings.FontName, "Arial, Narrow");
    EXPECT_EQ(quoted.settings.IndexFactor, 0.9f);
}

TEST(LeagueListFile, StartUpCorrectsALowFactorAndAnEmptyFont) {
    TempDir dir;
    const std::vector<std::pair<std::string, float>> factors = {
        {" .3 ", 0.96f}, {" .5 ", 0.5f}, {" 0 ", 0.96f}, {" 1.1 ", 1.1f}};
    for (const auto& [stored, expected] : factors) {
        writeFile(dir / "vexa.dat", crlf({" 0 ", stored, "", " 1 ", " 0 ", " 2 ", " 0 "}));
        Store store = storeIn(dir);
        ASSERT_FALSE(startUp(store));
        EXPECT_EQ(store.settings.IndexFactor, expected) << stored;
        EXPECT_EQ(store.settings.FontName, "Courier New");
        EXPECT_EQ(store.settings.HcpLimitOption, 2);
    }
}

TEST(LeagueListFile, MissingFileFailsAndTheDefaultsApply) {
    TempDir dir;
    Store store = storeIn(dir);
    bool missing = false;
    Failure failure = LoadLeagueList(store, &missing);
    expectListLoadFailure(failure);
    EXPECT_TRUE(missing);
    ApplyLeagueListDefaults(store, false);
    EXPECT_EQ(store.settings.LeagueCount, 0);
    EXPECT_EQ(store.settings.IndexFactor, 0.96f);
    EXPECT_EQ(store.settings.FontName, "Courier New");
    EXPECT_EQ(store.settings.HcpLimitOption, 1);
}

TEST(LeagueListFile, ShortFileKeepsWhatWasReadAndSkipsTheFactorCheck) {
    TempDir dir;
    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday", "Friday", " .3 ", "Arial"}));
    Store store = storeIn(dir);
    bool missing = true;
    expectListLoadFailure(LoadLeagueList(store, &missing));
    EXPECT_FALSE(missing);
    ApplyLeagueListDefaults(store, false);
    EXPECT_EQ(store.settings.LeagueCount, 2);
    EXPECT_EQ(store.settings.LeagueList[2], "Friday");
    EXPECT_EQ(store.settings.FontName, "Arial");
    // The low factor is corrected only after a good read.
    EXPECT_EQ(store.settings.IndexFactor, 0.3f);
}

TEST(LeagueListFile, CountOutsideTheListFails) {
    TempDir dir;
    for (const std::string count : {" 16 ", "-1 ", "two", ""}) {
        writeFile(dir / "vexa.dat",
                  crlf({count, "Monday", " .96 ", "Courier New", " 1 ", " 0 ", " 1 ", " 0 "}));
        Store store = storeIn(dir);
        expectListLoadFailure(LoadLeagueList(store));
        EXPECT_EQ(store.settings.LeagueCount, 0) << count;
    }
}

TEST(LeagueListFile, FileNameMatchesWithoutRegardToCase) {
    TempDir dir;
    writeFile(dir / "VEXA.DAT", crlf({" 1 ", "Monday", " .96 ", "Courier New", " 1 ", " 0 ", " 1 ", " 0 "}));
    Store store = storeIn(dir);
    ASSERT_FALSE(startUp(store));
    EXPECT_EQ(store.settings.LeagueList[1], "Monday");
    store.settings.DateRemind = 1;
    ASSERT_FALSE(SaveLeagueList(store));
    auto files = folderSnapshot(dir.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(fileLines(files.at("VEXA.DAT"))[7], " 1 ");
}

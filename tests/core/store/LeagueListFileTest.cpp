// The league list file: layout, the factor and font as start-up reads them,
// and a file that cannot be read.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

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

TEST(LeagueListFile, EmptyListIsSevenLinesAndTwoLeaguesNineLines) {
    TempDir dir;
    Store store = storeIn(dir.path());
    Settings& s = store.settings;
    SetDefaults(s);
    ASSERT_FALSE(SaveLeagueList(store));
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 0 ", " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));

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

    Store back = storeIn(dir.path());
    back.settings.LeagueList[3] = "Stale";
    ASSERT_FALSE(startUp(back));
    EXPECT_EQ(back.settings.LeagueList[3], "");
    EXPECT_EQ(leagueListText(back.settings), leagueListText(s));
}

TEST(LeagueListFile, FontNamesSurviveASaveAndALoadAndLowFactorsAreCorrected) {
    TempDir dir;
    struct Font {
        std::string name, line;
    };
    // A name is written as it is unless the comma-delimited read would cut or trim it; then it is quoted.
    for (const Font& f :
         {Font{"DejaVu Sans Mono", "DejaVu Sans Mono"}, Font{"Ünïcode Mono", "Ünïcode Mono"},
          Font{"Mono \"Q\"", "Mono \"Q\""}, Font{"Courier New, Bold", "\"Courier New, Bold\""},
          Font{" Lead", "\" Lead\""}, Font{"Trail ", "\"Trail \""}}) {
        Store store = storeIn(dir.path());
        SetDefaults(store.settings);
        store.settings.FontName = f.name;
        ASSERT_TRUE(fontNameStorable(f.name)) << f.name;
        ASSERT_FALSE(SaveLeagueList(store));
        EXPECT_EQ(fileLines(readFile(dir / "vexa.dat"))[2], f.line);
        Store back = storeIn(dir.path());
        ASSERT_FALSE(startUp(back));
        EXPECT_EQ(back.settings.FontName, f.name);
    }

    struct Case {
        std::string factor, font;
        float expectedFactor;
        std::string expectedFont;
    };
    for (const Case& c : {Case{" .9 ", "  \"Arial, Narrow\"", 0.9f, "Arial, Narrow"},
                          Case{" .3 ", "", 0.96f, "Courier New"}, Case{" .5 ", "", 0.5f, "Courier New"},
                          Case{" 0 ", "", 0.96f, "Courier New"}, Case{" 1.1 ", "", 1.1f, "Courier New"}}) {
        writeFile(dir / "vexa.dat", crlf({" 0 ", c.factor, c.font, " 1 ", " 0 ", " 2 ", " 0 "}));
        Store read = storeIn(dir.path());
        ASSERT_FALSE(startUp(read));
        EXPECT_EQ(read.settings.IndexFactor, c.expectedFactor) << c.factor;
        EXPECT_EQ(read.settings.FontName, c.expectedFont);
        EXPECT_EQ(read.settings.HcpLimitOption, 2);
    }
}

TEST(LeagueListFile, MissingShortOrBadFilesFail) {
    TempDir dir;
    Store store = storeIn(dir.path());
    bool missing = false;
    expectListLoadFailure(LoadLeagueList(store, &missing));
    EXPECT_TRUE(missing);
    ApplyLeagueListDefaults(store, false);
    EXPECT_EQ(store.settings.IndexFactor, 0.96f);
    EXPECT_EQ(store.settings.FontName, "Courier New");
    EXPECT_EQ(store.settings.HcpLimitOption, 1);

    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday", "Friday", " .3 ", "Arial"}));
    Store shortFile = storeIn(dir.path());
    expectListLoadFailure(LoadLeagueList(shortFile, &missing));
    EXPECT_FALSE(missing);
    ApplyLeagueListDefaults(shortFile, false);
    EXPECT_EQ(shortFile.settings.LeagueList[2], "Friday");
    EXPECT_EQ(shortFile.settings.FontName, "Arial");
    EXPECT_EQ(shortFile.settings.IndexFactor, 0.3f); // corrected only after a good read

    for (const std::string count : {" 16 ", "-1 ", "two", ""}) {
        writeFile(dir / "vexa.dat",
                  crlf({count, "Monday", " .96 ", "Courier New", " 1 ", " 0 ", " 1 ", " 0 "}));
        Store bad = storeIn(dir.path());
        expectListLoadFailure(LoadLeagueList(bad));
        EXPECT_EQ(bad.settings.LeagueCount, 0) << count;
    }
}

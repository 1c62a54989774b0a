// The rules window: what it shows, the silent corrections of its accept, and
// the two files it writes.
#include "handicap/Rules.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Settings defaults() {
    Settings s;
    SetDefaults(s);
    return s;
}

} // namespace

TEST(Rules, BoxesOutsideTheirRangesRevertToTheDefault) {
    using Box = std::string RulesForm::*;
    struct Case {
        Box box;
        std::string text;
        double expected;
    };
    auto accepted = [](Box box, const Settings& s) -> double {
        if (box == &RulesForm::factorText) return s.IndexFactor;
        if (box == &RulesForm::roundsText) return s.RoundsToUse;
        if (box == &RulesForm::percentText) return s.PercentRounds;
        if (box == &RulesForm::mensText) return s.MensHcpMax;
        if (box == &RulesForm::womensText) return s.WomensHcpMax;
        if (box == &RulesForm::aboveParText) return s.StrokesAbovePar;
        return s.MaxStrokesPerHole;
    };
    const Box f = &RulesForm::factorText, r = &RulesForm::roundsText, p = &RulesForm::percentText,
              m = &RulesForm::mensText, w = &RulesForm::womensText, a = &RulesForm::aboveParText,
              x = &RulesForm::maxStrokeText;
    const std::vector<Case> cases = {
        {f, "1.1", 1.1f},  {f, "1.11", 0.96f},     {f, ".5", 0.5f},    {f, "0.49", 0.96f}, {f, "", 0.96f},
        {f, "abc", 0.96f}, {f, " 1.05xyz", 1.05f}, {f, "-1", 0.96f}, // multiplier: 0.5 to 1.1
        {r, "20", 20},     {r, "21", 10},          {r, "1", 1},        {r, "0", 10},       {r, "19.5", 20},
        {r, "20.5", 10},   {p, "100", 100},        {p, "5", 50},       {p, "10", 10},      {p, "9.5", 10},
        {p, "101", 50},    {p, "x", 50}, // limits have only an upper bound
        {m, "45", 40},     {m, "40", 40},          {m, "36.4", 36.4f}, {m, "-5", -5},      {w, "45", 45},
        {w, "46", 45},     {w, "abc", 0},          {a, "2", 2},        {a, "7", 7},        {a, "8", 4},
        {a, "1", 4},       {a, "1.5", 2},          {x, "6", 6},        {x, "12", 12},      {x, "13", 10},
        {x, "5", 10},      {x, "5.5", 6}};
    for (const Case& c : cases) {
        Settings s = defaults();
        RulesForm form = rulesFormValues(s);
        form.*c.box = c.text;
        applyRules(s, form);
        EXPECT_EQ(accepted(c.box, s), c.expected) << c.text;
    }
}

TEST(Rules, WindowShowsTheSettingsAndAnUnchangedAcceptKeepsThem) {
    Settings s = defaults();
    s.HcpMethod = 3;
    s.RoundsOption = 4;
    s.RoundsToUse = 12;
    s.MensHcpMax = 36.4f;
    s.IndexFactor = 1.1f;
    s.NineHoleOption = 2;
    s.DateRemind = 1;
    s.HcpLimitOption = 3;
    s.StrokeOption = 4;
    RulesForm form = rulesFormValues(s);
    EXPECT_EQ(form.mensText, "36.4");
    EXPECT_EQ(form.factorText, "1.10");

    Settings after = s;
    applyRules(after, form);
    EXPECT_EQ(settingsFileText(after), settingsFileText(s));
    EXPECT_EQ(leagueListText(after), leagueListText(s));
}

TEST(Rules, UnsetRoundsAndNineHoleOptionShowWhatTheCalculationUses) {
    // Fresh defaults: no rounds count and no nine-hole option chosen yet; a damaged
    // list's option 7 is no option either. The window shows 10 and option 1, which accepting stores.
    for (int16_t nineHole : {0, 7}) {
        Settings s = defaults();
        s.NineHoleOption = nineHole;
        RulesForm form = rulesFormValues(s);
        EXPECT_EQ(form.roundsText, "10");
        EXPECT_EQ(form.nineHole, 1);
        applyRules(s, form);
        EXPECT_EQ(s.RoundsToUse, 10);
        EXPECT_EQ(s.NineHoleOption, 1);
        EXPECT_EQ(s.DateRemind, 0);
    }
}

TEST(Rules, AcceptWritesTheLeagueListThenTheSettingsFile) {
    TempDir dir;
    Store store = storeIn(dir / "work");
    store.settingsDir = dir / "config";
    std::filesystem::create_directories(store.workDir);
    store.settings = defaults();
    auto writer = std::make_shared<FailingWriter>("no such file");
    store.writer = writer;

    RulesForm form = rulesFormValues(store.settings);
    form.method = 2;
    form.factorText = "0.9";
    form.nineHole = 3;
    form.dateRemind = true;
    form.mensText = "45";
    ASSERT_FALSE(acceptRules(store, form));
    // The versions kept for undo land in the same change.
    EXPECT_EQ(writer->targets,
              (std::vector<std::string>{"vexa.dat", "vexa.ini", "00000001.undo", ".tallyrock.journal"}));
    EXPECT_EQ(readFile(dir / "work" / "vexa.dat"),
              crlf({" 0 ", " .9 ", "Courier New", " 3 ", " 0 ", " 1 ", " 1 "}));
    EXPECT_EQ(readFile(dir / "config" / "vexa.ini"),
              crlf({" 2 ", " 1 ", " 10 ", " 50 ", " 40 ", " 40 ", " 4 ", " 10 ", " 1 ", " 0 ", " 0 ", " 0 ",
                    " 0 "}));
}

TEST(Rules, LeagueListWriteFailureIsReturned) {
    TempDir dir;
    Store store = storeIn(dir.path());
    store.settingsDir = dir.path();
    store.settings = defaults();
    store.writer = std::make_shared<FailingWriter>("vexa.dat");
    Failure failure = acceptRules(store, rulesFormValues(store.settings));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "Cannot Write vexa.dat, Please check disk write protect.");
    // The two files change together or not at all.
    EXPECT_FALSE(std::filesystem::exists(dir / "vexa.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "vexa.ini"));
}

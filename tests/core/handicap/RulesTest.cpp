// The rules window: what it shows, the silent corrections of its accept, and
// the two files it writes.
#include "handicap/Rules.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
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

// Accepts the window as opened on the defaults, with one box changed.
Settings acceptWith(std::string RulesForm::*box, const std::string& text) {
    Settings s = defaults();
    RulesForm form = rulesFormValues(s);
    form.*box = text;
    applyRules(s, form);
    return s;
}

} // namespace

TEST(Rules, MultiplierOutsideHalfToOnePointOneBecomesTheDefault) {
    const std::vector<std::pair<std::string, float>> cases = {
        {"1.1", 1.1f}, {"1.11", 0.96f}, {".5", 0.5f},   {"0.49", 0.96f},     {"0", 0.96f},
        {"", 0.96f},   {"abc", 0.96f},  {".85", 0.85f}, {" 1.05xyz", 1.05f}, {"-1", 0.96f}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(acceptWith(&RulesForm::factorText, text).IndexFactor, expected) << text;
}

TEST(Rules, RoundsAndPercentageAreRoundedThenChecked) {
    const std::vector<std::pair<std::string, int>> rounds = {
        {"20", 20}, {"21", 10}, {"1", 1}, {"0", 10}, {"", 10}, {"-3", 10}, {"19.5", 20}, {"20.5", 10}};
    for (const auto& [text, expected] : rounds)
        EXPECT_EQ(acceptWith(&RulesForm::roundsText, text).RoundsToUse, expected) << text;
    const std::vector<std::pair<std::string, int>> percents = {{"100", 100}, {"5", 50},   {"10", 10},
                                                               {"9.5", 10},  {"101", 50}, {"x", 50}};
    for (const auto& [text, expected] : percents)
        EXPECT_EQ(acceptWith(&RulesForm::percentText, text).PercentRounds, expected) << text;
}

TEST(Rules, HandicapLimitsHaveOnlyAnUpperBound) {
    const std::vector<std::pair<std::string, float>> men = {
        {"45", 40}, {"40", 40}, {"36.4", 36.4f}, {"0", 0}, {"-5", -5}};
    for (const auto& [text, expected] : men)
        EXPECT_EQ(acceptWith(&RulesForm::mensText, text).MensHcpMax, expected) << text;
    const std::vector<std::pair<std::string, float>> women = {
        {"45", 45}, {"46", 45}, {"40.4", 40.4f}, {"abc", 0}};
    for (const auto& [text, expected] : women)
        EXPECT_EQ(acceptWith(&RulesForm::womensText, text).WomensHcpMax, expected) << text;
}

TEST(Rules, StrokeControlLimits) {
    const std::vector<std::pair<std::string, int>> abovePar = {
        {"2", 2}, {"7", 7}, {"8", 4}, {"1", 4}, {"1.5", 2}};
    for (const auto& [text, expected] : abovePar)
        EXPECT_EQ(acceptWith(&RulesForm::aboveParText, text).StrokesAbovePar, expected) << text;
    const std::vector<std::pair<std::string, int>> perHole = {
        {"6", 6}, {"12", 12}, {"13", 10}, {"5", 10}, {"5.5", 6}};
    for (const auto& [text, expected] : perHole)
        EXPECT_EQ(acceptWith(&RulesForm::maxStrokeText, text).MaxStrokesPerHole, expected) << text;
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
    EXPECT_EQ(form.method, 3);
    EXPECT_EQ(form.roundsOption, 4);
    EXPECT_EQ(form.percentText, "50");
    EXPECT_EQ(form.roundsText, "12");
    EXPECT_EQ(form.mensText, "36.4");
    EXPECT_EQ(form.womensText, "40");
    EXPECT_EQ(form.factorText, "1.10");
    EXPECT_EQ(form.aboveParText, "4");
    EXPECT_EQ(form.maxStrokeText, "10");
    EXPECT_EQ(form.nineHole, 2);
    EXPECT_TRUE(form.dateRemind);
    EXPECT_EQ(rulesFormValues(defaults()).factorText, ".96");

    Settings after = s;
    applyRules(after, form);
    EXPECT_EQ(settingsFileText(after), settingsFileText(s));
    EXPECT_EQ(leagueListText(after), leagueListText(s));
}

TEST(Rules, UnsetRoundsAndNineHoleOptionOnAccept) {
    // Fresh defaults: no rounds count, no nine-hole option chosen yet.
    Settings s = defaults();
    applyRules(s, rulesFormValues(s));
    EXPECT_EQ(s.RoundsToUse, 10);
    EXPECT_EQ(s.NineHoleOption, 0);
    EXPECT_EQ(s.DateRemind, 0);
}

TEST(Rules, AcceptWritesTheLeagueListThenTheSettingsFile) {
    TempDir dir;
    Store store;
    store.workDir = dir / "work";
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
    EXPECT_EQ(writer->targets, (std::vector<std::string>{"vexa.dat", "vexa.ini"}));
    EXPECT_EQ(readFile(dir / "work" / "vexa.dat"),
              crlf({" 0 ", " .9 ", "Courier New", " 3 ", " 0 ", " 1 ", " 1 "}));
    EXPECT_EQ(readFile(dir / "config" / "vexa.ini"),
              crlf({" 2 ", " 1 ", " 10 ", " 50 ", " 40 ", " 40 ", " 4 ", " 10 ", " 1 ", " 0 ", " 0 ", " 0 ",
                    " 0 "}));
}

TEST(Rules, LeagueListWriteFailureIsReturned) {
    TempDir dir;
    Store store;
    store.workDir = dir.path();
    store.settingsDir = dir.path();
    store.settings = defaults();
    store.writer = std::make_shared<FailingWriter>("vexa.dat");
    Failure failure = acceptRules(store, rulesFormValues(store.settings));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "Cannot Write vexa.dat, Please check disk write protect.");
    EXPECT_FALSE(std::filesystem::exists(dir / "vexa.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "vexa.ini"));
}

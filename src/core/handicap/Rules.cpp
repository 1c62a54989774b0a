#include "Rules.h"

#include "HandicapCalculation.h"
#include "WhsEngine.h"
#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SettingsFile.h"
#include "store/WhsFiles.h"

#include <algorithm>

namespace tallyrock {

namespace {
int clampOption(int value, int high) {
    return std::clamp(value, 1, high);
}
int16_t roundedIn(const std::string& text, int low, int high, int fallback) {
    long long value = roundWhole(leadingNumber(text));
    return static_cast<int16_t>(value < low || value > high ? fallback : value);
}
} // namespace

RulesForm rulesFormValues(const Settings& s) {
    RulesForm f;
    f.method = clampOption(s.HcpMethod, stored(HandicapMethod::Whs));
    f.roundsOption = clampOption(s.RoundsOption, stored(RoundsSelection::LastN));
    f.percentText = plainNumber(static_cast<long long>(s.PercentRounds));
    // A setting never chosen shows what the calculation uses in its place.
    f.roundsText = plainNumber(effectiveRoundsToUse(s));
    f.nineHole = effectiveNineHoleOption(s);
    f.limitOption = clampOption(s.HcpLimitOption, stored(HandicapLimit::Custom));
    f.mensText = generalNumber(s.MensHcpMax);
    f.womensText = generalNumber(s.WomensHcpMax);
    f.dateRemind = s.DateRemind == 1;
    f.factorText = formatPattern(s.IndexFactor, "#.00");
    f.strokeOption = clampOption(s.StrokeOption, stored(StrokeControl::MaxPerHole));
    f.aboveParText = plainNumber(static_cast<long long>(s.StrokesAbovePar));
    f.maxStrokeText = plainNumber(static_cast<long long>(s.MaxStrokesPerHole));
    f.allowanceText = plainNumber(static_cast<long long>(s.WhsAllowance));
    f.nineFactorText = formatPattern(s.WhsNineFactor / 100.0, "0.00");
    f.nineBaseText = formatPattern(s.WhsNineBase / 10.0, "0.0");
    return f;
}

void applyRules(Settings& s, const RulesForm& f) {
    s.HcpMethod = static_cast<int16_t>(clampOption(f.method, stored(HandicapMethod::Whs)));
    s.RoundsOption = static_cast<int16_t>(clampOption(f.roundsOption, stored(RoundsSelection::LastN)));
    s.PercentRounds = roundedIn(f.percentText, 10, 100, 50);
    s.RoundsToUse = roundedIn(f.roundsText, 1, 20, 10);
    s.HcpLimitOption = static_cast<int16_t>(clampOption(f.limitOption, stored(HandicapLimit::Custom)));
    s.MensHcpMax = std::min(toSingle(leadingNumber(f.mensText)), 40.0f);
    s.WomensHcpMax = std::min(toSingle(leadingNumber(f.womensText)), 45.0f);
    s.StrokeOption = static_cast<int16_t>(clampOption(f.strokeOption, stored(StrokeControl::MaxPerHole)));
    s.StrokesAbovePar = roundedIn(f.aboveParText, 2, 7, 4);
    s.MaxStrokesPerHole = roundedIn(f.maxStrokeText, 6, 12, 10);
    // No option chosen stays 0, as a new install writes it.
    bool chosen = f.nineHole >= stored(NineHoleScoring::DoubleScore) &&
                  f.nineHole <= stored(NineHoleScoring::RatingsAsEntered);
    s.NineHoleOption = static_cast<int16_t>(chosen ? f.nineHole : 0);
    s.DateRemind = f.dateRemind ? 1 : 0;
    // Compared as Singles, so a typed 1.1 is accepted and 1.11 is not.
    float factor = toSingle(leadingNumber(f.factorText));
    s.IndexFactor = (factor < 0.5f || factor > 1.1f) ? 0.96f : factor;
    const Settings defaults;
    s.WhsAllowance = roundedIn(f.allowanceText, 1, 100, defaults.WhsAllowance);
    // The expected nine-hole numbers keep two and one decimals; out of range gives the default.
    double nineFactor = leadingNumber(f.nineFactorText), nineBase = leadingNumber(f.nineBaseText);
    s.WhsNineFactor = nineFactor >= 0 && nineFactor <= 1 ? static_cast<int16_t>(roundWhole(nineFactor * 100))
                                                         : defaults.WhsNineFactor;
    s.WhsNineBase = nineBase >= 0 && nineBase <= 5 ? static_cast<int16_t>(roundWhole(nineBase * 10))
                                                   : defaults.WhsNineBase;
}

bool whsChosen(const RulesForm& form) {
    return form.method == stored(HandicapMethod::Whs);
}

Failure acceptRules(Store& store, const RulesForm& form) {
    applyRules(store.settings, form);
    // Both files change together or neither does.
    return applyChange(store, "Change Rules", [&]() -> Failure {
        if (Failure failure = SaveLeagueList(store)) return failure;
        if (!SaveSettings(store)) return settingsSaveFailure();
        if (whsMethod(store.settings) || fileExists(settingsFolder(store), WhsSettingsFileName))
            if (!SaveWhsSettings(store)) return settingsSaveFailure();
        return std::nullopt;
    });
}

Message casualDescription() {
    return {"What is the Casual Handicap Method?",
            "Casual Handicap Formula...\r\n\r\n"
            " Rounds          Rounds            Handicap\r\n"
            " Played             Used                Factor\r\n"
            "    1                      1                    80%\r\n"
            "    2                      2                    80%\r\n"
            "    3                      2                    85%\r\n"
            "    4                      2                    90%\r\n"
            "    5                      3                    90%\r\n"
            "    6                      4                    95%\r\n"
            "\r\n"
            "Long Term -- Each players last 20 rounds are kept\r\n"
            "on record, but only the best 4 of the last 6 are\r\n"
            "considered in the handicap calculation\r\n",
            Icon::Information};
}

} // namespace tallyrock

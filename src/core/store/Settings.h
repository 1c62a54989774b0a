#pragma once
// Handicap rules and program-wide settings. The first group lives in the
// settings file, the second in the league list file, the third in whs.ini.

#include <array>
#include <cstdint>
#include <string>

namespace tallyrock {

constexpr int MaxLeagues = 15;

struct Settings {
    // settings file, in file order
    int16_t HcpMethod = 0;
    int16_t RoundsOption = 0;
    int16_t RoundsToUse = 0;
    int16_t PercentRounds = 0;
    float MensHcpMax = 0;
    float WomensHcpMax = 0;
    int16_t StrokesAbovePar = 0;
    int16_t MaxStrokesPerHole = 0;
    int16_t StrokeOption = 0;
    float Reserved = 0;
    float CardHOffset = 0;
    float CardWDOffset = 0;
    float CardScaling = 0;

    // league list file
    int16_t LeagueCount = 0;
    std::array<std::string, MaxLeagues + 1> LeagueList{};
    float IndexFactor = 0;
    std::string FontName;
    int16_t NineHoleOption = 0;
    int16_t CurrentLeague = 0;
    int16_t HcpLimitOption = 0;
    int16_t DateRemind = 0;

    // whs.ini beside the settings file: the World Handicap System's own settings
    int16_t WhsAllowance = 100; // playing handicap allowance, percent
    int16_t WhsNineFactor = 52; // expected nine-hole differential: factor in hundredths ...
    int16_t WhsNineBase = 12;   // ... times the index, plus this base in tenths
};

// Replaces each setting that is still 0 (or empty) by its default.
void SetDefaults(Settings& s);

} // namespace tallyrock

#pragma once
// The open league: players, their last twenty rounds and the hole scores.
// Slots are 1-based as the league file numbers them; slot 0 is unused, except
// as scratch by the player-order move.

#include "SlotTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace tallyrock {

constexpr int MaxPlayers = 100;
constexpr int MaxRounds = 20;
constexpr int HoleSlots = 20; // 1..18 holes, 19 Out, 20 In
constexpr int OutSlot = 19;
constexpr int InSlot = 20;

struct RoundRecord {
    float RoundDiff = 0;
    int16_t RoundMonth = 0;
    int16_t RoundDay = 0;
    int16_t RoundYear = 0;
    float RoundIndex = 0;
    float RoundCourseHcp = 0;
    int16_t RoundCourse = 0;
    std::array<int16_t, HoleSlots + 1> HoleScore{};
};

struct PlayerRecord {
    std::string PlayerName;
    int16_t PlayerTee = 0;
    int16_t RoundCount = 0;
    int16_t PlayerMark = 0; // working mark, never saved
    SlotTable<RoundRecord, MaxRounds> round;

    // Zeroes the name, tee, count and every round value; the mark is left alone.
    void clearRecord();
};

struct LeagueTables {
    int16_t PlayerCount = 0;
    std::string LeagueFilePath; // league name + ".LGE", relative to the working directory
    SlotTable<PlayerRecord, MaxPlayers> player;
    // Set when the open league's file failed to load: the first save keeps the
    // original beside it before replacing it.
    bool loadFailed = false;
};

// Full calendar year of a stored two-digit year: 85..99 are 1985..1999, 0..84 are 2000..2084.
int fullYear(int twoDigitYear);

} // namespace tallyrock

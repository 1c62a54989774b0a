#pragma once
// Teams of the open league and their point entries.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallyrock {

constexpr int MaxTeams = 100;
constexpr int MaxEntries = 150;

struct TeamEntry {
    std::string TeamEntryText;
    float TeamEntryManual = 0;
    float TeamEntryPoints = 0;
};

struct TeamRecord {
    std::string TeamName;
    int16_t TeamEntryCount = 0;
    std::vector<TeamEntry> entry = std::vector<TeamEntry>(MaxEntries + 1);
};

struct TeamTables {
    int16_t TeamCount = 0;
    std::array<TeamRecord, MaxTeams + 1> team{};
    std::array<int16_t, 101> PlayerTeam{};
    int16_t TeamsInUse = 0;
    int16_t CurrentTeam = 0;
};

} // namespace tallyrock

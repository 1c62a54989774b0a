#pragma once
// The chart player chooser: which chart it opens, its caption and its entries.

#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// The main window's chart kinds, compared exactly.
inline constexpr const char* LineChartKind = "line";
inline constexpr const char* PieChartKind = "pie";

enum class ChartChoice { Trend, Pie, None };
ChartChoice chartForKind(const std::string& kind);

// The league's name followed by " Player List".
std::string chooserCaption(const Store& store);

// One list entry: the name shown and the player slot it stands for. Slots
// with an empty name are left out, so an entry's position is not its slot.
struct PlayerEntry {
    std::string name;
    int slot = 0;
};
std::vector<PlayerEntry> playerEntries(const LeagueTables& league);

} // namespace tallyrock

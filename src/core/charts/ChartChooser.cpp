#include "ChartChooser.h"

#include "roster/RosterChanges.h"
#include "store/LeagueNames.h"

namespace tallyrock {

ChartChoice chartForKind(const std::string& kind) {
    if (kind == LineChartKind) return ChartChoice::Trend;
    if (kind == PieChartKind) return ChartChoice::Pie;
    return ChartChoice::None;
}

std::string chooserCaption(const Store& store) {
    return leagueName(store) + " Player List";
}

std::vector<PlayerEntry> playerEntries(const LeagueTables& league) {
    std::vector<PlayerEntry> entries;
    for (int p : rosterSlots(league))
        entries.push_back({league.player[p].PlayerName, p});
    return entries;
}

} // namespace tallyrock

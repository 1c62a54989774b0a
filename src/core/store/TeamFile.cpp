#include "TeamFile.h"

#include "ChangeSet.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"

namespace tallyrock {

namespace {
// 100 teams of 150 entries, each a comment and two numbers, take a few MB at most.
constexpr std::uintmax_t MaxTeamFileBytes = 16u << 20;
} // namespace

std::string teamFileName(const std::string& leagueFilePath) {
    std::size_t keep = leagueFilePath.size() >= 4 ? leagueFilePath.size() - 4 : 0;
    return leagueFilePath.substr(0, keep) + ".tea";
}

Message teamSaveFailure(const std::string& fileName) {
    return {"Tallyrock", "Cannot Write " + fileName + ", Please check disk write protect, freespace etc.",
            Icon::None};
}

bool LoadTeamFile(Store& store) {
    TeamTables& teams = store.teams;
    std::optional<LineReader> in;
    if (isLegalLeagueFile(store.league.LeagueFilePath)) {
        auto path = resolveFile(store.workDir, teamFileName(store.league.LeagueFilePath));
        in = LineReader::open(path, MaxTeamFileBytes);
        noteRead(store, path, in);
    }
    if (!in) {
        // A league without a team file has no teams (not the teams of the league open before).
        teams.TeamCount = 0;
        return false;
    }
    int16_t count = 0;
    if (!in->integerIn(count, 0, MaxTeams)) {
        teams.TeamCount = 0;
        return false;
    }
    teams.TeamCount = count;
    // Teams the read may not reach show nothing of the league open before.
    for (int t = 1; t <= count; ++t) {
        teams.team[t].TeamName.clear();
        teams.team[t].TeamEntryCount = 0;
    }
    for (int t = 1; t <= count; ++t)
        if (!in->line(teams.team[t].TeamName)) return false;
    for (int p = 1; p <= store.league.PlayerCount && p <= MaxPlayers; ++p)
        if (!in->integerIn(teams.PlayerTeam[p], 0, MaxTeams)) return false;
    for (int t = 1; t <= count; ++t) {
        TeamRecord& team = teams.team[t];
        if (!in->integerIn(team.TeamEntryCount, 0, MaxEntries)) return false;
        for (int e = 1; e <= team.TeamEntryCount; ++e) {
            TeamEntry& entry = team.entry[e];
            if (!in->line(entry.TeamEntryText) || !in->number(entry.TeamEntryManual) ||
                !in->number(entry.TeamEntryPoints))
                return false;
        }
    }
    return true;
}

std::string teamFileText(const TeamTables& teams, int playerCount) {
    std::string out = fileNumber(int{teams.TeamCount}) + "\r\n";
    for (int t = 1; t <= teams.TeamCount && t <= MaxTeams; ++t)
        out += teams.team[t].TeamName + "\r\n";
    for (int p = 1; p <= playerCount && p <= MaxPlayers; ++p)
        out += fileNumber(int{teams.PlayerTeam[p]}) + "\r\n";
    for (int t = 1; t <= teams.TeamCount && t <= MaxTeams; ++t) {
        const TeamRecord& team = teams.team[t];
        out += fileNumber(int{team.TeamEntryCount}) + "\r\n";
        for (int e = 1; e <= team.TeamEntryCount && e <= MaxEntries; ++e) {
            const TeamEntry& entry = team.entry[e];
            out += entry.TeamEntryText + "\r\n";
            out += fileNumber(entry.TeamEntryManual) + "\r\n";
            out += fileNumber(entry.TeamEntryPoints) + "\r\n";
        }
    }
    return out;
}

Failure SaveTeamFile(Store& store) {
    if (!isLegalLeagueFile(store.league.LeagueFilePath)) return illegalFileName();
    auto path = resolveFile(store.workDir, teamFileName(store.league.LeagueFilePath));
    ChangeSet change(store);
    if (!store.writer->writeFile(path, teamFileText(store.teams, store.league.PlayerCount)))
        return teamSaveFailure(path.filename().string());
    return change.commit();
}

void ReloadTeams(Store& store) {
    TeamTables& teams = store.teams;
    teams.PlayerTeam.fill(0);
    teams.TeamsInUse = 0;
    LoadTeamFile(store);
    for (int p = 1; p <= MaxPlayers; ++p)
        if (teams.PlayerTeam[p] > 0) teams.TeamsInUse = 1;
}

} // namespace tallyrock

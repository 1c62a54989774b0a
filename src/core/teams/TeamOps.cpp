#include "TeamOps.h"

#include "roster/PlayerOps.h"
#include "store/NumberText.h"
#include "store/SafeText.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"

#include <algorithm>
#include <utility>

namespace tallyrock {

namespace {

int16_t& playerTeam(TeamTables& teams, int p) {
    return teams.PlayerTeam[p];
}

void noteTeamChange(Store& store) {
    noteChange(store, teamFileName(store.league.LeagueFilePath), "Define Teams");
}

int playerCount(const Store& store) {
    return std::min<int>(store.league.PlayerCount, MaxPlayers);
}

void setTeamOf(Store& store, const std::vector<std::string>& names, int16_t team) {
    for (const std::string& name : names) {
        int p = findPlayer(store.league, name);
        if (p > 0) playerTeam(store.teams, p) = team;
    }
}

} // namespace

TeamRecord& teamRecord(TeamTables& teams, int t) {
    if (t < 1 || t > MaxTeams) {
        teams.team[0] = TeamRecord{};
        return teams.team[0];
    }
    return teams.team[t];
}

const TeamRecord& teamRecord(const TeamTables& teams, int t) {
    static const TeamRecord blank;
    if (t < 1 || t > MaxTeams) return blank;
    return teams.team[t];
}

void openTeamDefinition(Store& store) {
    LoadTeamFile(store);
    TeamTables& teams = store.teams;
    teams.CurrentTeam = 1;
    if (teams.TeamCount == 0) teams.team[1] = TeamRecord{};
}

std::vector<std::string> teamMemberNames(const Store& store, int t) {
    std::vector<std::string> names;
    for (int p = 1; p <= playerCount(store); ++p)
        if (store.teams.PlayerTeam[p] == t) names.push_back(store.player(p).PlayerName);
    return names;
}

std::string teamRecordText(const TeamTables& teams) {
    return "Team # " + plainNumber(teams.CurrentTeam) + " of " + plainNumber(teams.TeamCount);
}

Failure nameTeam(Store& store, const std::string& name) {
    if (Failure unsafe = checkText(name, "A team name")) return unsafe;
    TeamTables& teams = store.teams;
    const std::string& kept = isBlank(name) ? std::string() : name;
    noteTeamChange(store);
    teamRecord(teams, teams.CurrentTeam).TeamName = kept;
    if (!kept.empty() && teams.TeamCount == 0) teams.TeamCount = 1;
    return std::nullopt;
}

void moveIntoTeam(Store& store, const std::vector<std::string>& names) {
    noteTeamChange(store);
    setTeamOf(store, names, store.teams.CurrentTeam);
}

void moveOutOfTeam(Store& store, const std::vector<std::string>& names) {
    noteTeamChange(store);
    setTeamOf(store, names, 0);
}

Message teamsFull() {
    return {"Tallyrock", joinLines({"A league holds at most 100 teams.", "No more teams can be created."}),
            Icon::Exclamation};
}

CreateTeamResult createTeam(Store& store) {
    TeamTables& teams = store.teams;
    if (teamRecord(teams, teams.CurrentTeam).TeamName.empty()) return CreateTeamResult::Unnamed;
    if (teams.TeamCount >= MaxTeams) return CreateTeamResult::Full;
    noteTeamChange(store);
    teams.TeamCount = static_cast<int16_t>(teams.TeamCount + 1);
    teams.CurrentTeam = teams.TeamCount;
    TeamRecord& team = teamRecord(teams, teams.CurrentTeam);
    team.TeamName.clear();
    team.TeamEntryCount = 0;
    return CreateTeamResult::Created;
}

Message rosterNotEmpty() {
    return {"Tallyrock", joinLines({"Roster for this team must be empty", "before the team can be removed."}),
            Icon::Exclamation};
}

RemoveTeamResult removeTeam(Store& store) {
    TeamTables& teams = store.teams;
    const int current = teams.CurrentTeam;
    if (!teamMemberNames(store, current).empty()) return RemoveTeamResult::RosterNotEmpty;
    const int count = std::min<int>(teams.TeamCount, MaxTeams);
    noteTeamChange(store);

    teamRecord(teams, current).TeamName.clear();
    for (int t = current; t <= count - 1; ++t)
        teamRecord(teams, t).TeamName = teamRecord(teams, t + 1).TeamName;
    for (int p = 1; p <= playerCount(store); ++p)
        if (playerTeam(teams, p) > current) --playerTeam(teams, p);
    if (current >= 1 && current < count) {
        // The last team takes the entries of the number above it: none, also when that is past the table.
        for (int t = current; t <= count; ++t) {
            TeamRecord& to = teamRecord(teams, t);
            const TeamRecord& from = teamRecord(std::as_const(teams), t + 1);
            int n = t < count ? from.TeamEntryCount : 0;
            to.TeamEntryCount = static_cast<int16_t>(n);
            for (int e = 1; e <= n; ++e)
                to.entry[e] = from.entry[e];
        }
    }
    if (teams.TeamCount >= 2) teams.TeamCount = static_cast<int16_t>(teams.TeamCount - 1);
    // The window always shows a team number of at least 1, also when no team was named yet.
    if (teams.CurrentTeam > teams.TeamCount && teams.CurrentTeam > 1)
        teams.CurrentTeam = static_cast<int16_t>(teams.CurrentTeam - 1);
    return RemoveTeamResult::Removed;
}

void nextTeam(TeamTables& teams) {
    if (teams.CurrentTeam < teams.TeamCount) teams.CurrentTeam = static_cast<int16_t>(teams.CurrentTeam + 1);
}

void previousTeam(TeamTables& teams) {
    if (teams.CurrentTeam > 1) teams.CurrentTeam = static_cast<int16_t>(teams.CurrentTeam - 1);
}

} // namespace tallyrock
